// CArchive: stores values and objects into a byte buffer and loads them back, objects by run-time class.
#include "framework/core/CArchive.h"

#include <cstring>

CArchive::CArchive(std::vector<BYTE>& buffer, UINT nMode) : m_buffer(buffer), m_nMode(nMode) {}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (!IsStoring() || lpBuf == nullptr || nMax == 0)
        return;
    const BYTE* bytes = static_cast<const BYTE*>(lpBuf);
    m_buffer.insert(m_buffer.end(), bytes, bytes + nMax);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (lpBuf == nullptr || nMax == 0)
        return 0;
    memset(lpBuf, 0, nMax);
    if (!IsLoading() || m_bFailed)
        return 0;
    size_t available = m_buffer.size() - m_nReadPos;
    if (available < nMax)
    {
        m_bFailed = TRUE;
        return 0;
    }
    memcpy(lpBuf, m_buffer.data() + m_nReadPos, nMax);
    m_nReadPos += nMax;
    return nMax;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    *this << static_cast<DWORD>(dwCount);
}

DWORD_PTR CArchive::ReadCount()
{
    DWORD n = 0;
    *this >> n;
    return n;
}

CArchive& CArchive::operator<<(DWORD dw)
{
    Write(&dw, sizeof(dw));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    Read(&dw, sizeof(dw));
    return *this;
}

CArchive& CArchive::operator<<(const CString& str)
{
    DWORD n = static_cast<DWORD>(str.GetLength());
    *this << n;
    Write(str.GetString(), n * sizeof(wchar_t));
    return *this;
}

CArchive& CArchive::operator>>(CString& str)
{
    str.Empty();
    DWORD n = 0;
    *this >> n;
    // A length beyond the bytes left can only come from damaged data: fail before allocating for it.
    if (m_bFailed || n > (m_buffer.size() - m_nReadPos) / sizeof(wchar_t))
    {
        m_bFailed = TRUE;
        return *this;
    }
    std::wstring units(n, L'\0');
    Read(units.data(), n * sizeof(wchar_t));
    str = CString(units);
    return *this;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (pOb == nullptr)
    {
        *this << CString();
        return;
    }
    const CRuntimeClass* rc = pOb->GetRuntimeClass();
    *this << CString(rc->m_lpszClassName) << static_cast<DWORD>(rc->m_wSchema);
    // Serialize only reads or writes according to the archive's mode; storing does not change pOb.
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CString name;
    DWORD schema = 0;
    *this >> name;
    if (m_bFailed || name.IsEmpty())
        return nullptr;
    *this >> schema;
    CRuntimeClass* rc = CRuntimeClass::FromName(name.GetString());
    if (m_bFailed || rc == nullptr || rc->m_wSchema != schema || m_nDepth >= kMaxObjectDepth ||
        (pClassRefRequested != nullptr && !rc->IsDerivedFrom(pClassRefRequested)))
    {
        m_bFailed = TRUE;
        return nullptr;
    }
    CObject* pOb = rc->CreateObject();
    if (pOb == nullptr)
    {
        m_bFailed = TRUE;
        return nullptr;
    }
    ++m_nDepth;
    pOb->Serialize(*this);
    --m_nDepth;
    if (m_bFailed)
    {
        delete pOb; // half-loaded: nothing may use it
        return nullptr;
    }
    return pOb;
}

CArchive& CArchive::operator<<(const CObject* pOb)
{
    WriteObject(pOb);
    return *this;
}

CArchive& CArchive::operator>>(CObject*& pOb)
{
    pOb = ReadObject(nullptr);
    return *this;
}
