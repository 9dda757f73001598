#include "CException.hpp"

AFX_IMPLEMENT_CLASS(CException, CObject, &CObject::AfxConstruct)
