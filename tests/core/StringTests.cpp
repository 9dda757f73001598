#include "AfxCompare.hpp"
#include "CFilename.hpp"
#include "CFormat.hpp"
#include "CPrintf.hpp"
#include "CStrPtr.hpp"
#include "CString.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Split(char const * text, char separator, UINT limit) {
    CArray<CString> fields;
    UINT count = CString(text).Tokenize(separator, fields, limit);
    std::vector<std::string> out;
    for (CString const & field : fields)
        out.push_back(field.Str());
    EXPECT_EQ(count, out.size());
    return out;
}

} // namespace

TEST(CStringTokenize, KeepsEveryFieldInItsPosition) {
    // clang-format off
    struct Case { char const * text; UINT limit; std::vector<std::string> fields; } const cases[] = {
        {"A||C", 0, {"A", "", "C"}},
        {"", 0, {""}},
        {",", 0, {"", ""}},
        {"a,b,", 0, {"a", "b", ""}},
        {"tag,label,alt,Class,fmt,tip, with, commas",
         6,
         {"tag", "label", "alt", "Class", "fmt", "tip, with, commas"}},
        {"a,b", 6, {"a", "b"}},
        {"a,b,c", 1, {"a,b,c"}},
        {"x|y||z", 0, {"x", "y", "", "z"}},
    };
    // clang-format on
    for (Case const & c : cases) {
        char separator = std::string(c.text).find('|') != std::string::npos ? '|' : ',';
        EXPECT_EQ(Split(c.text, separator, c.limit), c.fields) << c.text << " limit " << c.limit;
    }
}

TEST(CStringEditing, ClampsPositionsInsteadOfOverrunning) {
    CString text("Hello");
    EXPECT_EQ(text.Mid(1, 3), "ell");
    EXPECT_EQ(text.Mid(3), "lo");
    EXPECT_EQ(text.Mid(9), "");
    EXPECT_EQ(text.Mid(2, 100), "llo");
    EXPECT_EQ(text.Left(2), "He");
    EXPECT_EQ(text.Left(10), "Hello");
    EXPECT_EQ(text.Right(3), "llo");
    EXPECT_EQ(text.Right(10), "Hello");
    EXPECT_EQ(text.GetAt(99), '\0');

    CString edit("abc");
    EXPECT_EQ(edit.Insert(1, "XY"), 5u);
    EXPECT_EQ(edit, "aXYbc");
    edit.Insert(100, '!');
    EXPECT_EQ(edit, "aXYbc!");
    edit.Delete(1, 2);
    EXPECT_EQ(edit, "abc!");
    edit.Delete(50);
    EXPECT_EQ(edit, "abc!");
    EXPECT_EQ(CString('x', 3), "xxx");
}

TEST(CStringEditing, ReplaceCountsAndDoesNotRescanTheReplacement) {
    struct Case {
        char const * text;
        char const * from;
        char const * to;
        UINT count;
        char const * result;
    } const cases[] = {
        {"a.b.c", ".", "::", 2, "a::b::c"},
        {"aaa", "a", "aa", 3, "aaaaaa"},
        {"abc", "", "x", 0, "abc"},
        {"abc", "d", "x", 0, "abc"},
        {"%1 and %1", "%1", "%1%1", 2, "%1%1 and %1%1"},
    };
    for (Case const & c : cases) {
        CString text(c.text);
        EXPECT_EQ(text.Replace(c.from, c.to), c.count) << c.text;
        EXPECT_EQ(text, c.result) << c.text;
    }
}

TEST(CStringSearch, FindGivesAllOnesWhenAbsent) {
    CString text("one,two");
    EXPECT_EQ(text.Find(','), 3u);
    EXPECT_EQ(text.Find("two"), 4u);
    EXPECT_EQ(text.Find('x'), CString::npos);
    EXPECT_EQ(text.Find('o', 5), 6u);
    EXPECT_EQ(text.ReverseFind('o'), 6u);
    EXPECT_EQ(CString::npos, ~0u);

    CStrPtr ptr("a b c");
    EXPECT_EQ(ptr.Count(' '), 2u);
    EXPECT_EQ(ptr.Find('c'), 4u);
    EXPECT_EQ(ptr.Find('z'), CStrPtr::npos);
    EXPECT_EQ(ptr.Find('\0'), CStrPtr::npos);
    EXPECT_TRUE(CStrPtr(nullptr).IsEmpty());
    EXPECT_FALSE(ptr.IsEmpty());
}

TEST(CStringCompare, OrdersByBytesAndComparesNamesWithoutCase) {
    struct Case {
        char const * a;
        char const * b;
        int order;     // sign of AfxCompare and CompareC
        bool sameName; // CStrPtr::operator==
    } const cases[] = {
        {"abc", "abc", 0, true},  {"abc", "abd", -1, false}, {"b", "a", 1, false},
        {"ab", "abc", -1, false}, {"ESC", "esc", -1, true},  {"", nullptr, 0, true},
        {"é", "z", 1, false},     {"Auto", "AUTO", 1, true},
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (Case const & c : cases) {
        EXPECT_EQ(sign(AfxCompare(c.a, c.b)), c.order) << c.a;
        EXPECT_EQ(sign(CStrPtr(c.a).CompareC(c.b)), c.order) << c.a;
        EXPECT_EQ(CStrPtr(c.a) == c.b, c.sameName) << c.a;
    }
}

TEST(CStringFormat, PrintfAndPercentOne) {
    EXPECT_EQ(CPrintf("%s:", "Name"), "Name:");
    EXPECT_EQ(CPrintf("RowLabel%u", 3u), "RowLabel3");
    CString longText('y', 1000);
    EXPECT_EQ(CPrintf("<%s>", longText.GetString()).GetLength(), 1002u);
    EXPECT_EQ(CFormat("must not be less than %1.", "0.5"), "must not be less than 0.5.");
    EXPECT_EQ(CFormat("%1-%1", "x"), "x-x");
    EXPECT_EQ(CFormat("no marker", "x"), "no marker");
    EXPECT_EQ(CFormat("%1", "%1"), "%1");
}

TEST(CStringText, CountsCodePoints) {
    EXPECT_EQ(CString("é").GetLength(), 2u);
    EXPECT_EQ(CString("é").GetCodePointCount(), 1u);
    EXPECT_EQ(CString("Größe").GetCodePointCount(), 5u);
}

TEST(CFilenameTest, DirectoryKeepsItsSeparator) {
    EXPECT_EQ(CFilename("/usr/lib/libvantorui.so").GetDirectory(), "/usr/lib/");
    EXPECT_EQ(CFilename("/libx.so").GetDirectory(), "/");
    EXPECT_EQ(CFilename("libx.so").GetDirectory(), "./");
    EXPECT_EQ(CFilename("/usr/lib/libx.so").GetName(), "libx.so");
}
