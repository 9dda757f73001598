#include "AfxLocale.hpp"
#include "AfxModuleOf.hpp"
#include "AfxTrace.hpp"
#include "CMetaItem.hpp"
#include "CModule.hpp"
#include "CUISchema.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The test program's module object: the malformed schema lists below are resources of it.
AFX_DEFINE_MODULE(CModule::kindProgram)

namespace {

class CMalformedItem : public CMetaItem {
    AFX_DECLARE_CLASS(CMalformedItem)
};

AFX_IMPLEMENT_CLASS(CMalformedItem, CMetaItem, &CMetaItem::AfxConstruct)

// The program's resource table: one schema list whose bytes each case supplies.
CResource g_list[1];

struct Loaded {
    std::vector<std::string> tags;
    std::vector<std::string> tips;
    bool traced;
};

Loaded LoadList(std::string const & bytes) {
    g_list[0] = CResource{RT_RCDATA, "CMalformedItemUIList", 0,
                          1033,      bytes.data(),           static_cast<UINT>(bytes.size())};
    CResourceRegistration registration(g_list, 1);
    CTraceCapture trace;
    CMalformedItem item;
    CUISchema schema(&item);
    Loaded loaded{{}, {}, !trace.GetLines().IsEmpty()};
    for (UINT i = 0; i < schema.GetCount(); ++i) {
        loaded.tags.push_back(schema.GetAt(i).m_tag.Str());
        loaded.tips.push_back(schema.GetAt(i).m_tip.Str());
    }
    return loaded;
}

using namespace std::string_literals;

} // namespace

TEST(SchemaMalformedLists, GoodRecordsSurviveBadBytes) {
    struct Case {
        char const * name;
        std::string bytes;
        std::vector<std::string> tags;
        bool traced;
    } const cases[] = {
        {"well formed", "A,a,,CUISchema\0B,b,,CUISchema\0\0"s, {"A", "B"}, false},
        {"empty resource", ""s, {}, false},
        {"first string empty", "\0A,a,,CUISchema\0\0"s, {}, false},
        {"missing final empty string", "A,a,,CUISchema\0"s, {"A"}, false},
        {"truncated inside a record", "A,a,,CUISchema\0B,b,,CUISch"s, {"A"}, true},
        {"binary bytes", "\xff\xfe,\x01\x02,,CUISchema\0\x80\0\0"s, {"\xff\xfe"}, true},
        {"too few columns", "A,a\0B,b,,CUISchema\0\0"s, {"B"}, true},
        {"no separators at all", "just text\0\0"s, {}, true},
        {"only a comma", ",\0\0"s, {}, true},
    };
    for (Case const & c : cases) {
        Loaded loaded = LoadList(c.bytes);
        EXPECT_EQ(loaded.tags, c.tags) << c.name;
        EXPECT_EQ(loaded.traced, c.traced) << c.name;
    }
}

TEST(SchemaMalformedLists, LongRecordsAndExtraColumnsAreKept) {
    std::string const label(10000, 'x');
    Loaded loaded = LoadList("T," + label + ",,CUISchema,f,tip,more,more\0\0"s);
    ASSERT_EQ(loaded.tags.size(), 1u);
    EXPECT_EQ(loaded.tips[0], "tip,more,more");
}

TEST(SchemaMalformedLists, AHugeBrokenListTracesItsFirstDropsAndACount) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += "T" + std::to_string(i) + ",t,,CUINoSuchClass" + '\0';
    g_list[0] = CResource{RT_RCDATA, "CMalformedItemUIList", 0,
                          1033,      bytes.data(),           static_cast<UINT>(bytes.size())};
    CResourceRegistration registration(g_list, 1);
    CTraceCapture trace;
    CMalformedItem item;
    CUISchema schema(&item);
    ASSERT_EQ(trace.GetLines().GetCount(), 201u);
    EXPECT_EQ(trace.GetLines()[199].Str().rfind("Schema record T199 ", 0), 0u);
    EXPECT_EQ(trace.GetLines()[200], "Schema list CMalformedItemUIList: 800 more records dropped, "
                                     "not listed\n");
}
