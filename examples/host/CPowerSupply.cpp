// CPowerSupply.cpp
#include "CPowerSupply.hpp"

#include <vantorui/AfxModuleOf.hpp>
#include <vantorui/CModule.hpp>

AFX_IMPLEMENT_DYNCREATE(CPowerSupply, CUIItem)

// once per library
AFX_DEFINE_MODULE(CModule::kindLibrary)
