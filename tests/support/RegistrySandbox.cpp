#include "tests/support/RegistrySandbox.h"

#include <atomic>
#include <vector>

namespace {
std::atomic<int> g_sandboxCounter{0};
}

HkcuRedirect::HkcuRedirect()
{
    m_scratchPath = L"Software\\VeltoTestScratch\\" + std::to_wstring(::GetCurrentProcessId())
                  + L"-" + std::to_wstring(++g_sandboxCounter);
    ::RegCreateKeyExW(HKEY_CURRENT_USER, m_scratchPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &m_scratch, nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, m_scratch);
}

HkcuRedirect::~HkcuRedirect()
{
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (m_scratch)
        ::RegCloseKey(m_scratch);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchPath.c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VeltoTestScratch");
}

void ProductKeyCleaner::Clean()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VELTO PC Utilities");
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VELTO PC Utilities");
}

std::wstring StoredValue::text() const
{
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

bool ReadStoredValue(HKEY root, const wchar_t* path, const wchar_t* name, StoredValue& value)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        status = ::RegQueryValueExW(key, name, nullptr, &value.type,
                                    reinterpret_cast<BYTE*>(value.bytes.data()), &size);
        value.bytes.resize(size);
    }
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const wchar_t* path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

DWORD CountValues(HKEY root, const wchar_t* path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                       nullptr, nullptr, nullptr);
    ::RegCloseKey(key);
    return count;
}
