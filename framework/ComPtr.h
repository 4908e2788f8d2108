#pragma once

#include <utility>

// Owns one reference to a COM object.
template <class T>
class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }

    T* Get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    void Reset()
    {
        if (T* pointer = std::exchange(m_pointer, nullptr))
            pointer->Release();
    }
    // For APIs that hand out a reference through an out parameter.
    void** ReceiveVoid()
    {
        Reset();
        return reinterpret_cast<void**>(&m_pointer);
    }
    T** Receive()
    {
        Reset();
        return &m_pointer;
    }

private:
    T* m_pointer = nullptr;
};
