// CTextFile: reads a whole text file in any of its encodings as UTF-16, writes text with a byte-order mark.
#include "engine/TextFile.h"
#include "framework/window/MessageBox.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <io.h>
#include <sys/stat.h>

CTextFile::~CTextFile()
{
    Close();
    free(m_pReadBuffer);
}

bool CTextFile::Open(const wchar_t* pszPath, UINT nMode, bool bQuiet)
{
    Close();
    if (pszPath == nullptr || pszPath[0] == L'\0')
        return false;

    bool bWrite = nMode == TEXT_MODE_WRITE || nMode == TEXT_MODE_APPEND;
    ULONGLONG nSize = 0;
    if (!bWrite)
    {
        // A missing file is no error to the user (no configuration yet, no update file).
        if (GetPathKind(pszPath) == 0)
            return false;
        nSize = GetFileSize(pszPath);
    }

    const wchar_t* pszOpen = nMode == TEXT_MODE_WRITE ? L"wb" : nMode == TEXT_MODE_APPEND ? L"ab+" : L"rb";
    FILE* pFile = nullptr;
    if (_wfopen_s(&pFile, pszPath, pszOpen) != 0 || pFile == nullptr)
    {
        if (bQuiet)
            return false;
        CString strMessage;
        strMessage.Format(L"The file \"%s\" cannot be opened.", pszPath);
        AfxMessageBox(strMessage, MB_OK);
        return false;
    }

    m_pFile = pFile;
    m_strPath = pszPath;
    m_nOpenMode = nMode;
    m_nFileSize = nSize;

    if (nMode == TEXT_MODE_READ_UTF16)
    {
        m_nTextEncoding = TEXT_ENCODING_UTF16LE_RAW;
    }
    else if (!bWrite)
    {
        BYTE head[12] = {};
        size_t nRead = fread(head, 1, sizeof(head), m_pFile);
        m_nTextEncoding = DetectTextEncoding(head, static_cast<UINT>(nRead));
    }

    if (!bWrite)
        fseek(m_pFile, static_cast<long>(GetBOMLength(m_nTextEncoding)), SEEK_SET);
    else if (nMode == TEXT_MODE_WRITE)
        fseek(m_pFile, 0, SEEK_SET);
    return true;
}

bool CTextFile::Close()
{
    if (m_pFile == nullptr)
        return true;
    bool bOk = fclose(m_pFile) == 0;
    m_pFile = nullptr;
    return bOk;
}

namespace
{
// A NUL character is no end of the text: it is dropped, so that what lies behind it is kept (and written
// again by the next save). Returns the units left.
size_t SkipNuls(wchar_t* pText, size_t nUnits)
{
    size_t nKept = 0;
    for (size_t i = 0; i < nUnits; ++i)
    {
        if (pText[i] != L'\0')
            pText[nKept++] = pText[i];
    }
    return nKept;
}
} // namespace

UINT CTextFile::ReadAll(wchar_t** ppText, UINT nBytes)
{
    free(m_pReadBuffer);
    m_pReadBuffer = nullptr;
    m_nReadSize = 0;
    if (ppText != nullptr)
        *ppText = nullptr;
    if (m_pFile == nullptr || ppText == nullptr)
        return 0;

    // Two spare bytes keep every text zero-terminated, whatever the encoding.
    size_t nBuffer = static_cast<size_t>(nBytes) + 2;
    BYTE* pBytes = static_cast<BYTE*>(calloc(nBuffer, 1));
    if (pBytes == nullptr)
        return 0;
    size_t k = fread(pBytes, 1, nBytes, m_pFile);

    // Without a byte-order mark only the whole content tells UTF-8 from ANSI; from here on the file is
    // taken as what its text was read as.
    if (m_nTextEncoding == TEXT_ENCODING_ANSI && IsMultiByteUtf8(pBytes, k))
        m_nTextEncoding = TEXT_ENCODING_UTF8;

    size_t nUnits = 0;
    if (m_nTextEncoding == TEXT_ENCODING_ANSI || m_nTextEncoding == TEXT_ENCODING_UTF8)
    {
        // One byte never yields more than one UTF-16 unit (a four-byte UTF-8 sequence yields two), so
        // k + 1 units hold any conversion and its terminator.
        wchar_t* pWide = static_cast<wchar_t*>(calloc(k + 1, sizeof(wchar_t)));
        if (pWide == nullptr)
        {
            free(pBytes);
            return 0;
        }
        if (k > 0 && k <= static_cast<size_t>(INT_MAX))
        {
            const char* pSrc = reinterpret_cast<const char*>(pBytes);
            int nDone = m_nTextEncoding == TEXT_ENCODING_UTF8
                            ? Utf8ToWide(pSrc, static_cast<int>(k), pWide, static_cast<int>(k + 1))
                            : AnsiToWide(pSrc, static_cast<int>(k), pWide, static_cast<int>(k + 1));
            nUnits = nDone > 0 ? static_cast<size_t>(nDone) : 0;
        }
        free(pBytes);
        m_pReadBuffer = pWide;
        m_nReadSize = 2 * static_cast<ULONGLONG>(k) + 2;
    }
    else
    {
        // Whole characters only: an odd last byte is half of one and is dropped, so the terminator
        // (unit k / 2, bytes up to k + 1) always lies inside the buffer of nBytes + 2 bytes.
        nUnits = k / 2;
        if (m_nTextEncoding == TEXT_ENCODING_UTF16BE)
            SwapBytes(pBytes, nUnits);
        m_pReadBuffer = reinterpret_cast<wchar_t*>(pBytes);
        m_nReadSize = nBytes;
    }
    m_pReadBuffer[SkipNuls(m_pReadBuffer, nUnits)] = L'\0';
    *ppText = m_pReadBuffer;
    return static_cast<UINT>(m_nReadSize);
}

