#pragma once

#include "framework/WinInclude.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

// An open registry key, closed when the object goes away. The operations
// return whether the registry call succeeded; callers that treat every
// registry failure as "not stored" or "absent" simply ignore the result.
class RegKey
{
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
    RegKey& operator=(RegKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_key = std::exchange(other.m_key, nullptr);
        }
        return *this;
    }

    bool Open(HKEY parent, const wchar_t* subKey, REGSAM access);
    bool Create(HKEY parent, const wchar_t* subKey, REGSAM access);
    // Opens the key, and creates it when it cannot be opened.
    bool OpenOrCreate(HKEY parent, const wchar_t* subKey, REGSAM access);
    void Close();

    HKEY Get() const { return m_key; }
    bool IsOpen() const { return m_key != nullptr; }

    // A string value whose stored size is exactly 2 x characters: no
    // terminating NUL is stored.
    bool SetStringWithoutTerminator(const wchar_t* name, const std::wstring& value);
    // A string value stored with its terminating NUL: 2 x (characters + 1).
    bool SetStringWithTerminator(const wchar_t* name, const std::wstring& value);
    bool SetDword(const wchar_t* name, uint32_t value);
    bool DeleteValue(const wchar_t* name);

    // Reads the first four bytes of a value of exactly four bytes, whatever
    // its type.
    std::optional<uint32_t> QueryDword(const wchar_t* name) const;
    // Reads a REG_SZ or REG_EXPAND_SZ value into a zero-filled buffer of
    // maxBytes, so that a value stored without terminator gets one.
    std::optional<std::wstring> QueryString(const wchar_t* name, DWORD maxBytes = 4096) const;

private:
    HKEY m_key = nullptr;
};
