// The fallback XML parser: finds the root element and builds the tree from the tokenizer's tags.
#include "update/XML.h"
#include "update/XMLTextWindow.h"

#include <cwctype>
#include <vector>

namespace
{
// The element name of a start-tag token (text after '<' up to the first space, or up to the last
// character without a '/' right before it), and whether the tag closes itself ("<a/>", "<a x=""/>").
CXMLString ElementName(const CXMLString& token, bool& bEmpty)
{
    int len = token.GetLength();
    bEmpty = len >= 2 && token[len - 2] == L'/';
    int sp = token.Find(L' ');
    if (sp >= 0)
        return token.Mid(1, sp - 1);
    if (len < 3)
        return CXMLString();
    return token.Mid(1, bEmpty ? len - 3 : len - 2);
}

bool IsMarkupDeclaration(const CXMLString& token)
{
    return token.GetLength() >= 2 && (token[1] == L'!' || token[1] == L'?');
}
} // namespace

BOOL CXML::ParseDocument(CXMLTextWindow& file, const wchar_t* pszStartName)
{
    CXMLString name(pszStartName != nullptr ? pszStartName : L"");
    m_strName = name;
    CXMLString t = ReadToken(file);
    while (IsMarkupDeclaration(t))
        t = ReadToken(file);
    while (m_dwError == 0)
    {
        if (ParseRootTag(t, name))
            break;
        t = ReadToken(file);
    }
    m_strText.Empty(); // character data before the root (a byte-order mark, stray text) is dropped
    if (m_dwError != 0)
        return FALSE;
    ParseElement(t, file);
    m_strText = DecodeEntities(m_strText);
    return TRUE;
}

BOOL CXML::ParseRootTag(CXMLString token, CXMLString name)
{
    if (token.IsEmpty() || token[0] != L'<')
        return FALSE;
    if (name.IsEmpty())
        return TRUE;
    CXMLString tag;
    int sp = token.Find(L' ');
    if (sp >= 0)
        tag = token.Mid(1, sp - 1);
    else
    {
        int len = token.GetLength();
        if (token[len - 1] != L'>')
            return FALSE;
        tag = token.Mid(1, len - 2);
        if (!tag.IsEmpty() && tag[tag.GetLength() - 1] == L'/')
            tag = tag.Left(tag.GetLength() - 1);
    }
    return tag == name;
}

void CXML::ParseElement(CXMLString token, CXMLTextWindow& file)
{
    ParseElementAt(token, file, 1);
}

void CXML::ParseElementAt(CXMLString token, CXMLTextWindow& file, int nDepth)
{
    Clear();
    if (token.IsEmpty())
        token = L" ";
    if (token[0] != L'<')
        return;

    bool bEmpty = false;
    m_strName = ElementName(token, bEmpty);
    int len = token.GetLength();
    token.SetAt(len - 1, L' ');
    if (bEmpty)
        token.SetAt(len - 2, L' ');

    // The scan walks the attribute text by offsets and remembers the '=' it found, so that a long tag
    // costs time in proportion to its length; it ends after kMaxAttributes attributes.
    CXMLString attributes = token.Mid(1 + m_strName.GetLength());
    attributes.Trim();
    const int nLength = attributes.GetLength();
    int nStart = 0;
    int eq = -1;
    for (int nRead = 0; nRead < kMaxAttributes && nLength - nStart >= 2; ++nRead)
    {
        if (eq < nStart)
            eq = attributes.Find(L'=', nStart);
        if (eq <= nStart)
            break;
        CXMLString attrName = attributes.Mid(nStart, eq - nStart);
        attrName.Trim();
        int q1 = attributes.Find(m_chDoubleQuote, nStart);
        int q2 = q1 >= 0 ? attributes.Find(m_chDoubleQuote, q1 + 1) : -1;
        if (q2 < 0)
        {
            AddAttribute(attrName, L"");
            break;
        }
        CXMLString value = attributes.Mid(q1 + 1, q2 - q1 - 1);
        nStart = q2 + 1;
        while (nStart < nLength && iswspace(attributes[nStart]))
            ++nStart;
        AddAttribute(attrName, value);
    }
    if (bEmpty)
        return;

    CXMLString endTag = L"</" + m_strName + L">";
    CXMLString t = ReadToken(file);
    while (t != endTag && m_dwError == 0)
    {
        if (!IsMarkupDeclaration(t))
        {
            if (nDepth >= kMaxDepth)
                SkipElement(t, file);
            else
            {
                CXML* pChild = new CXML;
                pChild->ParseElementAt(t, file, nDepth + 1);
                if (pChild->m_strName.IsEmpty())
                    delete pChild;
                else
                    AddChild(pChild);
            }
        }
        t = ReadToken(file);
    }
    int n = m_strText.GetLength();
    if (n > 0 && m_strText[n - 1] == L'\n')
        m_strText.SetAt(n - 1, L' ');
}

// Reads past one element too deep to build, with the same end-tag rules as ParseElement but without
// recursion: the end tags still awaited are kept on a heap stack, and the text read is thrown away.
void CXML::SkipElement(CXMLString token, CXMLTextWindow& file)
{
    std::vector<CXMLString> awaited;
    auto enter = [&awaited](const CXMLString& t)
    {
        if (t.IsEmpty() || t[0] != L'<')
            return;
        bool bEmpty = false;
        CXMLString name = ElementName(t, bEmpty);
        if (!bEmpty)
            awaited.push_back(L"</" + name + L">");
    };
    enter(token);
    CXML scratch;
    while (!awaited.empty())
    {
        CXMLString t = scratch.ReadToken(file);
        scratch.m_strText.Empty();
        if (scratch.m_dwError != 0)
            return; // the text has ended; the caller's next read finds that out for itself
        if (t == awaited.back())
            awaited.pop_back();
        else if (!IsMarkupDeclaration(t))
            enter(t);
    }
}
