// CXML tree operations: the child walk, linking children, sorted attributes, clearing, and the search.
#include "update/XML.h"

IMPLEMENT_SERIAL(CXML, CObject, 0)

CXML::~CXML()
{
    if (m_pParent != nullptr)
        m_pParent->RemoveChild(this);
    Clear();
}

CXML* CXML::GetFirstChild()
{
    m_posChild = m_Children.GetHeadPosition();
    return m_posChild != nullptr ? m_Children.GetAt(m_posChild) : nullptr;
}

CXML* CXML::GetNextChild()
{
    if (m_posChild == nullptr)
        return nullptr;
    m_Children.GetNext(m_posChild);
    return m_posChild != nullptr ? m_Children.GetAt(m_posChild) : nullptr;
}

void CXML::AddChild(CXML* pChild)
{
    if (pChild == nullptr)
        return;
    if (pChild->m_strName.IsEmpty())
        pChild->m_strName = L"Unknown";
    m_Children.AddTail(pChild);
    pChild->SetParent(this);
}

BOOL CXML::SetParent(CXML* pParent)
{
    if (m_pParent != nullptr)
        m_pParent->RemoveChild(this);
    m_pParent = pParent;
    return TRUE;
}

void CXML::RemoveChild(CXML* pChild)
{
    m_posChild = m_Children.GetHeadPosition();
    while (m_posChild != nullptr)
    {
        POSITION pos = m_posChild;
        if (m_Children.GetNext(m_posChild) == pChild)
        {
            m_Children.RemoveAt(pos);
            pChild->m_pParent = nullptr;
            break;
        }
    }
    m_posChild = nullptr;
}

void CXML::AddAttribute(const wchar_t* pszName, const wchar_t* pszValue)
{
    CAttribute* pNew = new CAttribute(pszName, pszValue);
    if (m_Attributes.IsEmpty())
    {
        m_Attributes.AddHead(pNew);
        return;
    }
    for (POSITION pos = m_Attributes.GetHeadPosition(); pos != nullptr;)
    {
        POSITION here = pos;
        CAttribute* pOld = m_Attributes.GetNext(pos);
        int order = pOld->m_strName.Compare(pNew->m_strName);
        if (order == 0)
        {
            pOld->m_strValue = pNew->m_strValue;
            delete pNew;
            return;
        }
        if (order > 0)
        {
            m_Attributes.InsertBefore(here, pNew);
            return;
        }
    }
    m_Attributes.AddTail(pNew);
}

void CXML::Clear()
{
    while (!m_Attributes.IsEmpty())
        delete m_Attributes.RemoveTail();
    while (!m_Children.IsEmpty())
    {
        CXML* pChild = m_Children.RemoveTail();
        pChild->m_pParent = nullptr; // already out of the list: its destructor must not look for itself
        delete pChild;
    }
    m_posChild = nullptr;
    m_strText.Empty();
}

BOOL CXML::GetChildValue(const wchar_t* pszName, CString& strValue, CXML* pStart)
{
    if (pszName == nullptr)
    {
        strValue.Empty();
        return FALSE;
    }
    if (pStart != nullptr)
    {
        if (pStart->m_strName == pszName)
        {
            strValue = pStart->m_strText;
            return TRUE;
        }
    }
    else
    {
        strValue.Empty();
        pStart = this;
    }
    // A local position, so that a search never disturbs a caller's child walk.
    for (POSITION pos = pStart->m_Children.GetHeadPosition(); pos != nullptr;)
    {
        CXML* pChild = pStart->m_Children.GetNext(pos);
        if (pChild->m_strName == pszName)
        {
            strValue = pChild->m_strText;
            return TRUE;
        }
        if (GetChildValue(pszName, strValue, pChild))
            return TRUE;
    }
    return FALSE;
}
