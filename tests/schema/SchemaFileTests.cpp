#include "AfxLocale.hpp"
#include "CFilename.hpp"
#include "CModule.hpp"
#include "CUISchema.hpp"
#include "SchemaTestItems.hpp"
#include "VantorUIModule.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

std::filesystem::path SchemaFolder() {
    return std::filesystem::path(
               CFilename(VantorUIModule()->GetFilename()).GetDirectory().GetString()) /
           "schema";
}

// A CSV file in the schema folder beside the library, removed again afterwards.
class SchemaFile {
public:
    SchemaFile(char const * name, std::string const & content) : m_name(name) {
        std::filesystem::create_directories(SchemaFolder());
        std::ofstream(Path(), std::ios::binary) << content;
    }
    ~SchemaFile() { std::filesystem::remove(Path()); }
    SchemaFile(SchemaFile const &) = delete;
    SchemaFile & operator=(SchemaFile const &) = delete;

    std::filesystem::path Path() const { return SchemaFolder() / (m_name + ".csv"); }

private:
    std::string m_name;
};

// tag|label|alternate label|format of every stored record, in order.
std::vector<std::string> Records(CUISchema const & schema) {
    std::vector<std::string> out;
    for (UINT i = 0; i < schema.GetCount(); ++i) {
        CUIData const & r = schema.GetAt(i);
        out.push_back(r.m_tag.Str() + "|" + r.m_label.Str() + "|" + r.m_labelAlt.Str() + "|" +
                      r.m_format.Str());
    }
    return out;
}

} // namespace

TEST(SchemaFiles, LinesColumnsAndSections) {
    std::string const longTag(300, 't');
    // clang-format off
    struct Case {
        char const * name;
        LCID locale;
        std::string content;
        std::vector<std::string> records;
    } const cases[] = {
        {"columns swap against the resource form", 1033, "A,alt,label,CUISchema,fmt,ignored\nB,only,,CUISchema\n", {"A|label|alt|fmt", "B|only|only|"}},
        {"a dash line ends the default section", 1033, "A,a,,CUISchema\n-FRENCH\nF,f,,CUISchema\n", {"A|a|a|"}},
        {"French reads its own section", 1036, "A,a,,CUISchema\n-FRENCH\nF,f,,CUISchema\nG,g,,CUISchema\n-END\nH,h,,CUISchema\n", {"F|f|f|", "G|g|g|"}},
        {"French without a section reads nothing", 1036, "A,a,,CUISchema\n", {}},
        {"French marker without a line end is no marker", 1036, "A,a,,CUISchema\n-FRENCH", {}},
        {"last line without a line end loses its last character", 1033, "A,a,,CUISchema,fmt1\nB,b,,CUISchema,fmt2", {"A|a|a|fmt1", "B|b|b|fmt"}},
        {"blank lines and unknown classes are dropped", 1033, "A,a,,CUISchema\n\nB,b,,CNoSuchClass\nC,c,,CUISchema\n", {"A|a|a|", "C|c|c|"}},
        {"duplicate tags are both stored", 1033, "A,first,,CUISchema\nA,second,,CUISchema\n", {"A|first|first|", "A|second|second|"}},
        {"missing columns", 1033, "A\nB,b\nC,c,,CUISchema\n", {"C|c|c|"}},
        {"empty file", 1033, "", {}},
        {"a line longer than 255 characters is read in pieces", 1033, longTag + ",l,,CUISchema\nB,b,,CUISchema\n", {std::string(45, 't') + "|l|l|", "B|b|b|"}},
        {"255 characters with the line end are one line", 1033, std::string(254, 'x') + "\nR,r,,CUISchema\n", {"R|r|r|"}},
        {"binary bytes", 1033, "A,a,,CUISchema\n\x01\x02\0\xff,z\nB,b,,CUISchema\n"s, {"A|a|a|", "B|b|b|"}},
        {"CRLF keeps its carriage return in the last field", 1033, "A,a,,CUISchema,f\r\n", {"A|a|a|f\r"}},
    };
    // clang-format on
    for (Case const & c : cases) {
        SchemaFile file("LinesColumnsAndSections", c.content);
        SetThreadLocale(c.locale);
        CSchemaBare bare;
        CUISchema schema(&bare);
        EXPECT_EQ(schema.LoadFromFile("LinesColumnsAndSections"), 1) << c.name;
        EXPECT_EQ(Records(schema), c.records) << c.name;
        SetThreadLocale(1033);
    }
}

TEST(SchemaFiles, FirstRecordOfATagIsFound) {
    SchemaFile file("FirstRecord", "A,first,,CUISchema\nA,second,,CUISchema\n");
    CSchemaBare bare;
    CUISchema schema(&bare);
    ASSERT_EQ(schema.LoadFromFile("FirstRecord"), 1);
    ASSERT_NE(schema.GetUIData("A"), nullptr);
    EXPECT_EQ(schema.GetUIData("A")->m_label, "first");
    EXPECT_EQ(schema.GetOriginAt(0).m_source, file.Path().c_str());
}

TEST(SchemaFiles, RefusesAFilledSchemaOrAMissingFile) {
    SchemaFile file("Refuses", "A,a,,CUISchema\n");
    SetThreadLocale(1033);
    CSchemaBase item;
    CUISchema filled(&item);
    ASSERT_GT(filled.GetCount(), 0u);
    UINT const before = filled.GetCount();
    EXPECT_EQ(filled.LoadFromFile("Refuses"), 0);
    EXPECT_EQ(filled.GetCount(), before);

    CSchemaBare bare;
    CUISchema empty(&bare);
    EXPECT_EQ(empty.LoadFromFile("NoSuchSchemaFile"), 0);
    EXPECT_EQ(empty.GetCount(), 0u);
}
