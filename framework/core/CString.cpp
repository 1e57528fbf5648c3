// CString: the class library's wide string.
#include "framework/core/CString.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace
{
bool IsInSet(wchar_t ch, const wchar_t* set)
{
    return set != nullptr && ch != 0 && wcschr(set, ch) != nullptr;
}

bool IsSpace(wchar_t ch)
{
    return iswspace(ch) != 0;
}

template <typename Pred>
void TrimRightIf(std::wstring& s, Pred pred)
{
    size_t n = s.size();
    while (n > 0 && pred(s[n - 1]))
        --n;
    s.erase(n);
}

template <typename Pred>
void TrimLeftIf(std::wstring& s, Pred pred)
{
    size_t i = 0;
    while (i < s.size() && pred(s[i]))
        ++i;
    s.erase(0, i);
}

std::wstring AnsiToWideString(const char* psz)
{
    if (psz == nullptr || *psz == 0)
        return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    if (n <= 1)
        return std::wstring();
    std::wstring s(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, psz, -1, &s[0], n);
    s.resize(static_cast<size_t>(n - 1));
    return s;
}
} // namespace

CString::CString(const wchar_t* psz) : m_str(psz != nullptr ? psz : L"") {}

CString::CString(const wchar_t* pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(wchar_t ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString::CString(const char* psz) : m_str(AnsiToWideString(psz)) {}

CString& CString::operator=(const wchar_t* psz)
{
    m_str = psz != nullptr ? psz : L"";
    return *this;
}

CString& CString::operator=(const char* psz)
{
    m_str = AnsiToWideString(psz);
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& s)
{
    m_str += s.m_str;
    return *this;
}

CString& CString::operator+=(const wchar_t* psz)
{
    if (psz != nullptr)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_str += ch;
    return *this;
}

wchar_t* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return &m_str[0];
}

wchar_t* CString::GetBufferSetLength(int nLength)
{
    m_str.resize(static_cast<size_t>(std::max(nLength, 0)));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    m_str.resize(std::min(static_cast<size_t>(nNewLength), m_str.size()));
}

int CString::Compare(const wchar_t* psz) const
{
    return wcscmp(m_str.c_str(), psz != nullptr ? psz : L"");
}

int CString::CompareNoCase(const wchar_t* psz) const
{
    return _wcsicmp(m_str.c_str(), psz != nullptr ? psz : L"");
}

int CString::Find(wchar_t ch, int iStart) const
{
    if (iStart < 0 || iStart > GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(iStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* psz, int iStart) const
{
    if (psz == nullptr || iStart < 0 || iStart > GetLength())
        return -1;
    size_t pos = m_str.find(psz, static_cast<size_t>(iStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const wchar_t* pszCharSet) const
{
    if (pszCharSet == nullptr || *pszCharSet == 0)
        return -1;
    size_t pos = m_str.find_first_of(pszCharSet);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength() - std::max(iFirst, 0));
}

CString CString::Mid(int iFirst, int nCount) const
{
    iFirst = std::max(iFirst, 0);
    nCount = std::max(nCount, 0);
    if (iFirst >= GetLength())
        return CString();
    nCount = std::min(nCount, GetLength() - iFirst);
    return CString(m_str.substr(static_cast<size_t>(iFirst), static_cast<size_t>(nCount)));
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::min(std::max(nCount, 0), GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString& CString::MakeUpper()
{
    for (wchar_t& ch : m_str)
        ch = static_cast<wchar_t>(towupper(ch));
    return *this;
}

CString& CString::MakeLower()
{
    for (wchar_t& ch : m_str)
        ch = static_cast<wchar_t>(towlower(ch));
    return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    int n = 0;
    for (wchar_t& ch : m_str)
    {
        if (ch == chOld)
        {
            ch = chNew;
            ++n;
        }
    }
    return n;
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew)
{
    if (pszOld == nullptr || *pszOld == 0)
        return 0;
    const std::wstring from(pszOld);
    const std::wstring to(pszNew != nullptr ? pszNew : L"");
    std::wstring out;
    out.reserve(m_str.size());
    int n = 0;
    size_t pos = 0;
    for (;;)
    {
        size_t hit = m_str.find(from, pos);
        if (hit == std::wstring::npos)
            break;
        out.append(m_str, pos, hit - pos);
        out += to;
        pos = hit + from.size();
        ++n;
    }
    if (n > 0)
    {
        out.append(m_str, pos, std::wstring::npos);
        m_str.swap(out);
    }
    return n;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int iIndex, const wchar_t* psz)
{
    iIndex = std::min(std::max(iIndex, 0), GetLength());
    if (psz != nullptr)
        m_str.insert(static_cast<size_t>(iIndex), psz);
    return GetLength();
}

int CString::Insert(int iIndex, wchar_t ch)
{
    iIndex = std::min(std::max(iIndex, 0), GetLength());
    m_str.insert(static_cast<size_t>(iIndex), 1, ch);
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    if (iIndex >= 0 && iIndex < GetLength() && nCount > 0)
        m_str.erase(static_cast<size_t>(iIndex), static_cast<size_t>(nCount));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t ch)
{
    return TrimRight(ch).TrimLeft(ch);
}

CString& CString::Trim(const wchar_t* pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    TrimLeftIf(m_str, IsSpace);
    return *this;
}

CString& CString::TrimLeft(wchar_t ch)
{
    TrimLeftIf(m_str, [ch](wchar_t c) { return c == ch; });
    return *this;
}

CString& CString::TrimLeft(const wchar_t* pszTargets)
{
    TrimLeftIf(m_str, [pszTargets](wchar_t c) { return IsInSet(c, pszTargets); });
    return *this;
}

CString& CString::TrimRight()
{
    TrimRightIf(m_str, IsSpace);
    return *this;
}

CString& CString::TrimRight(wchar_t ch)
{
    TrimRightIf(m_str, [ch](wchar_t c) { return c == ch; });
    return *this;
}

CString& CString::TrimRight(const wchar_t* pszTargets)
{
    TrimRightIf(m_str, [pszTargets](wchar_t c) { return IsInSet(c, pszTargets); });
    return *this;
}

void CString::FormatV(const wchar_t* pszFormat, va_list args)
{
    m_str.clear();
    if (pszFormat == nullptr)
        return;
    va_list measure;
    va_copy(measure, args);
    int n = _vscwprintf(pszFormat, measure);
    va_end(measure);
    if (n <= 0)
        return;
    std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1, L'\0');
    _vsnwprintf(buffer.data(), buffer.size(), pszFormat, args);
    m_str.assign(buffer.data(), static_cast<size_t>(n));
}

void CString::Format(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const wchar_t* pszFormat, ...)
{
    CString more;
    va_list args;
    va_start(args, pszFormat);
    more.FormatV(pszFormat, args);
    va_end(args);
    m_str += more.m_str;
}

BOOL CString::LoadString(UINT nID)
{
    m_str.clear();
    const wchar_t* text = nullptr;
    // With a buffer size of 0 the call hands back a read-only pointer into the resource itself.
    int n = ::LoadStringW(GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || text == nullptr)
        return FALSE;
    m_str.assign(text, static_cast<size_t>(n));
    return TRUE;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const wchar_t* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const wchar_t* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, wchar_t b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(wchar_t a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const CString& b)
{
    return a.str() == b.str();
}

bool operator==(const CString& a, const wchar_t* b)
{
    return a.Compare(b) == 0;
}

bool operator==(const wchar_t* a, const CString& b)
{
    return b.Compare(a) == 0;
}

bool operator!=(const CString& a, const CString& b)
{
    return !(a == b);
}

bool operator!=(const CString& a, const wchar_t* b)
{
    return !(a == b);
}

bool operator!=(const wchar_t* a, const CString& b)
{
    return !(a == b);
}

bool operator<(const CString& a, const CString& b)
{
    return a.str() < b.str();
}