void CTextFile::SetEncoding(UINT nEncoding)
{
    if (m_nOpenMode == TEXT_MODE_WRITE)
        m_nTextEncoding = nEncoding;
}

bool CTextFile::WriteBOM(UINT nEncoding)
{
    if (m_pFile == nullptr || m_nOpenMode != TEXT_MODE_WRITE)
        return false;
    m_nFileEncoding = nEncoding;
    static const BYTE utf8[] = {0xEF, 0xBB, 0xBF};
    static const BYTE utf16le[] = {0xFF, 0xFE};
    static const BYTE utf16be[] = {0xFE, 0xFF};
    switch (nEncoding)
    {
    case TEXT_ENCODING_UTF8:
        return WriteBytes(utf8, sizeof(utf8));
    case TEXT_ENCODING_UTF16LE:
        return WriteBytes(utf16le, sizeof(utf16le));
    case TEXT_ENCODING_UTF16BE:
        return WriteBytes(utf16be, sizeof(utf16be));
    default:
        return true;
    }
}

bool CTextFile::WriteText(const void* pText, ULONGLONG nBytes)
{
    if (m_pFile == nullptr || (m_nOpenMode != TEXT_MODE_WRITE && m_nOpenMode != TEXT_MODE_APPEND) ||
        pText == nullptr || nBytes == 0 || nBytes > SIZE_MAX / 2)
        return false;

    UINT F = m_nFileEncoding;
    UINT T = m_nTextEncoding;
    bool bWideText = T == TEXT_ENCODING_UTF16LE || T == TEXT_ENCODING_UTF16BE;
    bool bNarrowText = T == TEXT_ENCODING_ANSI || T == TEXT_ENCODING_UTF8;

    if ((F == TEXT_ENCODING_ANSI || F == TEXT_ENCODING_UTF8) && bWideText)
        return WriteWideAsNarrow(pText, nBytes);
    if ((F == TEXT_ENCODING_UTF16LE || F == TEXT_ENCODING_UTF16BE) && bNarrowText)
        return WriteNarrowAsWide(pText, nBytes);
    if ((F == TEXT_ENCODING_UTF16LE && T == TEXT_ENCODING_UTF16BE) ||
        (F == TEXT_ENCODING_UTF16BE && T == TEXT_ENCODING_UTF16LE))
    {
        size_t n = static_cast<size_t>(nBytes);
        BYTE* pCopy = static_cast<BYTE*>(malloc(n));
        if (pCopy == nullptr)
            return false;
        memcpy(pCopy, pText, n);
        SwapBytes(pCopy, n / 2);
        bool bOk = WriteBytes(pCopy, n);
        free(pCopy);
        return bOk;
    }
    return WriteBytes(pText, static_cast<size_t>(nBytes));
}

