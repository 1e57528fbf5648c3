// CXMLTextWindow: the fallback parser's view of the update file: its text, the read position and the
// 16384-byte window that the tokenizer looks through.
#include "update/XMLTextWindow.h"
#include "engine/TextFile.h"

#include <algorithm>
#include <climits>

namespace
{
// CTextFile's encoding numbers.
const UINT kEncodingAnsi = 1;
const UINT kEncodingUtf8 = 2;

bool IsHighSurrogate(wchar_t ch)
{
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t ch)
{
    return ch >= 0xDC00 && ch <= 0xDFFF;
}
} // namespace

CXMLTextWindow::CXMLTextWindow(CTextFile* pFile)
{
    if (pFile == nullptr)
        return;
    ULONGLONG size = pFile->GetSize();
    wchar_t* pText = nullptr;
    pFile->ReadAll(&pText, size < UINT_MAX - 2 ? static_cast<UINT>(size) : UINT_MAX - 2);
    SetText(pText, pFile->GetTextEncoding());
}

CXMLTextWindow::CXMLTextWindow(const wchar_t* pszText, UINT nEncoding)
{
    SetText(pszText, nEncoding);
}

void CXMLTextWindow::SetText(const wchar_t* pszText, UINT nEncoding)
{
    m_text = pszText != nullptr ? pszText : L"";
    m_nPos = 0;
    m_bUtf16 = nEncoding != kEncodingAnsi && nEncoding != kEncodingUtf8;
    m_byteEnd.clear();
    if (m_bUtf16)
        return;

    // Byte length of each character in the file, so that a window is whole characters within 16384
    // bytes. A surrogate pair is one character of four UTF-8 bytes: both halves end at the same byte.
    CPINFO info = {};
    bool singleByteAnsi = GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
    m_byteEnd.resize(m_text.size());
    UINT end = 0;
    for (size_t i = 0; i < m_text.size(); ++i)
    {
        wchar_t ch = m_text[i];
        if (nEncoding == kEncodingUtf8)
        {
            if (IsHighSurrogate(ch) && i + 1 < m_text.size() && IsLowSurrogate(m_text[i + 1]))
            {
                end += 4;
                m_byteEnd[i++] = end;
            }
            else
                end += ch < 0x80 ? 1 : ch < 0x800 ? 2 : 3;
        }
        else if (singleByteAnsi)
            end += 1;
        else
        {
            int n = WideCharToMultiByte(CP_ACP, 0, &m_text[i], 1, nullptr, 0, nullptr, nullptr);
            end += n > 0 ? static_cast<UINT>(n) : 1;
        }
        m_byteEnd[i] = end;
    }
}

const wchar_t* CXMLTextWindow::GetWindow(int& nLength) const
{
    size_t left = m_text.size() - m_nPos;
    size_t n;
    if (m_bUtf16)
        n = std::min<size_t>(left, kWindowBytes / sizeof(wchar_t));
    else
    {
        UINT start = m_nPos > 0 ? m_byteEnd[m_nPos - 1] : 0;
        auto first = m_byteEnd.begin() + static_cast<ptrdiff_t>(m_nPos);
        auto last = std::upper_bound(first, m_byteEnd.end(), start + kWindowBytes);
        n = static_cast<size_t>(last - first);
    }
    nLength = static_cast<int>(n);
    return m_text.c_str() + m_nPos;
}

void CXMLTextWindow::Consume(int nCount)
{
    if (nCount > 0)
        m_nPos = std::min(m_text.size(), m_nPos + static_cast<size_t>(nCount));
}
