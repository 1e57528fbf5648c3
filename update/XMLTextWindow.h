// CXMLTextWindow: the fallback parser's view of the update file: its text, the read position and the
// 16384-byte window that the tokenizer looks through.
#pragma once

#include "framework/core/CString.h"

#include <vector>

class CTextFile;

class CXMLTextWindow
{
public:
    static constexpr UINT kWindowBytes = 16384;

    // Takes the file's whole text from its current position (the parser rewinds it first), decoded by
    // the file's encoding; a byte-order mark there arrives as U+FEFF.
    explicit CXMLTextWindow(CTextFile* pFile);
    // Text as if decoded from a file in the given encoding (CTextFile's numbers: 1 ANSI, 2 UTF-8, 3, 4
    // and 5 UTF-16); the encoding decides how many characters 16384 bytes hold.
    CXMLTextWindow(const wchar_t* pszText, UINT nEncoding);

    // The window at the read position: the characters that the next 16384 bytes of the file decode
    // to, never cutting a character in two. Length 0 means the text has ended.
    const wchar_t* GetWindow(int& nLength) const;
    // Moves the read position past nCount characters of the current window.
    void Consume(int nCount);

private:
    void SetText(const wchar_t* pszText, UINT nEncoding);

    std::wstring m_text; // up to the first NUL, which ends the text as an empty window would
    size_t m_nPos = 0;
    bool m_bUtf16 = true;
    // For 8-bit encodings: m_byteEnd[i] is the byte offset just behind character i.
    std::vector<UINT> m_byteEnd;
};
