// Test helpers for the XML tree: a compact dump of a tree, and the fallback parser over a text.
#include "tests/update/XMLTestSupport.h"
#include "update/XMLTextWindow.h"

#include <algorithm>

namespace
{
std::wstring Escaped(const wchar_t* s)
{
    std::wstring out;
    for (; *s != 0; ++s)
    {
        if (*s == L'\n')
            out += L"\\n";
        else if (*s == L'\r')
            out += L"\\r";
        else if (*s == L'\t')
            out += L"\\t";
        else
            out += *s;
    }
    return out;
}
} // namespace

std::wstring DumpTree(CXML& node)
{
    std::wstring out = Escaped(node.GetName());
    CAttributeList& attributes = node.GetAttributes();
    if (!attributes.IsEmpty())
    {
        out += L"[";
        for (POSITION pos = attributes.GetHeadPosition(); pos != nullptr;)
        {
            CAttribute* a = attributes.GetNext(pos);
            out += Escaped(a->m_strName) + L"=" + Escaped(a->m_strValue);
            if (pos != nullptr)
                out += L",";
        }
        out += L"]";
    }
    if (*node.GetText() != 0)
        out += L"{" + Escaped(node.GetText()) + L"}";
    CXML* child = node.GetFirstChild();
    if (child != nullptr)
    {
        out += L"(";
        for (bool first = true; child != nullptr; child = node.GetNextChild(), first = false)
            out += (first ? L"" : L" ") + DumpTree(*child);
        out += L")";
    }
    return out;
}

BOOL ParseFallback(CXML& node, const wchar_t* text, const wchar_t* startName, UINT encoding)
{
    CXMLTextWindow window(text, encoding);
    return node.ParseDocument(window, startName);
}

int TreeDepth(CXML& node)
{
    int deepest = 0;
    for (CXML* child = node.GetFirstChild(); child != nullptr; child = node.GetNextChild())
        deepest = std::max(deepest, TreeDepth(*child));
    return deepest + 1;
}
