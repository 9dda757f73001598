#include "CResourceException.hpp"

#include "CPrintf.hpp"

AFX_IMPLEMENT_CLASS(CResourceException, CException, &CObject::AfxConstruct)

CResourceException::CResourceException(char const * name, UINT id)
    : CException(name && *name ? CPrintf("Resource %s not available", name)
                               : CPrintf("Resource %u not available", id)),
      m_name(name), m_id(id) {}

void ThrowResourceException(char const * name, UINT id) {
    throw CResourceException(name, id);
}
