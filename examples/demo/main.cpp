// The main program: loads the example device library and prints the UI schema of each of
// its item classes, from their schema lists and from the example CSV schema file.

#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CFilename.hpp"
#include "CMetaItem.hpp"
#include "CModule.hpp"
#include "CUISchema.hpp"
#include "VantorUIModule.hpp"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void PrintSchema(CUISchema const & schema, CTraceCapture const & trace) {
    for (UINT i = 0; i < schema.GetCount(); ++i) {
        CUIData const & record = schema.GetAt(i);
        CUIDataOrigin const & origin = schema.GetOriginAt(i);
        std::printf("  %-10s label \"%s\", alternate \"%s\", class %s, format \"%s\", tip \"%s\"\n"
                    "  %-10s from %s, language %u\n",
                    record.m_tag.GetString(), record.m_label.GetString(),
                    record.m_labelAlt.GetString(), record.m_class->GetClassNameA(),
                    record.m_format.GetString(), record.m_tip.GetString(), "",
                    origin.m_source.GetString(), origin.m_language);
    }
    if (schema.GetCount() == 0)
        std::printf("  (no records)\n");
    for (CString const & line : trace.GetLines())
        std::printf("  note: %s", line.GetString());
}

int PrintModule(CModule const * module) {
    CArray<CRuntimeClass const *> classes;
    CRuntimeClass::GetClasses(module, classes);
    int items = 0;
    for (CRuntimeClass const * cls : classes) {
        std::unique_ptr<CObject> object(cls->NewObject(CMetaItem::AfxStaticClassInfo()));
        if (!object)
            continue;
        ++items;
        std::printf("Class %s, thread language %u\n", cls->GetClassNameA(), GetThreadLocale());
        CTraceCapture trace;
        CUISchema schema(static_cast<CItem *>(object.get()));
        PrintSchema(schema, trace);
    }
    return items;
}

void PrintFile(char const * name) {
    CMetaItem blank;
    CTraceCapture trace;
    CUISchema schema(&blank);
    std::printf("Schema file %s.csv, thread language %u\n", name, GetThreadLocale());
    if (!schema.LoadFromFile(name)) {
        std::printf("  (cannot be read)\n");
        return;
    }
    PrintSchema(schema, trace);
}

} // namespace

int main(int argc, char ** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            SetThreadLocale(AfxLocaleFromName(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: %s [--lang de|en|es|fr|it]\n", argv[0]);
            return 2;
        }
    }
    CModule const * engine = VantorUIModule();
    if (!engine) {
        std::fprintf(stderr, "The engine library did not start.\n");
        return 1;
    }
    CString const library = CFilename(engine->GetFilename()).GetDirectory() + "libvantorexample.so";
    CString error;
    CModule const * device = CModule::LoadLibrary(library, error);
    if (!device) {
        std::fprintf(stderr, "Cannot load the example device: %s\n", error.GetString());
        return 1;
    }
    if (PrintModule(device) == 0) {
        std::fprintf(stderr, "The example device library has no item classes.\n");
        return 1;
    }
    PrintFile("ExampleDevice");
    return 0;
}
