#include "AfxModuleOf.hpp"
#include "CModule.hpp"

// The example device library's module object, through which its classes find their
// schema lists.
AFX_DEFINE_MODULE(CModule::kindLibrary)
