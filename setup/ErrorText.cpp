#include "setup/ErrorText.h"

#include "framework/WinInclude.h"

#include <wininet.h>

std::wstring SystemErrorText(unsigned long code)
{
    DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    HMODULE source = nullptr;
    if (code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST) {
        source = ::GetModuleHandleW(L"wininet.dll");
        if (source)
            flags = FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS;
    }
    wchar_t text[1024] = {};
    const DWORD length = ::FormatMessageW(flags, source, code, 0, text, 1024, nullptr);
    std::wstring result(text, length);
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' '))
        result.pop_back();
    return result;
}
