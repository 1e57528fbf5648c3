// Encoding detection, path kinds and the code-page conversions under CTextFile.
#include "engine/TextEncoding.h"

UINT DetectTextEncoding(const BYTE* pBytes, UINT nLength)
{
    if (pBytes == nullptr || nLength == 0)
        return TEXT_ENCODING_NONE;
    BYTE b0 = pBytes[0];
    BYTE b1 = nLength > 1 ? pBytes[1] : 0;
    // Two bytes decide: EF BB counts as UTF-8 whatever the third byte is.
    if (b0 == 0xEF && b1 == 0xBB)
        return TEXT_ENCODING_UTF8;
    if (b0 == 0xFF && b1 == 0xFE)
        return TEXT_ENCODING_UTF16LE;
    if (b0 == 0xFE && b1 == 0xFF)
        return TEXT_ENCODING_UTF16BE;
    for (UINT i = 0; i < nLength; ++i)
    {
        if (pBytes[i] == 0)
            return TEXT_ENCODING_UTF16LE_RAW;
    }
    return TEXT_ENCODING_ANSI;
}

int GetPathKind(const wchar_t* pszPath)
{
    if (pszPath == nullptr || pszPath[0] == L'\0')
        return 0;
    DWORD attributes = GetFileAttributesW(pszPath);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 0;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? 1 : 2;
}

namespace
{
int ToNarrow(UINT codePage, const wchar_t* pSrc, int nSrcUnits, char* pDst, int nDstBytes)
{
    if (pSrc == nullptr || nSrcUnits <= 0)
        return 0;
    if (pDst == nullptr || nDstBytes <= 0)
        return WideCharToMultiByte(codePage, 0, pSrc, nSrcUnits, nullptr, 0, nullptr, nullptr);
    return WideCharToMultiByte(codePage, 0, pSrc, nSrcUnits, pDst, nDstBytes, nullptr, nullptr);
}

int ToWide(UINT codePage, const char* pSrc, int nSrcBytes, wchar_t* pDst, int nDstUnits)
{
    if (pSrc == nullptr || nSrcBytes <= 0)
        return 0;
    if (pDst == nullptr || nDstUnits <= 0)
        return MultiByteToWideChar(codePage, 0, pSrc, nSrcBytes, nullptr, 0);
    return MultiByteToWideChar(codePage, 0, pSrc, nSrcBytes, pDst, nDstUnits);
}
} // namespace

int WideToUtf8(const wchar_t* pSrc, int nSrcUnits, char* pDst, int nDstBytes)
{
    return ToNarrow(CP_UTF8, pSrc, nSrcUnits, pDst, nDstBytes);
}

int WideToAnsi(const wchar_t* pSrc, int nSrcUnits, char* pDst, int nDstBytes)
{
    return ToNarrow(CP_ACP, pSrc, nSrcUnits, pDst, nDstBytes);
}

int Utf8ToWide(const char* pSrc, int nSrcBytes, wchar_t* pDst, int nDstUnits)
{
    return ToWide(CP_UTF8, pSrc, nSrcBytes, pDst, nDstUnits);
}

int AnsiToWide(const char* pSrc, int nSrcBytes, wchar_t* pDst, int nDstUnits)
{
    return ToWide(CP_ACP, pSrc, nSrcBytes, pDst, nDstUnits);
}
