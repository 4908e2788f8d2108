#include "setup/PreviousInstallation.h"

#include "app/ProductKey.h"
#include "framework/RegKey.h"

#include <vector>

namespace {

constexpr const wchar_t* kUninstallPath = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const wchar_t* kProductName = L"VELTO PC Cleaner";

// A string value that counts: REG_SZ or REG_EXPAND_SZ, empty or an even
// number of bytes ending in a NUL character, within the capacity in bytes.
bool ReadTerminatedString(HKEY key, const wchar_t* name, DWORD capacityBytes, std::wstring& text)
{
    std::vector<wchar_t> buffer(capacityBytes / sizeof(wchar_t), L'\0');
    DWORD type = 0;
    DWORD size = capacityBytes;
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size)
            != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    if (size == 0) {
        text.clear();
        return true;
    }
    if (size % sizeof(wchar_t) != 0 || buffer[size / sizeof(wchar_t) - 1] != L'\0')
        return false;
    text.assign(buffer.data());
    return true;
}

} // namespace

bool FindInstalledProduct()
{
    RegKey uninstall;
    if (!uninstall.Open(HKEY_LOCAL_MACHINE, kUninstallPath, KEY_READ))
        return false;

    for (DWORD index = 0;; ++index) {
        wchar_t name[100];
        DWORD nameLength = 100;
        const LSTATUS status = ::RegEnumKeyExW(uninstall.Get(), index, name, &nameLength, nullptr,
                                               nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            return false;
        if (status != ERROR_SUCCESS)
            continue; // a name that does not fit is passed over

        RegKey entry;
        const std::wstring path = std::wstring(kUninstallPath) + L"\\" + name;
        if (!entry.Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ))
            continue;
        std::wstring displayName;
        if (!ReadTerminatedString(entry.Get(), L"DisplayName", 200, displayName)
            || displayName != kProductName)
            continue;
        std::wstring uninstallString;
        if (!ReadTerminatedString(entry.Get(), L"UninstallString", 100 * sizeof(wchar_t),
                                  uninstallString))
            continue;
        return true;
    }
}

bool SaveInstallFolder(const std::wstring& folder)
{
    RegKey product;
    return product.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_WRITE)
        && product.SetStringWithoutTerminator(L"installfolder", folder);
}

bool SaveLanguageValue(int language)
{
    RegKey product;
    return product.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_WRITE)
        && product.SetDword(L"Language", static_cast<uint32_t>(language));
}
