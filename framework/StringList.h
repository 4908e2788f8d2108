#pragma once

#include <list>
#include <string>

// A list of wide strings in insertion order, walked from its head.
class CStringList
{
public:
    using const_iterator = std::list<std::wstring>::const_iterator;

    void AddTail(std::wstring text) { m_items.push_back(std::move(text)); }
    void RemoveAll() { m_items.clear(); }
    bool IsEmpty() const { return m_items.empty(); }
    std::size_t GetCount() const { return m_items.size(); }
    const std::wstring& GetHead() const { return m_items.front(); }

    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    std::list<std::wstring> m_items;
};
