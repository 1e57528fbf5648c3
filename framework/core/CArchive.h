// CArchive: stores values and objects into a byte buffer and loads them back, objects by run-time class.
//
// Format (little-endian): counts and numbers as 32-bit values; a string as its length in UTF-16 units
// followed by the units; an object as its class name (a string, empty for a null pointer), its schema
// and then whatever its Serialize writes.
// Loading never throws: reading past the end, a class the registry does not know, a wrong schema or
// nesting deeper than kMaxObjectDepth marks the archive failed, and every later read gives zeros,
// empty strings and null objects.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

#include <vector>

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1
    };
    // Objects nested deeper than this are refused while loading (guards the stack against bad data).
    static constexpr int kMaxObjectDepth = 1024;

    // Storing appends to buffer; loading reads it from the start. The buffer must outlive the archive.
    CArchive(std::vector<BYTE>& buffer, UINT nMode);

    BOOL IsStoring() const { return m_nMode == store; }
    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsFailed() const { return m_bFailed; }

    void Write(const void* lpBuf, UINT nMax);
    // Reads up to nMax bytes; a short read fails the archive and zero-fills the rest.
    UINT Read(void* lpBuf, UINT nMax);

    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    void WriteObject(const CObject* pOb);
    // The object read, created through the class registry; null for a stored null pointer or a failure.
    // pClassRefRequested: the class the object must be derived from (null accepts any class).
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);

    CArchive& operator<<(DWORD dw);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator<<(const CString& str);
    CArchive& operator>>(CString& str);
    CArchive& operator<<(const CObject* pOb);
    CArchive& operator>>(CObject*& pOb);

private:
    std::vector<BYTE>& m_buffer;
    UINT m_nMode;
    size_t m_nReadPos = 0;
    int m_nDepth = 0;
    BOOL m_bFailed = FALSE;

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
};
