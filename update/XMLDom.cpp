// Loading through the platform XML DOM (msxml's DOMDocument): parse the text, copy the element tree.
#include "update/XML.h"

#include <ole2.h>
#include <msxml2.h>

#include <cwchar>

namespace
{
// MinGW ships no import library entries for these two, so they are spelled out here.
const CLSID kClsidDOMDocument = {
    0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
const IID kIidIXMLDOMDocument2 = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// Owns one COM reference; released on every path out of the scope.
template <class T>
class ComRef
{
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    T** operator&() // for out-parameters: drops what it held first
    {
        Reset();
        return &m_p;
    }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    void Attach(T* p)
    {
        Reset();
        m_p = p;
    }
    void Reset()
    {
        if (m_p != nullptr)
            m_p->Release();
        m_p = nullptr;
    }

private:
    T* m_p = nullptr;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
};

// Owns one BSTR.
class Bstr
{
public:
    Bstr() = default;
    explicit Bstr(const wchar_t* psz) : m_b(SysAllocString(psz)) {}
    ~Bstr() { SysFreeString(m_b); }
    BSTR* operator&()
    {
        SysFreeString(m_b);
        m_b = nullptr;
        return &m_b;
    }
    BSTR Get() const { return m_b; }
    // A null BSTR is the empty string.
    CString Str() const
    {
        return m_b != nullptr ? CString(m_b, static_cast<int>(SysStringLen(m_b))) : CString();
    }

private:
    BSTR m_b = nullptr;
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
};

// The position just behind the first pszEnd from p on; null when there is none.
const wchar_t* SkipPast(const wchar_t* p, const wchar_t* pszEnd)
{
    const wchar_t* pEnd = wcsstr(p, pszEnd);
    return pEnd != nullptr ? pEnd + wcslen(pszEnd) : nullptr;
}

// Whether the text declares a document type: any "<!" that opens neither a comment nor a CDATA section
// (outside a document type, markup declarations are errors anyway). Comments, CDATA sections and
// processing instructions are passed over whole, so text that only speaks of one does not count. One
// pass over the text.
bool DeclaresDocumentType(const wchar_t* pszText)
{
    for (const wchar_t* p = wcschr(pszText, L'<'); p != nullptr; p = wcschr(p, L'<'))
    {
        if (wcsncmp(p, L"<!--", 4) == 0)
            p = SkipPast(p + 4, L"-->");
        else if (wcsncmp(p, L"<![CDATA[", 9) == 0)
            p = SkipPast(p + 9, L"]]>");
        else if (p[1] == L'?')
            p = SkipPast(p + 2, L"?>");
        else if (p[1] == L'!')
            return true;
        else
            ++p;
        if (p == nullptr)
            return false;
    }
    return false;
}

// The next sibling of pNode, or null (also when the call fails).
IXMLDOMNode* NextSibling(IXMLDOMNode* pNode)
{
    IXMLDOMNode* pNext = nullptr;
    if (FAILED(pNode->get_nextSibling(&pNext)))
        return nullptr;
    return pNext;
}
} // namespace

BOOL CXML::LoadFromText(const wchar_t* pszText, const wchar_t* pszStartName)
{
    // The text comes from the network. A document type could define internal entities: one long entity
    // referenced many times turns a file of a few hundred kilobytes into gigabytes of text while the DOM
    // builds and reads the tree, on the user-interface thread. An update description needs no document
    // type, so such a text is not handed to the DOM; the fallback parser, which expands no entities,
    // reads it instead.
    if (pszText != nullptr && DeclaresDocumentType(pszText))
        return FALSE;

    ComRef<IXMLDOMDocument2> doc;
    if (FAILED(CoCreateInstance(kClsidDOMDocument, nullptr, CLSCTX_INPROC_SERVER, kIidIXMLDOMDocument2,
                                reinterpret_cast<void**>(&doc))) ||
        doc.Get() == nullptr)
        return FALSE;

    // The DOM resolves nothing outside the text (external entities would have it read local files or
    // fetch other addresses); where it honours ProhibitDTD (Wine's ignores it), it refuses a document
    // type itself as well.
    doc->put_resolveExternals(VARIANT_FALSE);
    VARIANT prohibit;
    VariantInit(&prohibit);
    prohibit.vt = VT_BOOL;
    prohibit.boolVal = VARIANT_TRUE;
    Bstr prohibitDTD(L"ProhibitDTD");
    if (prohibitDTD.Get() != nullptr)
        doc->setProperty(prohibitDTD.Get(), prohibit);

    Bstr text(pszText != nullptr ? pszText : L"");
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (text.Get() == nullptr || FAILED(doc->loadXML(text.Get(), &loaded)) || loaded == VARIANT_FALSE)
        return FALSE;

    ComRef<IXMLDOMElement> root;
    if (FAILED(doc->get_documentElement(&root)))
        root.Reset();
    Clear();
    if (pszStartName == nullptr || *pszStartName == 0)
        return ImportDomNode(root.Get());
    ComRef<IXMLDOMNode> start;
    start.Attach(FindNode(root.Get(), pszStartName));
    return start.Get() != nullptr ? ImportDomNode(start.Get()) : FALSE;
}

IXMLDOMNode* CXML::FindNode(IXMLDOMNode* pNode, const wchar_t* pszStartName)
{
    return FindNodeAt(pNode, pszStartName, 1);
}

// Depth-first over nodes of every type, by their qualified node name; the result carries a reference
// for the caller. Levels below kMaxDepth are not searched (they would not be imported either).
IXMLDOMNode* CXML::FindNodeAt(IXMLDOMNode* pNode, const wchar_t* pszStartName, int nDepth)
{
    if (pNode == nullptr || pszStartName == nullptr)
        return nullptr;
    Bstr name;
    if (SUCCEEDED(pNode->get_nodeName(&name)) && name.Str() == pszStartName)
    {
        pNode->AddRef();
        return pNode;
    }
    if (nDepth >= kMaxDepth)
        return nullptr;
    ComRef<IXMLDOMNode> child;
    if (FAILED(pNode->get_firstChild(&child)))
        return nullptr;
    while (child.Get() != nullptr)
    {
        IXMLDOMNode* pHit = FindNodeAt(child.Get(), pszStartName, nDepth + 1);
        if (pHit != nullptr)
            return pHit;
        child.Attach(NextSibling(child.Get()));
    }
    return nullptr;
}

BOOL CXML::ImportDomNode(IXMLDOMNode* pNode)
{
    return ImportDomNodeAt(pNode, 1);
}

BOOL CXML::ImportDomNodeAt(IXMLDOMNode* pNode, int nDepth)
{
    if (pNode == nullptr)
        return FALSE;
    Bstr baseName;
    if (SUCCEEDED(pNode->get_baseName(&baseName)))
        m_strName = baseName.Str();

    Bstr text;
    if (SUCCEEDED(pNode->get_text(&text)))
    {
        CString s = text.Str();
        if (!s.IsEmpty())
        {
            s.Replace(L"\n \n", L"\n");
            s.Replace(L"\n\n", L"\n");
            AppendText(DecodeEntities(s));
        }
    }

    ComRef<IXMLDOMNamedNodeMap> attributes;
    long count = 0;
    if (SUCCEEDED(pNode->get_attributes(&attributes)) && attributes.Get() != nullptr &&
        SUCCEEDED(attributes->get_length(&count)))
    {
        for (long i = 0; i < count && i < kMaxAttributes; ++i)
        {
            ComRef<IXMLDOMNode> attribute;
            Bstr attrName, attrText;
            if (FAILED(attributes->get_item(i, &attribute)) || attribute.Get() == nullptr)
                break;
            if (FAILED(attribute->get_baseName(&attrName)) || FAILED(attribute->get_text(&attrText)))
                break;
            AddAttribute(attrName.Str(), DecodeEntities(attrText.Str()));
        }
    }

    // Elements below kMaxDepth are not built; their text already reached this node through get_text.
    if (nDepth >= kMaxDepth)
        return TRUE;
    ComRef<IXMLDOMNode> child;
    if (FAILED(pNode->get_firstChild(&child)))
        return TRUE;
    while (child.Get() != nullptr)
    {
        DOMNodeType type = NODE_INVALID;
        if (SUCCEEDED(child->get_nodeType(&type)) && type == NODE_ELEMENT)
        {
            CXML* pChild = new CXML;
            pChild->SetName(L"MsxmlAdd");
            AddChild(pChild);
            pChild->ImportDomNodeAt(child.Get(), nDepth + 1);
        }
        child.Attach(NextSibling(child.Get()));
    }
    return TRUE;
}
