#include "setup/ThankYouLink.h"

namespace {
bool StartsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}
} // namespace

bool IsLink(const std::wstring& text)
{
    return (StartsWith(text, L"http://") && text.size() > 7)
        || (StartsWith(text, L"https://") && text.size() > 8)
        || (StartsWith(text, L"ftp://") && text.size() > 6) || StartsWith(text, L"www.");
}

std::wstring WithLanguageParameter(const std::wstring& link, const std::wstring& code)
{
    if (link.find(L'?') != std::wstring::npos) {
        if (link.find(L"lang=") != std::wstring::npos)
            return link;
        return link + L"&lang=" + code;
    }
    if (link.find(L"&lang=") != std::wstring::npos)
        return link;
    return link + L"?lang=" + code;
}
