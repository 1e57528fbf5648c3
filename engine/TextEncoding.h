// Encoding detection, path kinds and the code-page conversions under CTextFile.
#pragma once

#include <windows.h>

// Text encodings; the numbers are part of the interface (callers and files pass them around).
enum : UINT
{
    TEXT_ENCODING_NONE = 0,       // nothing read yet, or an empty file
    TEXT_ENCODING_ANSI = 1,       // the system's ANSI code page, no byte-order mark
    TEXT_ENCODING_UTF8 = 2,       // EF BB BF
    TEXT_ENCODING_UTF16LE = 3,    // FF FE
    TEXT_ENCODING_UTF16BE = 4,    // FE FF
    TEXT_ENCODING_UTF16LE_RAW = 5 // UTF-16 little-endian without byte-order mark
};

// The encoding of a file from its first bytes: a byte-order mark, else a zero byte means UTF-16LE,
// else ANSI. Length 0 gives TEXT_ENCODING_NONE. (A file found ANSI may still turn out to be UTF-8 once
// its whole content is known: IsMultiByteUtf8.)
UINT DetectTextEncoding(const BYTE* pBytes, UINT nLength);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF,
// no sequence cut off) and hold at least one multi-byte sequence: text without a byte-order mark that
// only UTF-8 explains. Plain ASCII gives false; it reads the same either way.
bool IsMultiByteUtf8(const BYTE* pBytes, size_t nLength);

// 0: null, empty or not existing; 1: a folder; 2: anything else.
int GetPathKind(const wchar_t* pszPath);

// WideCharToMultiByte / MultiByteToWideChar with flags 0. With a null destination or a destination
// length of 0 they return the size the whole conversion needs; otherwise the size written (0 on failure,
// also when the destination is too small). Sizes are in bytes for narrow text, in units for wide text.
int WideToUtf8(const wchar_t* pSrc, int nSrcUnits, char* pDst, int nDstBytes);
int WideToAnsi(const wchar_t* pSrc, int nSrcUnits, char* pDst, int nDstBytes);
int Utf8ToWide(const char* pSrc, int nSrcBytes, wchar_t* pDst, int nDstUnits);
int AnsiToWide(const char* pSrc, int nSrcBytes, wchar_t* pDst, int nDstUnits);
