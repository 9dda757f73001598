#pragma once

#include "AfxTypes.hpp"
#include "CArray.hpp"
#include "CGuid.hpp"
#include "haldencore_export.h"

class CObject;
class CModule;
class CEntity;

// Constructs a default-constructed object of a class in place at p and returns it.
using AfxConstructFunction = CObject * (*)(void * p);

// The run-time record of a class: its name, object size, base record, construct function,
// GUID and the module that registered it. A record registers itself when it is constructed
// (as static initialisation of its module) and withdraws when destroyed (at unload), so a
// class can be found by name while its module is loaded.
class HALDENCORE_EXPORT CRuntimeClass {
public:
    // `anchor` is an address inside the registering module (the registration macros pass
    // one with internal linkage); the record itself may live elsewhere, since a program
    // that uses a library's record can hold the record's storage.
    CRuntimeClass(char const * name, UINT size, CRuntimeClass const * base,
                  AfxConstructFunction construct, CGuid const & guid, void const * anchor);
    ~CRuntimeClass();
    CRuntimeClass(CRuntimeClass const &) = delete;
    CRuntimeClass & operator=(CRuntimeClass const &) = delete;

    char const * GetClassNameA() const { return m_name; }
    UINT GetObjectSize() const { return m_size; }
    CRuntimeClass const * GetBaseClass() const { return m_base; }
    AfxConstructFunction GetConstructFunction() const { return m_construct; }
    CGuid const & GetGuid() const { return m_guid; }
    // The instance handle of the module that registered the record.
    HINSTANCE GetInstance() const { return m_instance; }
    // The module object of that module; null while it has none.
    CModule * GetModule() const;

    // True when this class is the given class or derives from it.
    BOOL IsDerivedFrom(CRuntimeClass const * base) const;

    // Creates an object with this record's construct function, only when this class derives
    // from `required` (a null `required` accepts any class); null otherwise.
    CObject * NewObject(CRuntimeClass const * required) const;

    // The record registered under the entity's name by the entity's module; null when that
    // module registered no class of that name. Names compare with regard to case.
    static CRuntimeClass const * FindClass(CEntity const & entity);

    // Every record that a module registered, ordered by name; returns the count.
    static UINT GetClasses(CModule const * module, CArray<CRuntimeClass const *> & classes);

private:
    char const * m_name;
    UINT m_size;
    CRuntimeClass const * m_base;
    AfxConstructFunction m_construct;
    CGuid m_guid;
    HINSTANCE m_instance;
};

// Registration of a class. In the class body:
//     AFX_DECLARE_CLASS(CMyItem)           every registered class
//     AFX_DECLARE_CONSTRUCT(CMyItem)       classes that can be created by name
// In one source file of the module that defines the class:
//     AFX_IMPLEMENT_CLASS(CMyItem, CBase, &CBase::AfxConstruct)   no construct function of its own
//     AFX_IMPLEMENT_DYNCREATE(CMyItem, CBase)                     its own construct function
#define AFX_DECLARE_CLASS(cls)                                                                     \
public:                                                                                            \
    static CRuntimeClass m_afxClass;                                                               \
    static CRuntimeClass const * AfxStaticClassInfo() {                                            \
        return &m_afxClass;                                                                        \
    }                                                                                              \
    CRuntimeClass const * AfxObjectClassInfo() const override {                                    \
        return &m_afxClass;                                                                        \
    }

#define AFX_DECLARE_CONSTRUCT(cls) static CObject * AfxConstruct(void * p);

#define AFX_IMPLEMENT_CLASS(cls, base, construct)                                                  \
    static char const afxAnchor_##cls = 0;                                                         \
    CRuntimeClass cls::m_afxClass(#cls, sizeof(cls), &base::m_afxClass, construct, CGuid(),        \
                                  &afxAnchor_##cls);

#define AFX_IMPLEMENT_DYNCREATE(cls, base)                                                         \
    CObject * cls::AfxConstruct(void * p) {                                                        \
        return new (p) cls;                                                                        \
    }                                                                                              \
    AFX_IMPLEMENT_CLASS(cls, base, &cls::AfxConstruct)
