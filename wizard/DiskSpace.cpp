#include "wizard/DiskSpace.h"

std::wstring FormatFreeSpace(uint64_t freeBytes, const std::wstring& mbUnit, const std::wstring& gbUnit)
{
    constexpr uint64_t kMegabyte = 1048576;
    constexpr uint64_t kGigabyte = 1073741824;
    if (freeBytes <= kGigabyte)
        return std::to_wstring(freeBytes / kMegabyte) + L" " + mbUnit;
    return std::to_wstring(freeBytes / kGigabyte) + L" " + gbUnit;
}

std::wstring FormatRequiredSpace(const std::wstring& mbUnit)
{
    return L"14 " + mbUnit;
}
