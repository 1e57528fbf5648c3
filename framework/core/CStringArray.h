// CStringArray: an ordered, growable array of CString.
#pragma once

#include "framework/core/CString.h"

#include <vector>

class CStringArray
{
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    const CString& GetAt(INT_PTR i) const { return m_items[static_cast<size_t>(i)]; }
    CString& ElementAt(INT_PTR i) { return m_items[static_cast<size_t>(i)]; }
    const CString& operator[](INT_PTR i) const { return GetAt(i); }
    CString& operator[](INT_PTR i) { return ElementAt(i); }
    void SetAt(INT_PTR i, const CString& s) { m_items[static_cast<size_t>(i)] = s; }

    INT_PTR Add(const CString& s)
    {
        m_items.push_back(s);
        return GetSize() - 1;
    }
    void InsertAt(INT_PTR i, const CString& s) { m_items.insert(m_items.begin() + i, s); }
    void RemoveAt(INT_PTR i, INT_PTR nCount = 1) { m_items.erase(m_items.begin() + i, m_items.begin() + i + nCount); }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CString> m_items;
};
