// CString: the class library's wide string, a value type over std::wstring.
#pragma once

#include <windows.h>
#include <string>

class CString
{
public:
    CString() = default;
    CString(const wchar_t* psz);
    CString(const wchar_t* pch, int nLength);
    CString(wchar_t ch, int nRepeat = 1);
    // Narrow text is taken in the system's ANSI code page.
    CString(const char* psz);
    CString(const std::wstring& s) : m_str(s) {}

    CString& operator=(const wchar_t* psz);
    CString& operator=(const char* psz);
    CString& operator=(wchar_t ch);

    CString& operator+=(const CString& s);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(wchar_t ch);

    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int i) const { return m_str[static_cast<size_t>(i)]; }
    wchar_t operator[](int i) const { return GetAt(i); }
    void SetAt(int i, wchar_t ch) { m_str[static_cast<size_t>(i)] = ch; }

    // A writable buffer of at least nMinLength characters plus the terminator; ReleaseBuffer sets the
    // length (to the first NUL when nNewLength is -1).
    wchar_t* GetBuffer(int nMinLength = 0);
    wchar_t* GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);

    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;

    int Find(wchar_t ch, int iStart = 0) const;
    int Find(const wchar_t* psz, int iStart = 0) const;
    int FindOneOf(const wchar_t* pszCharSet) const;
    int ReverseFind(wchar_t ch) const;

    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    CString& MakeUpper();
    CString& MakeLower();
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    int Remove(wchar_t ch);
    int Insert(int iIndex, const wchar_t* psz);
    int Insert(int iIndex, wchar_t ch);
    int Delete(int iIndex, int nCount = 1);

    // Trimming: white space (iswspace) by default, else one character or any character of a set.
    CString& Trim();
    CString& Trim(wchar_t ch);
    CString& Trim(const wchar_t* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimLeft(const wchar_t* pszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& TrimRight(const wchar_t* pszTargets);

    // printf-style formatting with the Windows runtime's rules (%s is a wide string).
    void Format(const wchar_t* pszFormat, ...);
    void AppendFormat(const wchar_t* pszFormat, ...);
    void FormatV(const wchar_t* pszFormat, va_list args);

    // Loads a string resource of the running module; FALSE (and empty) when there is none.
    BOOL LoadString(UINT nID);

private:
    std::wstring m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const wchar_t* b);
bool operator==(const wchar_t* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const wchar_t* b);
bool operator!=(const wchar_t* a, const CString& b);
bool operator<(const CString& a, const CString& b);
