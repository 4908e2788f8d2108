#pragma once

#include <algorithm>
#include <memory>

// A growable array of pointers that does not own what it points to. Defined
// for pointer types only.
template <typename T>
class AList;

template <typename T>
class AList<T*>
{
public:
    // Thrown for an index outside the list; the value is always 0.
    class AList_Exception
    {
    public:
        explicit AList_Exception(int value) : m_nValue(value) {}
        int Get_Value() const { return m_nValue; }

    private:
        int m_nValue;
    };

    explicit AList(bool growByDoubling = false)
        : m_pElements(std::make_unique<T*[]>(kInitialCapacity)), m_bGrowByDoubling(growByDoubling)
    {
    }
    AList(const AList&) = delete;
    AList& operator=(const AList&) = delete;

    // Appends without looking for duplicates.
    void Add(T* element)
    {
        if (m_nCount >= m_nCapacity)
            Grow();
        m_pElements[m_nCount] = element;
        ++m_nCount;
    }

    T* Get(int index) const
    {
        if (index < 0 || index >= m_nCount)
            throw AList_Exception(0);
        return m_pElements[index];
    }
    T* operator[](int index) const { return Get(index); }

    int Get_Count() const { return m_nCount; }
    int Get_Capacity() const { return m_nCapacity; }

    // Forgets the elements; the array keeps its capacity.
    void Clear() { m_nCount = 0; }

private:
    static constexpr int kInitialCapacity = 16;
    static constexpr int kGrowthStep = 16;

    void Grow()
    {
        const int capacity = m_bGrowByDoubling ? m_nCapacity * 2 : m_nCapacity + m_nGrowthStep;
        auto elements = std::make_unique<T*[]>(capacity);
        std::copy_n(m_pElements.get(), m_nCount, elements.get());
        m_pElements = std::move(elements);
        m_nCapacity = capacity;
    }

    int m_nCapacity = kInitialCapacity;
    int m_nCount = 0;
    std::unique_ptr<T*[]> m_pElements;
    int m_nGrowthStep = kGrowthStep;
    bool m_bGrowByDoubling;
};
