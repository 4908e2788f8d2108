#pragma once

#include "framework/WinInclude.h"

#include <utility>

// Owns a kernel handle (file, process, thread, event, token); closes it once.
// INVALID_HANDLE_VALUE and null both mean "no handle".
class UniqueHandle
{
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return IsValid(); }

    HANDLE Release() { return std::exchange(m_handle, nullptr); }
    void Reset(HANDLE handle = nullptr)
    {
        if (IsValid())
            ::CloseHandle(m_handle);
        m_handle = handle;
    }
    // For APIs that return a handle through an out parameter.
    HANDLE* Receive()
    {
        Reset();
        return &m_handle;
    }

private:
    HANDLE m_handle = nullptr;
};
