#include "CEntity.hpp"
#include "CModule.hpp"
#include "CString.hpp"
#include "LocaleScope.hpp"
#include "TestModules.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string StringOf(UINT id) {
    return CString(CEntity(TestResourceModule(), id)).Str();
}

// The bytes of a raw-data resource, or "<none>" when it is absent.
std::string DataOf(char const * name) {
    CResource const * res = CModule::LoadResource(CEntity(TestResourceModule(), name), RT_RCDATA);
    if (!res)
        return "<none>";
    return std::string(static_cast<char const *>(res->GetData()), res->GetSize());
}

} // namespace

TEST(CompiledResources, TheTestModuleIsLoadedWithItsResources) {
    ASSERT_NE(TestResourceModule(), nullptr);
    EXPECT_NE(CModule::LoadResource(CEntity(TestResourceModule(), 1u), RT_STRING), nullptr);
}

TEST(CompiledResources, StringsFollowTheThreadLanguageThenNeutralThenEnglishThenAny) {
    // String 1 exists in 1031, 1033, 1036 and neutral; 2 in 1033 and 1036; 3 only in 1036;
    // 4 only neutral.
    // clang-format off
    struct Case { LCID locale; UINT id; char const * text; LCID language; } const cases[] = {
        {1031, 1, "eins", 1031},     {1033, 1, "one", 1033},       {1036, 1, "un", 1036},
        {1034, 1, "one neutral", 0}, {1040, 1, "one neutral", 0},  {1031, 2, "two", 1033},
        {1034, 2, "two", 1033},      {1036, 2, "deux", 1036},      {1031, 3, "trois", 1036},
        {1033, 3, "trois", 1036},    {1031, 4, "four neutral", 0}, {1033, 4, "four neutral", 0},
    };
    // clang-format on
    for (Case const & c : cases) {
        LocaleScope locale(c.locale);
        SCOPED_TRACE("locale " + std::to_string(c.locale) + ", string " + std::to_string(c.id));
        EXPECT_EQ(StringOf(c.id), c.text);
        CResource const * res =
            CModule::LoadResource(CEntity(TestResourceModule(), c.id), RT_STRING);
        ASSERT_NE(res, nullptr);
        EXPECT_EQ(res->GetLanguage(), c.language);
    }
}

TEST(CompiledResources, StringTextsKeepEscapesBlanksAndUtf8) {
    LocaleScope locale(1033);
    // clang-format off
    struct Case { UINT id; std::string text; } const cases[] = {
        {0x10, "quote \" backslash \\ newline \n tab \t hex A~"},
        {0x11, "trailing blanks   "},
        {0x12, ""},
        {0x13, "Gr\xC3\xB6\xC3\x9F" "e \xC3\xBCn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9"},
        {20, "decimal twenty"},
        {0x14, "decimal twenty"},
        {0xFFFF, "last number"},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE("string " + std::to_string(c.id));
        CResource const * res =
            CModule::LoadResource(CEntity(TestResourceModule(), c.id), RT_STRING);
        ASSERT_NE(res, nullptr);
        EXPECT_EQ(res->GetSize(), c.text.size());
        EXPECT_EQ(StringOf(c.id), c.text);
    }
}

TEST(CompiledResources, LineEndsOfCrlfFilesDoNotReachTheTexts) {
    LocaleScope locale(1036);
    EXPECT_EQ(StringOf(1), "un");
    EXPECT_EQ(StringOf(2), "deux");
    EXPECT_EQ(StringOf(3), "trois");
}

TEST(CompiledResources, AbsentStringsAndNamesInsteadOfNumbersAreNotFound) {
    LocaleScope locale(1033);
    EXPECT_EQ(CModule::LoadResource(CEntity(TestResourceModule(), 5u), RT_STRING), nullptr);
    EXPECT_EQ(StringOf(5), "");
    // Strings are numbered; a name that reads like the number does not find one.
    EXPECT_EQ(CModule::LoadResource(CEntity(TestResourceModule(), "1"), RT_STRING), nullptr);
    // A named resource is not found by number or under another type.
    EXPECT_EQ(CModule::LoadResource(CEntity(TestResourceModule(), 0u), RT_RCDATA), nullptr);
    EXPECT_EQ(CModule::LoadResource(CEntity(TestResourceModule(), "Lines"), RT_STRING), nullptr);
}

TEST(CompiledResources, DataLinesBecomeNulEndedStringsEndedByAnEmptyOne) {
    LocaleScope locale(1033);
    using namespace std::string_literals;
    // clang-format off
    struct Case { char const * name; std::string bytes; } const cases[] = {
        // Blank lines (and lines of blanks) are dropped, ';' lines are data, leading blanks
        // stay, and the last line needs no line end.
        {"Lines", "alpha\0beta gamma\0; not a comment\0  leading blank\0last without end\0\0"s},
        {"Crlf", "one\0two \0three\0\0"s},
        {"Empty", "\0"s},
        {"OnlyBlank", "\0"s},
        {"Bom", "first\0\0"s},
        {"Latin1", "caf\xE9\0\0"s},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DataOf(c.name), c.bytes);
    }
}

TEST(CompiledResources, NamesAreFoundWithoutRegardToCase) {
    for (char const * name : {"MixedCase", "mixedcase", "MIXEDCASE", "mIxEdCaSe"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(DataOf(name), std::string("x\0\0", 3));
    }
    EXPECT_EQ(DataOf("MixedCas"), "<none>");
    EXPECT_EQ(DataOf("MixedCaseX"), "<none>");
}

TEST(CompiledResources, NamedResourcesFollowTheLanguageOrderToo) {
    using namespace std::string_literals;
    // clang-format off
    struct Case { LCID locale; char const * name; std::string bytes; } const cases[] = {
        {1031, "Pick", "de\0\0"s},       {1033, "Pick", "en\0\0"s},
        {1036, "Pick", "neutral\0\0"s},  {1031, "OnlyFrench", "fr\0\0"s},
        {1033, "OnlyFrench", "fr\0\0"s},
    };
    // clang-format on
    for (Case const & c : cases) {
        LocaleScope locale(c.locale);
        SCOPED_TRACE(std::string(c.name) + " under " + std::to_string(c.locale));
        EXPECT_EQ(DataOf(c.name), c.bytes);
    }
}
