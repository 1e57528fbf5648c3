// CAttribute and CAttributeList: one attribute of an XML element, and a node's owning list of them.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTypedPtrList.h"

// Every name, text and value of the XML tree.
typedef CString CXMLString;

class CAttribute : public CObject
{
    DECLARE_SERIAL(CAttribute)
public:
    CAttribute() = default;
    CAttribute(const wchar_t* name, const wchar_t* value) : m_strName(name), m_strValue(value) {}

    // Storing: the name, then the value; loading reads them in the same order.
    void Serialize(CArchive& ar) override;

    CXMLString m_strName;
    CXMLString m_strValue;
};

// Owns its attributes: whatever is still in the list when it dies is deleted, tail first.
class CAttributeList : public CTypedPtrList<CObList, CAttribute*>
{
public:
    CAttributeList() : CTypedPtrList<CObList, CAttribute*>(10) {}
    ~CAttributeList() override;
};
