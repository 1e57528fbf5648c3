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

bool IsMultiByteUtf8(const BYTE* pBytes, size_t nLength)
{
    if (pBytes == nullptr)
        return false;
    bool bMultiByte = false;
    size_t i = 0;
    while (i < nLength)
    {
        BYTE b = pBytes[i];
        if (b < 0x80)
        {
            ++i;
            continue;
        }
        // The lead byte gives the length and the range of the first continuation byte, which is where
        // overlong forms, surrogates and values above U+10FFFF are refused.
        size_t nTrail = 0;
        BYTE lo = 0x80;
        BYTE hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF)
            nTrail = 1;
        else if (b >= 0xE0 && b <= 0xEF)
        {
            nTrail = 2;
            lo = b == 0xE0 ? 0xA0 : 0x80;
            hi = b == 0xED ? 0x9F : 0xBF;
        }
        else if (b >= 0xF0 && b <= 0xF4)
        {
            nTrail = 3;
            lo = b == 0xF0 ? 0x90 : 0x80;
            hi = b == 0xF4 ? 0x8F : 0xBF;
        }
        else
            return false;
        if (nLength - i <= nTrail)
            return false;
        if (pBytes[i + 1] < lo || pBytes[i + 1] > hi)
            return false;
        for (size_t t = 2; t <= nTrail; ++t)
        {
            if (pBytes[i + t] < 0x80 || pBytes[i + t] > 0xBF)
                return false;
        }
        bMultiByte = true;
        i += nTrail + 1;
    }
    return bMultiByte;
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
