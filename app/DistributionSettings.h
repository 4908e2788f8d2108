#pragma once

#include <string>

// What a distribution copy's settings block sets besides the registry links:
// the package link, the country code and the partner identifier. The main
// dialog holds them as its own members.
struct DistributionSettings
{
    std::wstring m_strDownloadLink;
    std::wstring m_strCountryIso2 = L"US";
    std::wstring m_strWid;
};
