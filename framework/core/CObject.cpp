// CObject and CRuntimeClass: run-time class information, dynamic creation and the class registry.
#include "framework/core/CObject.h"

#include <cstring>

namespace
{
// Head of the registry of serialisable classes (filled during static initialisation).
CRuntimeClass*& RegistryHead()
{
    static CRuntimeClass* head = nullptr;
    return head;
}
} // namespace

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};

CRuntimeClass* CObject::GetThisClass()
{
    return &CObject::classCObject;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &CObject::classCObject;
}

void CObject::Serialize(CArchive& /*ar*/) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->GetBaseClass())
    {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* p = RegistryHead(); p != nullptr; p = p->m_pNextClass)
    {
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(const wchar_t* lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    char name[256] = {};
    if (WideCharToMultiByte(CP_ACP, 0, lpszClassName, -1, name, sizeof(name) - 1, nullptr, nullptr) == 0)
        return nullptr;
    return FromName(name);
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    pNewClass->m_pNextClass = RegistryHead();
    RegistryHead() = pNewClass;
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != nullptr && pObject->IsKindOf(pClass) ? pObject : nullptr;
}
