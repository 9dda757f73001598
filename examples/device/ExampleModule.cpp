#include "ExampleModule.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

// The example device library's module object, through which its classes find their
// schema lists, page scripts and texts.
AFX_DEFINE_MODULE(CModule::kindLibrary)

CModule const * ExampleModule() {
    return afxThisModule_;
}
