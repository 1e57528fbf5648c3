// CObject and CRuntimeClass: run-time class information, dynamic creation and the class registry.
//
//   DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC      run-time class (IsKindOf, DYNAMIC_DOWNCAST)
//   DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE  ... plus creation by class (document templates)
//   DECLARE_SERIAL / IMPLEMENT_SERIAL        ... plus a schema and an entry in the class registry,
//                                            so an archive can re-create objects by class name
#pragma once

#include <windows.h>

class CObject;
class CArchive;

struct CRuntimeClass
{
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass; // class registry link

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass != nullptr ? m_pfnGetBaseClass() : nullptr; }

    // The registered class of that name, or null.
    static CRuntimeClass* FromName(const char* lpszClassName);
    static CRuntimeClass* FromName(const wchar_t* lpszClassName);
};

// Enters a class into the class registry during static initialisation.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass* GetThisClass();
    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())
#define DYNAMIC_DOWNCAST(class_name, object)                                                               \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

#define DECLARE_DYNAMIC(class_name)                                                                        \
public:                                                                                                    \
    static CRuntimeClass class##class_name;                                                                \
    static CRuntimeClass* GetThisClass();                                                                  \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                      \
    DECLARE_DYNAMIC(class_name)                                                                            \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                           \
    CRuntimeClass class_name::class##class_name = {#class_name,     sizeof(class_name),                    \
                                                   wSchema,         pfnNew,                                \
                                                   &base_class_name::GetThisClass, nullptr};               \
    CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; }                   \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                     \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                   \
    CObject* class_name::CreateObject() { return new class_name; }                                         \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                             \
    CObject* class_name::CreateObject() { return new class_name; }                                         \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, &class_name::CreateObject)            \
    static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));
