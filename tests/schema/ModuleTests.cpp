#include "AfxTrace.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"
#include "CObject.hpp"
#include "CUISchema.hpp"
#include "VantorUIModule.hpp"

#include <gtest/gtest.h>

TEST(EngineModule, StartsWithTheLibraryAndRegistersItsClasses) {
    CModule * module = VantorUIModule();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->GetKind(), CModule::kindLibrary);
    EXPECT_NE(module->GetFilename().Find("libvantorui.so"), CString::npos);

    CRuntimeClass const * schema = CRuntimeClass::FindClass(CEntity(module, "CUISchema"));
    ASSERT_EQ(schema, CUISchema::AfxStaticClassInfo());
    EXPECT_EQ(schema->GetBaseClass(), CObject::AfxStaticClassInfo());
    EXPECT_EQ(schema->GetConstructFunction(), &CObject::AfxConstruct);
    EXPECT_EQ(schema->GetModule(), module);
}

TEST(EngineModule, EntryPointDetachAndFailedAttach) {
    CModule * module = VantorUIModule();
    ASSERT_NE(module, nullptr);
    HINSTANCE const instance = module->GetInstance();

    EXPECT_EQ(VantorUIDllMain(instance, DLL_THREAD_ATTACH, nullptr), 1);
    EXPECT_EQ(VantorUIModule(), module);

    EXPECT_EQ(VantorUIDllMain(instance, DLL_PROCESS_DETACH, nullptr), 1);
    EXPECT_EQ(VantorUIModule(), nullptr);
    EXPECT_EQ(CModule::FromInstance(instance), nullptr);

    {
        CTraceCapture trace;
        EXPECT_EQ(VantorUIDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0);
        ASSERT_EQ(trace.GetLines().GetCount(), 1u);
        EXPECT_EQ(trace.GetLines()[0], "ERROR: Failed to load VantorUI\n");
        EXPECT_EQ(VantorUIModule(), nullptr);
    }

    ASSERT_EQ(VantorUIDllMain(instance, DLL_PROCESS_ATTACH, nullptr), 1);
    ASSERT_NE(VantorUIModule(), nullptr);
    EXPECT_EQ(CModule::FromInstance(instance), VantorUIModule());
    EXPECT_EQ(CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUISchema")),
              CUISchema::AfxStaticClassInfo());
}
