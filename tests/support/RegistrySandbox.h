#pragma once

#include "framework/WinInclude.h"

#include <string>

// Sends everything this process writes to HKEY_CURRENT_USER into a scratch
// key for the lifetime of the object, and deletes the scratch key afterwards,
// so no test sees another's values.
class HkcuRedirect
{
public:
    HkcuRedirect();
    ~HkcuRedirect();
    HkcuRedirect(const HkcuRedirect&) = delete;
    HkcuRedirect& operator=(const HkcuRedirect&) = delete;

private:
    std::wstring m_scratchPath;
    HKEY m_scratch = nullptr;
};

// For tests that run the real guide, which writes to the prefix's real
// HKEY_CURRENT_USER: removes the guide's keys when constructed and again
// when destroyed.
class ProductKeyCleaner
{
public:
    ProductKeyCleaner() { Clean(); }
    ~ProductKeyCleaner() { Clean(); }
    ProductKeyCleaner(const ProductKeyCleaner&) = delete;
    ProductKeyCleaner& operator=(const ProductKeyCleaner&) = delete;
    static void Clean();
};

// A registry value as stored: type and raw bytes.
struct StoredValue
{
    DWORD type = REG_NONE;
    std::wstring text() const; // the bytes as UTF-16 (no terminator added)
    std::string bytes;
};
bool ReadStoredValue(HKEY root, const wchar_t* path, const wchar_t* name, StoredValue& value);
bool KeyExists(HKEY root, const wchar_t* path);
DWORD CountValues(HKEY root, const wchar_t* path);
