// Archiving of the XML tree: attributes, attribute and child lists, and nodes by run-time class.
#include "update/XML.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CAttribute, CObject, 0)

void CAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strName << m_strValue;
    else
        ar >> m_strName >> m_strValue;
}

CAttributeList::~CAttributeList()
{
    while (!IsEmpty())
        delete RemoveTail();
}

void CXML::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_strName << m_strText;
        m_Attributes.Serialize(ar);
        m_Children.Serialize(ar);
        return;
    }
    // Loading replaces the node's content rather than mixing it with what was there.
    Clear();
    ar >> m_strName >> m_strText;
    m_Attributes.Serialize(ar);
    m_Children.Serialize(ar);
    // A stored null entry would end every walk early and a loaded child must know its parent, or
    // deleting it would leave a dangling entry here: drop nulls, link the rest.
    for (POSITION pos = m_Children.GetHeadPosition(); pos != nullptr;)
    {
        POSITION here = pos;
        CXML* pChild = m_Children.GetNext(pos);
        if (pChild == nullptr)
            m_Children.RemoveAt(here);
        else
            pChild->m_pParent = this;
    }
    for (POSITION pos = m_Attributes.GetHeadPosition(); pos != nullptr;)
    {
        POSITION here = pos;
        if (m_Attributes.GetNext(pos) == nullptr)
            m_Attributes.RemoveAt(here);
    }
}
