#pragma once
// CObject and its run-time class records. A serialisable class registers its record by
// name, so that an archive can create the object again from the class name it stored.
#include "framework/core/Types.h"

class CArchive;
class CObject;

struct CRuntimeClass
{
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                    // 0xFFFF for classes that cannot be stored
    CObject* (*m_pfnCreateObject)();   // null for abstract or non-creatable classes
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBase) const;

    // The registry of serialisable classes.
    static const CRuntimeClass* FromName(const char* pszClassName);
    static void Register(const CRuntimeClass* pClass);
};

// Registers a class record during static initialisation.
struct CClassRegistrar
{
    explicit CClassRegistrar(const CRuntimeClass* pClass) { CRuntimeClass::Register(pClass); }
};

class CObject
{
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* pClass) const;
    bool IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                   \
public:                                                               \
    static const CRuntimeClass class##class_name;                     \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                 \
    DECLARE_DYNAMIC(class_name)                                       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                    \
    DECLARE_DYNCREATE(class_name)                                     \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, wSchema, pfnNew)              \
    const CRuntimeClass class_name::class##class_name = {                                  \
        #class_name, static_cast<int>(sizeof(class_name)), wSchema, pfnNew,                \
        RUNTIME_CLASS(base_class_name)};                                                   \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                   \
    CObject* class_name::CreateObject() { return new class_name; }                         \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                             \
    CObject* class_name::CreateObject() { return new class_name; }                         \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const CClassRegistrar s_registrar##class_name(RUNTIME_CLASS(class_name));       \
    [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb)                  \
    {                                                                                      \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));          \
        return ar;                                                                         \
    }

// The object when it is of the class (or derives from it), else null.
inline CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject)
{
    return pObject && pObject->IsKindOf(pClass) ? pObject : nullptr;
}
#define DYNAMIC_DOWNCAST(class_name, object) \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
