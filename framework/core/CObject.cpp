#include "CObject.hpp"

static char const afxAnchor_CObject = 0;
CRuntimeClass CObject::m_afxClass("CObject", sizeof(CObject), nullptr, &CObject::AfxConstruct,
                                  CGuid(), &afxAnchor_CObject);

CObject * CObject::AfxConstruct(void * p) {
    return new (p) CObject;
}

BOOL CObject::IsKindOf(CRuntimeClass const * cls) const {
    return AfxObjectClassInfo()->IsDerivedFrom(cls);
}
