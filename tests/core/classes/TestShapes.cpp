#include "TestShapes.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

AFX_IMPLEMENT_DYNCREATE(CTestShape, CObject)
AFX_IMPLEMENT_DYNCREATE(CTestSquare, CTestShape)
AFX_IMPLEMENT_CLASS(CTestCircle, CTestShape, &CTestShape::AfxConstruct)

CModule * TestShapesModule() {
    return afxThisModule_;
}
