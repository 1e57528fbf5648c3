// CXML: one element of the update check's XML tree, with its building, search and loading operations.
//
// The tree is filled by Load: through the platform XML DOM (XMLDom.cpp), or, when the DOM cannot
// deliver a tree, by the tolerant fallback parser (XMLParser.cpp, XMLTokenizer.cpp). Callers then ask
// for single elements with GetChildValue.
#pragma once

#include "update/XMLAttribute.h"

class CTextFile;
class CXMLTextWindow;
struct IXMLDOMNode;

class CXML;

// A node's children in document order. Does not delete them: CXML::Clear does.
class CXMLList : public CTypedPtrList<CObList, CXML*>
{
public:
    CXMLList() : CTypedPtrList<CObList, CXML*>(10) {}
};

class CXML : public CObject
{
    DECLARE_SERIAL(CXML)
public:
    // Elements nested deeper than this (the root is level 1) are not built: both loaders skip them,
    // so a hostile update file cannot exhaust the stack; and since the DOM gives every element the
    // text of all its descendants, text deep down is held by no more than this many nodes.
    static constexpr int kMaxDepth = 32;
    // An element keeps at most this many attributes: both loaders read no further, so that a tag with
    // a hostile number of attributes cannot cost quadratic time in their sorted insertion.
    static constexpr int kMaxAttributes = 256;

    CXML() = default;
    ~CXML() override;

    BOOL Load(CTextFile* pFile, const wchar_t* pszStartName);
    // Through the platform DOM; 0 for a text the DOM rejects and for one that declares a document type.
    BOOL LoadFromText(const wchar_t* pszText, const wchar_t* pszStartName);
    // The node (pNode or below) whose qualified name is pszStartName; the caller releases it.
    IXMLDOMNode* FindNode(IXMLDOMNode* pNode, const wchar_t* pszStartName);
    BOOL ImportDomNode(IXMLDOMNode* pNode);

    // Fallback parser.
    BOOL ParseDocument(CTextFile* pFile, const wchar_t* pszStartName);
    // The same over text already taken from a file (ParseDocument reads the file into one).
    BOOL ParseDocument(CXMLTextWindow& file, const wchar_t* pszStartName);
    BOOL ParseRootTag(CXMLString token, CXMLString name);
    void ParseElement(CXMLString token, CXMLTextWindow& file);
    CXMLString ReadToken(CXMLTextWindow& file);
    void AppendTextLines(CString text);

    BOOL GetChildValue(const wchar_t* pszName, CString& strValue, CXML* pStart = nullptr);
    const wchar_t* GetName() const { return m_strName; }
    const wchar_t* GetText() const { return m_strText; }
    void SetName(const wchar_t* pszName) { m_strName = pszName; }
    CXML* GetParent() const { return m_pParent; }
    BOOL HasError() const { return m_dwError != 0; }

    CXML* GetFirstChild();
    CXML* GetNextChild();
    void AddChild(CXML* pChild);
    BOOL SetParent(CXML* pParent);
    void RemoveChild(CXML* pChild);
    void AddAttribute(const wchar_t* pszName, const wchar_t* pszValue);
    CAttributeList& GetAttributes() { return m_Attributes; }
    void Clear();

    static CString DecodeEntities(CString text);
    void AppendText(CString text);

    // Storing: the name, the text, the attribute list, the child list; loading reads them back.
    void Serialize(CArchive& ar) override;

private:
    IXMLDOMNode* FindNodeAt(IXMLDOMNode* pNode, const wchar_t* pszStartName, int nDepth);
    BOOL ImportDomNodeAt(IXMLDOMNode* pNode, int nDepth);
    void ParseElementAt(CXMLString token, CXMLTextWindow& file, int nDepth);
    void SkipElement(CXMLString token, CXMLTextWindow& file);

    CXMLList m_Children;
    CXMLString m_strName;
    CXML* m_pParent = nullptr; // back link only: the parent's list owns this node
    CXMLString m_strText;
    CXMLString m_strSpare; // nothing reads it
    DWORD m_dwError = 0;   // 1 once the fallback parser ran out of text while reading for this node
    CAttributeList m_Attributes;
    void* m_pSpare = nullptr; // nothing reads it
    POSITION m_posChild = nullptr;
    WCHAR m_chDoubleQuote = L'"';
    WCHAR m_chSingleQuote = L'\'';
};
