#pragma once

#include "AfxMalloc.hpp"
#include "AfxTypes.hpp"
#include "CRuntimeClass.hpp"
#include "haldencore_export.h"

// Root of the framework's classes. Objects are allocated through AfxMalloc, and each class
// answers its run-time class record (see CRuntimeClass.hpp for the registration macros).
class HALDENCORE_EXPORT CObject {
public:
    static CRuntimeClass m_afxClass;
    static CRuntimeClass const * AfxStaticClassInfo() { return &m_afxClass; }
    static CObject * AfxConstruct(void * p);

    virtual CRuntimeClass const * AfxObjectClassInfo() const { return &m_afxClass; }
    virtual ~CObject() = default;
    virtual void AssertValid() const {}

    // True when the object's class is the given class or derives from it.
    BOOL IsKindOf(CRuntimeClass const * cls) const;

    static void * operator new(std::size_t size) { return AfxMalloc(size); }
    static void * operator new[](std::size_t size) { return AfxMalloc(size); }
    static void * operator new(std::size_t, void * place) noexcept { return place; }
    static void operator delete(void * block) { AfxFree(block); }
    static void operator delete[](void * block) { AfxFree(block); }
    static void operator delete(void *, void *) noexcept {}

protected:
    CObject() = default;
    CObject(CObject const &) = default;
    CObject & operator=(CObject const &) = default;
};
