#include "framework/RegKey.h"

#include <vector>

bool RegKey::Open(HKEY parent, const wchar_t* subKey, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    if (::RegOpenKeyExW(parent, subKey, 0, access, &key) != ERROR_SUCCESS)
        return false;
    m_key = key;
    return true;
}

bool RegKey::Create(HKEY parent, const wchar_t* subKey, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    if (::RegCreateKeyExW(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return false;
    m_key = key;
    return true;
}

bool RegKey::OpenOrCreate(HKEY parent, const wchar_t* subKey, REGSAM access)
{
    return Open(parent, subKey, access) || Create(parent, subKey, access);
}

void RegKey::Close()
{
    if (m_key) {
        ::RegCloseKey(m_key);
        m_key = nullptr;
    }
}

bool RegKey::SetStringWithoutTerminator(const wchar_t* name, const std::wstring& value)
{
    // Both Windows and Wine add the terminator to the stored size by themselves
    // when the code unit right after the data is a NUL. The data is therefore
    // passed from a copy followed by a non-zero sentinel.
    std::vector<wchar_t> data(value.begin(), value.end());
    data.push_back(L'\x1');
    const DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    return ::RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                            size) == ERROR_SUCCESS;
}

bool RegKey::SetStringWithTerminator(const wchar_t* name, const std::wstring& value)
{
    const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            size) == ERROR_SUCCESS;
}

bool RegKey::SetDword(const wchar_t* name, uint32_t value)
{
    const DWORD data = value;
    return ::RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof data) == ERROR_SUCCESS;
}

bool RegKey::DeleteValue(const wchar_t* name)
{
    return ::RegDeleteValueW(m_key, name) == ERROR_SUCCESS;
}

std::optional<uint32_t> RegKey::QueryDword(const wchar_t* name) const
{
    DWORD data = 0;
    DWORD size = sizeof data;
    if (::RegQueryValueExW(m_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size)
            != ERROR_SUCCESS
        || size != sizeof data)
        return std::nullopt;
    return data;
}

std::optional<std::wstring> RegKey::QueryString(const wchar_t* name, DWORD maxBytes) const
{
    std::vector<wchar_t> buffer(maxBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    DWORD size = maxBytes;
    if (::RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &size) != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    return std::wstring(buffer.data());
}
