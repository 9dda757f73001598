#include "CObject.hpp"

CRuntimeClass CObject::m_afxClass("CObject", sizeof(CObject), nullptr, &CObject::AfxConstruct);

CObject * CObject::AfxConstruct(void * p) {
    return new (p) CObject;
}

BOOL CObject::IsKindOf(CRuntimeClass const * cls) const {
    return AfxObjectClassInfo()->IsDerivedFrom(cls);
}
