#include "CUserException.hpp"

AFX_IMPLEMENT_CLASS(CUserException, CException, &CObject::AfxConstruct)
