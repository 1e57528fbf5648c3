// CXML character data: the five entities, and how runs of text enter a node's text.
#include "update/XML.h"

CString CXML::DecodeEntities(CString text)
{
    // The order is part of the format: "&amp;" goes first, so "&amp;lt;" comes out as "<".
    text.Replace(L"&amp;", L"&");
    text.Replace(L"&lt;", L"<");
    text.Replace(L"&gt;", L">");
    text.Replace(L"&apos;", L"'");
    text.Replace(L"&quot;", L"\"");
    return text;
}

void CXML::AppendText(CString text)
{
    int n = text.GetLength();
    if (n == 0)
        return;
    if (n <= 2)
    {
        // A lone line break (or one with one more character) is markup layout, not content.
        if (text[0] != L'\n' && text[0] != L'\r')
            m_strText += text;
        return;
    }
    if (text[0] != L'\r' && text[1] != L'\n')
    {
        m_strText += text;
        return;
    }
    // The run begins with a line break left over from the markup: CR, CR LF, or LF after one blank.
    // Drop that line break; content in front of a line break stays ("a\nb" is kept whole).
    if (text[0] == L'\r')
        text.Delete(0, text[1] == L'\n' ? 2 : 1);
    else if (text[0] <= L' ')
        text.Delete(0, 2);
    m_strText += text;
}
