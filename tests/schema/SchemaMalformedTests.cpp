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
    std::vector<std::string> labels;
    std::vector<std::string> lines; // what was traced
};

Loaded LoadList(std::string const & bytes) {
    g_list[0] = CResource{RT_RCDATA, "CMalformedItemUIList", 0,
                          1033,      bytes.data(),           static_cast<UINT>(bytes.size())};
    CResourceRegistration registration(g_list, 1);
    CTraceCapture trace;
    CMalformedItem item;
    CUISchema schema(&item);
    Loaded loaded{{}, {}, !trace.GetLines().IsEmpty(), {}, {}};
    for (UINT i = 0; i < schema.GetCount(); ++i) {
        loaded.tags.push_back(schema.GetAt(i).m_tag.Str());
        loaded.tips.push_back(schema.GetAt(i).m_tip.Str());
        loaded.labels.push_back(schema.GetAt(i).m_label.Str());
    }
    for (CString const & line : trace.GetLines())
        loaded.lines.push_back(line.Str());
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
    Loaded const loaded = LoadList(bytes);
    ASSERT_EQ(loaded.lines.size(), 201u);
    EXPECT_EQ(loaded.lines[199].rfind("Schema record T199 ", 0), 0u);
    EXPECT_EQ(loaded.lines[200],
              "Schema list CMalformedItemUIList: 800 more records with problems, "
              "not listed\n");
}

TEST(SchemaMalformedLists, QuotedFieldsKeepTheirCommas) {
    struct Case {
        std::string record;
        char const * label;
        char const * tip;
        bool traced;
    } const cases[] = {
        // clang-format off
        {"A,\"0,5 A\",,CUISchema,,tip", "0,5 A", "tip", false},
        {"A,\"say \"\"hi\"\"\",,CUISchema", "say \"hi\"", "", false},
        {"A,a,,CUISchema,,\"one, two\"", "a", "one, two", false},
        {"A,a,,CUISchema,,one, \"two\"", "a", "one, \"two\"", false},
        {"A,\"unclosed,,CUISchema", "\"unclosed", "", true},
        {"A,\"x\"y,,CUISchema", "\"x\"y", "", true},
        {"A,\"\",,CUISchema", "", "", false},
        // clang-format on
    };
    for (Case const & c : cases) {
        SCOPED_TRACE(c.record);
        Loaded const loaded = LoadList(c.record + '\0' + '\0');
        ASSERT_EQ(loaded.labels.size(), 1u);
        EXPECT_EQ(loaded.labels[0], c.label);
        EXPECT_EQ(loaded.tips[0], c.tip);
        EXPECT_EQ(loaded.traced, c.traced);
    }
}
