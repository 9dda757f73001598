#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CUISchema.hpp"
#include "SchemaTestItems.hpp"
#include "VantorOemStrings.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A locale for the length of a test, restored afterwards.
class ScopedLocale {
public:
    explicit ScopedLocale(LCID locale) : m_saved(GetThreadLocale()) { SetThreadLocale(locale); }
    ~ScopedLocale() { SetThreadLocale(m_saved); }

private:
    LCID m_saved;
};

std::string Label(CUISchema const & schema, char const * tag) {
    CUIData const * record = schema.GetUIData(tag);
    return record ? record->m_label.Str() : "<none>";
}

} // namespace

TEST(SchemaResources, DerivedBeforeBaseAndLocalBeforeEnglish) {
    // clang-format off
    struct Case { LCID locale; char const * tag; char const * label; } const cases[] = {
        {1031, "Alpha", "Alpha Basis de"},
        {1031, "Beta", "Beta derived en"}, // derived English beats base German
        {1031, "Gamma", "Gamma abgeleitet de"},
        {1031, "Delta", "Delta Basis de"},
        {1031, "Tip", "Tip label"}, // English fills what German lacks
        {1033, "Alpha", "Alpha base en"},
        {1033, "Beta", "Beta derived en"},
        {1033, "Gamma", "Gamma base en"},
        {1033, "Delta", "<none>"},
        {1036, "Alpha", "Alpha base en"}, // no French list: English serves
        {1036, "Delta", "<none>"},
    };
    // clang-format on
    for (Case const & c : cases) {
        ScopedLocale locale(c.locale);
        CSchemaDerived item;
        CUISchema schema(&item);
        EXPECT_EQ(Label(schema, c.tag), c.label) << c.locale << " " << c.tag;
        EXPECT_EQ(GetThreadLocale(), c.locale) << "the locale is restored";
    }
}

TEST(SchemaResources, RecordsInTheOrderTheyWereStoredWithTheirOrigin) {
    ScopedLocale locale(1031);
    CSchemaDerived item;
    CUISchema schema(&item);
    std::vector<std::string> order;
    for (UINT i = 0; i < schema.GetCount(); ++i)
        order.push_back(schema.GetAt(i).m_tag.Str());
    EXPECT_EQ(order, (std::vector<std::string>{"Gamma", "Beta", "Alpha", "Delta", "Dup", "Tip"}));
    EXPECT_EQ(schema.GetOriginAt(0).m_source, "CSchemaDerivedUIList");
    EXPECT_EQ(schema.GetOriginAt(0).m_language, 1031u);
    EXPECT_EQ(schema.GetOriginAt(1).m_language, 1033u);
    EXPECT_EQ(schema.GetOriginAt(2).m_source, "CSchemaBaseUIList");
}

TEST(SchemaResources, ColumnsAndDroppedRecords) {
    ScopedLocale locale(1033);
    CTraceCapture trace;
    CSchemaBase item;
    CUISchema schema(&item);

    CUIData const * alpha = schema.GetUIData("Alpha");
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->m_label, "Alpha base en");
    EXPECT_EQ(alpha->m_labelAlt, "Alpha base en") << "an empty alternate copies the label";
    EXPECT_STREQ(alpha->m_class->GetClassNameA(), "CUISchema");
    EXPECT_EQ(alpha->m_format, "fmtA");
    EXPECT_EQ(alpha->m_tip, "tip A");

    CUIData const * beta = schema.GetUIData("Beta");
    ASSERT_NE(beta, nullptr);
    EXPECT_EQ(beta->m_labelAlt, "Beta alt");
    EXPECT_EQ(beta->m_tip, "");

    EXPECT_EQ(schema.GetUIData("Short"), nullptr);
    EXPECT_EQ(schema.GetUIData("Unknown"), nullptr);
    EXPECT_EQ(schema.GetUIData("Missing"), nullptr);
    EXPECT_EQ(Label(schema, "Dup"), "First dup");
    EXPECT_EQ(schema.GetUIData("Tip")->m_tip, "a tip, with %OEM%, and commas");
    EXPECT_TRUE(trace.Contains("CNoSuchClass"));
    EXPECT_TRUE(trace.Contains("Short"));
}

TEST(SchemaResources, OemSubstitutionAppliesToFormatAndTipOnly) {
    ScopedLocale locale(1033);
    VantorOemFunction previous =
        VantorSetOemStrings([](CString & text) { text.Replace("%OEM%", "Acme"); });
    CSchemaBase item;
    CUISchema schema(&item);
    VantorSetOemStrings(previous);
    CUIData const * tip = schema.GetUIData("Tip");
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->m_format, "Acme");
    EXPECT_EQ(tip->m_tip, "a tip, with Acme, and commas");
}

TEST(SchemaResources, ClassWalkStopsAtTheItemBases) {
    ScopedLocale locale(1031);
    CSchemaBare bare;
    CUISchema empty(&bare);
    EXPECT_EQ(empty.GetCount(), 0u);

    CMetaItem meta;
    CUISchema none(&meta);
    EXPECT_EQ(none.GetCount(), 0u);

    // A class outside the CMetaItem family walks up to its root.
    CSchemaPlain plain;
    CUISchema neutral(&plain);
    EXPECT_EQ(Label(neutral, "Plain"), "Plain neutral");
    EXPECT_EQ(neutral.GetOriginAt(0).m_language, 0u);
}

TEST(SchemaResources, CheckTypeIsAnExactClassMatch) {
    CSchemaBase base;
    CSchemaDerived derived;
    CUISchema schema(&base);
    EXPECT_TRUE(schema.CheckType(&base));
    CSchemaBase another;
    EXPECT_TRUE(schema.CheckType(&another));
    EXPECT_FALSE(schema.CheckType(&derived));
    EXPECT_FALSE(schema.CheckType(nullptr));
}
