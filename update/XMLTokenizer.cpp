// The fallback parser's tokenizer: character data goes to the node being read, tags come back as tokens.
#include "update/XML.h"
#include "update/XMLTextWindow.h"

CXMLString CXML::ReadToken(CXMLTextWindow& file)
{
    const wchar_t* w;
    int n;

    // Text phase: in character data only the double quote is a quote character. Outside a quoted span,
    // a quote that is the first character of a window is ordinary text. Each scan stops at the first
    // character that decides the step, so the work stays proportional to the text consumed.
    bool bInSpan = false;
    for (;;)
    {
        w = file.GetWindow(n);
        if (n == 0)
        {
            m_dwError = 1;
            return CXMLString();
        }
        if (bInSpan)
        {
            int q = 0;
            while (q < n && w[q] != m_chDoubleQuote)
                ++q;
            if (q < n)
            {
                AppendText(CString(w, q + 1));
                file.Consume(q + 1);
                bInSpan = false;
            }
            else
            {
                AppendText(CString(w, n));
                file.Consume(n);
            }
            continue;
        }
        int i = 0;
        while (i < n && w[i] != L'<' && !(i > 0 && w[i] == m_chDoubleQuote))
            ++i;
        if (i < n && w[i] == L'<')
        {
            if (i == 0)
            {
                file.Consume(1);
                break;
            }
            if (i == 1 && w[0] <= L' ')
            {
                file.Consume(2);
                break;
            }
            AppendTextLines(CString(w, i));
            file.Consume(i);
            continue;
        }
        if (i < n)
        {
            // A quote before any '<': a quoted span begins, in which '<' is ordinary text.
            AppendText(CString(w, i + 1));
            file.Consume(i + 1);
            bInSpan = true;
            continue;
        }
        if (w[0] == L'\n')
            AppendText(CString(w + 1, n - 1));
        else
            AppendText(CString(w, n));
        file.Consume(n);
    }

    // Tag phase: both quote characters open a value; an apostrophe-quoted value comes out between
    // double quotes, and a '>' inside a value does not end the tag.
    CXMLString token(L"<");
    wchar_t chValueQuote = 0;
    for (;;)
    {
        w = file.GetWindow(n);
        if (n == 0)
        {
            m_dwError = 1;
            return token;
        }
        if (chValueQuote != 0)
        {
            int q = 0;
            while (q < n && w[q] != chValueQuote)
                ++q;
            if (q < n)
            {
                token += CString(w, q);
                token += m_chDoubleQuote;
                file.Consume(q + 1);
                chValueQuote = 0;
            }
            else
            {
                token += CString(w, n);
                file.Consume(n);
            }
            continue;
        }
        int i = 0;
        while (i < n && w[i] != L'>' && !(i > 0 && (w[i] == m_chDoubleQuote || w[i] == m_chSingleQuote)))
            ++i;
        if (i < n && w[i] == L'>')
        {
            token += CString(w, i + 1);
            file.Consume(i + 1);
            return token;
        }
        if (i < n)
        {
            chValueQuote = w[i];
            token += CString(w, i);
            token += m_chDoubleQuote;
            file.Consume(i + 1);
            continue;
        }
        token += CString(w, n);
        file.Consume(n);
    }
}

void CXML::AppendTextLines(CString text)
{
    int n = text.GetLength();
    if (n == 0)
        return;
    int lastLf = text.ReverseFind(L'\n');
    for (int i = lastLf + 1; i < n; ++i)
    {
        if (text[i] > L' ')
        {
            m_strText += text;
            return;
        }
    }
    // Blank after the last line break: that line break and the indentation behind it are layout.
    if (lastLf > 0)
        AppendText(text.Left(lastLf));
}
