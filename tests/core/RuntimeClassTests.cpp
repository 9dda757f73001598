#include "AfxModuleOf.hpp"
#include "CEntity.hpp"
#include "CFilename.hpp"
#include "CModule.hpp"
#include "TestShapes.hpp"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <memory>

// The test program's own module object, so that classes of the program can be told apart
// from those of the test library.
AFX_DEFINE_MODULE(CModule::kindProgram)

namespace {

class CLocalThing : public CObject {
    AFX_DECLARE_CLASS(CLocalThing)
    AFX_DECLARE_CONSTRUCT(CLocalThing)
};

AFX_IMPLEMENT_DYNCREATE(CLocalThing, CObject)

CModule * ProgramModule() {
    return afxThisModule_;
}

} // namespace

TEST(RuntimeClass, RecordsNameSizeBaseAndModule) {
    CRuntimeClass const * square = CTestSquare::AfxStaticClassInfo();
    EXPECT_STREQ(square->GetClassNameA(), "CTestSquare");
    EXPECT_EQ(square->GetObjectSize(), sizeof(CTestSquare));
    EXPECT_EQ(square->GetBaseClass(), CTestShape::AfxStaticClassInfo());
    EXPECT_EQ(CTestShape::AfxStaticClassInfo()->GetBaseClass(), CObject::AfxStaticClassInfo());
    EXPECT_TRUE(square->GetGuid().IsNull());
    EXPECT_EQ(square->GetModule(), TestShapesModule());
    EXPECT_EQ(CLocalThing::AfxStaticClassInfo()->GetModule(), ProgramModule());
    EXPECT_NE(TestShapesModule(), ProgramModule());
}

TEST(RuntimeClass, FindClassLooksOnlyInTheNamedModule) {
    struct Case {
        CModule const * module;
        char const * name;
        CRuntimeClass const * expected;
    } const cases[] = {
        {TestShapesModule(), "CTestSquare", CTestSquare::AfxStaticClassInfo()},
        {TestShapesModule(), "CTestCircle", CTestCircle::AfxStaticClassInfo()},
        {TestShapesModule(), "ctestsquare", nullptr},
        {TestShapesModule(), "CLocalThing", nullptr},
        {ProgramModule(), "CLocalThing", CLocalThing::AfxStaticClassInfo()},
        {ProgramModule(), "CTestSquare", nullptr},
        {nullptr, "CTestSquare", nullptr},
        {TestShapesModule(), "", nullptr},
    };
    for (Case const & c : cases)
        EXPECT_EQ(CRuntimeClass::FindClass(CEntity(c.module, c.name)), c.expected) << c.name;
    EXPECT_EQ(CRuntimeClass::FindClass(CEntity(TestShapesModule(), 5u)), nullptr);
}

TEST(RuntimeClass, NewObjectOnlyForTheRequiredFamily) {
    CRuntimeClass const * square = CTestSquare::AfxStaticClassInfo();
    std::unique_ptr<CObject> object(square->NewObject(CTestShape::AfxStaticClassInfo()));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(CTestShape::AfxStaticClassInfo()));
    EXPECT_TRUE(object->IsKindOf(CObject::AfxStaticClassInfo()));
    EXPECT_FALSE(object->IsKindOf(CTestCircle::AfxStaticClassInfo()));
    EXPECT_EQ(object->AfxObjectClassInfo(), square);
    EXPECT_EQ(static_cast<CTestShape *>(object.get())->Corners(), 4);

    EXPECT_EQ(square->NewObject(CLocalThing::AfxStaticClassInfo()), nullptr);
    std::unique_ptr<CObject> any(square->NewObject(nullptr));
    EXPECT_NE(any, nullptr);
}

TEST(RuntimeClass, BorrowedConstructFunctionMakesTheBaseObject) {
    // A class without a default constructor names its base's construct function: creating
    // it by name gives an object of the base class.
    std::unique_ptr<CObject> object(
        CTestCircle::AfxStaticClassInfo()->NewObject(CTestShape::AfxStaticClassInfo()));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->AfxObjectClassInfo(), CTestShape::AfxStaticClassInfo());
    EXPECT_EQ(static_cast<CTestShape *>(object.get())->Corners(), -1);
}

TEST(RuntimeClass, GetClassesListsAModulesRecordsByName) {
    CArray<CRuntimeClass const *> classes;
    ASSERT_EQ(CRuntimeClass::GetClasses(TestShapesModule(), classes), 3u);
    EXPECT_STREQ(classes[0]->GetClassNameA(), "CTestCircle");
    EXPECT_STREQ(classes[1]->GetClassNameA(), "CTestShape");
    EXPECT_STREQ(classes[2]->GetClassNameA(), "CTestSquare");
    EXPECT_EQ(CRuntimeClass::GetClasses(nullptr, classes), 0u);
}

TEST(Module, KnowsItsRealFile) {
    CFilename file = TestShapesModule()->GetFilename();
    EXPECT_EQ(file.GetName(), "libcoretestshapes.so");
    EXPECT_EQ(file.GetString()[0], '/');
    EXPECT_EQ(CModule::FromInstance(TestShapesModule()->GetInstance()), TestShapesModule());
    EXPECT_EQ(TestShapesModule()->GetKind(), CModule::kindLibrary);
}

TEST(Module, InitLibRefusesBadOrTakenHandles) {
    CModule stray(CModule::kindLibrary);
    EXPECT_FALSE(stray.InitLib(nullptr));
    EXPECT_FALSE(stray.InitLib(TestShapesModule()->GetInstance()));
    int local = 0;
    EXPECT_FALSE(stray.InitLib(&local));
    EXPECT_EQ(CModule::FromInstance(TestShapesModule()->GetInstance()), TestShapesModule());
}

TEST(Module, LoadingAndUnloadingALibrary) {
    CString const path =
        CFilename(TestShapesModule()->GetFilename()).GetDirectory() + "libcoretestplugin.so";
    CString error;
    CModule * plugin = CModule::LoadLibrary(path, error);
    ASSERT_NE(plugin, nullptr) << error.GetString();
    HINSTANCE const instance = plugin->GetInstance();
    CRuntimeClass const * thing = CRuntimeClass::FindClass(CEntity(plugin, "CTestPluginThing"));
    ASSERT_NE(thing, nullptr);
    EXPECT_EQ(thing->GetModule(), plugin);

    void * handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    dlclose(handle);
    dlclose(handle);
    EXPECT_EQ(CModule::FromInstance(instance), nullptr);

    EXPECT_EQ(CModule::LoadLibrary("/nonexistent/libnothing.so", error), nullptr);
    EXPECT_FALSE(error.IsEmpty());
}