// UTF-16 text (either byte order) into ANSI or UTF-8, sized for the whole conversion: a character
// beyond ASCII may need up to three bytes per unit, so the output is measured first, never cut.
bool CTextFile::WriteWideAsNarrow(const void* pText, ULONGLONG nBytes)
{
    size_t nUnits = static_cast<size_t>(nBytes / 2);
    if (nUnits == 0)
        return true;
    if (nUnits > static_cast<size_t>(INT_MAX))
        return false;
    const wchar_t* pSrc = static_cast<const wchar_t*>(pText);
    wchar_t* pSwapped = nullptr;
    if (m_nTextEncoding == TEXT_ENCODING_UTF16BE)
    {
        pSwapped = static_cast<wchar_t*>(malloc(nUnits * sizeof(wchar_t)));
        if (pSwapped == nullptr)
            return false;
        memcpy(pSwapped, pText, nUnits * sizeof(wchar_t));
        SwapBytes(pSwapped, nUnits);
        pSrc = pSwapped;
    }
    bool bUtf8 = m_nFileEncoding == TEXT_ENCODING_UTF8;
    int nSrc = static_cast<int>(nUnits);
    int nNeed = bUtf8 ? WideToUtf8(pSrc, nSrc, nullptr, 0) : WideToAnsi(pSrc, nSrc, nullptr, 0);
    bool bOk = false;
    char* pOut = nNeed > 0 ? static_cast<char*>(malloc(static_cast<size_t>(nNeed))) : nullptr;
    if (pOut != nullptr)
    {
        int nDone = bUtf8 ? WideToUtf8(pSrc, nSrc, pOut, nNeed) : WideToAnsi(pSrc, nSrc, pOut, nNeed);
        bOk = nDone > 0 && WriteBytes(pOut, static_cast<size_t>(nDone));
    }
    free(pOut);
    free(pSwapped);
    return bOk;
}

// ANSI or UTF-8 bytes into UTF-16 (either byte order): exactly the units the conversion produces.
bool CTextFile::WriteNarrowAsWide(const void* pText, ULONGLONG nBytes)
{
    if (nBytes > static_cast<ULONGLONG>(INT_MAX))
        return false;
    const char* pSrc = static_cast<const char*>(pText);
    int nSrc = static_cast<int>(nBytes);
    bool bUtf8 = m_nTextEncoding == TEXT_ENCODING_UTF8;
    int nNeed = bUtf8 ? Utf8ToWide(pSrc, nSrc, nullptr, 0) : AnsiToWide(pSrc, nSrc, nullptr, 0);
    if (nNeed <= 0)
        return false;
    wchar_t* pOut = static_cast<wchar_t*>(malloc(static_cast<size_t>(nNeed) * sizeof(wchar_t)));
    if (pOut == nullptr)
        return false;
    int nDone = bUtf8 ? Utf8ToWide(pSrc, nSrc, pOut, nNeed) : AnsiToWide(pSrc, nSrc, pOut, nNeed);
    bool bOk = false;
    if (nDone > 0)
    {
        if (m_nFileEncoding == TEXT_ENCODING_UTF16BE)
            SwapBytes(pOut, static_cast<size_t>(nDone));
        bOk = WriteBytes(pOut, static_cast<size_t>(nDone) * sizeof(wchar_t));
    }
    free(pOut);
    return bOk;
}

bool CTextFile::WriteString(const wchar_t* pszText)
{
    if (pszText == nullptr)
        return false;
    return WriteText(pszText, 2 * static_cast<ULONGLONG>(wcslen(pszText)));
}

bool CTextFile::WriteBytes(const void* pBytes, size_t nBytes)
{
    return fwrite(pBytes, 1, nBytes, m_pFile) == nBytes;
}

bool CTextFile::Commit()
{
    if (m_pFile == nullptr)
        return false;
    if (fflush(m_pFile) != 0)
        return false;
    return _commit(_fileno(m_pFile)) == 0;
}

LONGLONG CTextFile::GetPosition() const
{
    if (m_pFile == nullptr)
        return 0;
    fpos_t pos = 0;
    if (fgetpos(m_pFile, &pos) != 0)
        return 0;
    return static_cast<LONGLONG>(pos);
}

LONGLONG CTextFile::Seek(LONG nOffset, int nOrigin)
{
    if (m_pFile == nullptr)
        return 0;
    fseek(m_pFile, nOffset, nOrigin);
    return GetPosition();
}

void CTextFile::SeekToBegin()
{
    if (m_pFile != nullptr)
        fseek(m_pFile, 0, SEEK_SET);
}

UINT CTextFile::GetBOMLength(UINT nEncoding)
{
    switch (nEncoding)
    {
    case TEXT_ENCODING_UTF8:
        return 3;
    case TEXT_ENCODING_UTF16LE:
    case TEXT_ENCODING_UTF16BE:
        return 2;
    default:
        return 0;
    }
}

void CTextFile::SwapBytes(void* pBuffer, size_t nUnits)
{
    BYTE* p = static_cast<BYTE*>(pBuffer);
    for (size_t i = 0; i < nUnits; ++i, p += 2)
    {
        BYTE b = p[0];
        p[0] = p[1];
        p[1] = b;
    }
}

ULONGLONG CTextFile::GetFileSize(const wchar_t* pszPath)
{
    if (pszPath == nullptr)
        return 0;
    struct _stat st = {};
    if (_wstat(pszPath, &st) != 0 || st.st_size < 0)
        return 0;
    return static_cast<ULONGLONG>(st.st_size);
}
