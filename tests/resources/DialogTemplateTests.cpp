#include "CDialogTemplate.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"
#include "LocaleScope.hpp"
#include "TestModules.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> BytesOf(char const * name) {
    CResource const * res = CModule::LoadResource(CEntity(TestResourceModule(), name), RT_DIALOG);
    if (!res)
        return {};
    auto const * data = static_cast<unsigned char const *>(res->GetData());
    return std::vector<unsigned char>(data, data + res->GetSize());
}

// Builds template bytes field by field, for shapes the compiler never writes.
class Bytes {
public:
    Bytes & Raw(std::string const & text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    Bytes & U16(unsigned value) {
        m_bytes.push_back(static_cast<unsigned char>(value & 0xFF));
        m_bytes.push_back(static_cast<unsigned char>(value >> 8 & 0xFF));
        return *this;
    }
    Bytes & U32(DWORD value) { return U16(value & 0xFFFF).U16(value >> 16); }
    Bytes & Text(std::string const & text) {
        return U16(static_cast<unsigned>(text.size())).Raw(text);
    }
    Bytes & Box() { return U16(1).U16(2).U16(3).U16(4); }
    // A dialog header with the given font and caption and `count` items to follow.
    Bytes & Header(unsigned fontSize, std::string const & face, std::string const & caption,
                   unsigned count) {
        return Raw("DLGT").U32(WS_POPUP).U32(0).Box().U16(fontSize).Text(face).Text(caption).U16(
            count);
    }
    Bytes & Item(std::string const & className, std::string const & text) {
        return U32(WS_CHILD).U32(0).Box().U16(5).Text(className).Text(text);
    }
    std::vector<unsigned char> const & Get() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};

bool Parses(std::vector<unsigned char> const & bytes) {
    // An exact-size copy, so that a read past the end is caught by the address sanitizer.
    auto copy = std::make_unique<unsigned char[]>(std::max<std::size_t>(bytes.size(), 1));
    std::copy(bytes.begin(), bytes.end(), copy.get());
    CDialogTemplate dialog;
    return dialog.Parse(copy.get(), bytes.size());
}

} // namespace

TEST(DialogTemplate, EveryFieldOfTheSourceIsRead) {
    CDialogTemplate dialog;
    ASSERT_TRUE(CDialogTemplate::Load(CEntity(TestResourceModule(), "Sample"), dialog));
    EXPECT_EQ(dialog.GetCaption().Str(), "Caption \"q\"");
    EXPECT_EQ(dialog.GetStyle(), WS_POPUP | WS_CAPTION | 0x4);
    EXPECT_EQ(dialog.GetExStyle(), WS_EX_DLGMODALFRAME | WS_EX_TOPMOST);
    EXPECT_EQ(dialog.GetX(), 10);
    EXPECT_EQ(dialog.GetY(), -20);
    EXPECT_EQ(dialog.GetCX(), 200);
    EXPECT_EQ(dialog.GetCY(), 0x80);
    EXPECT_EQ(dialog.GetFontSize(), 9u);
    EXPECT_EQ(dialog.GetFontFace().Str(), "Sans Serif");

    // clang-format off
    struct Expected {
        char const * className;
        UINT id;
        char const * text;
        int x, y, cx, cy;
        DWORD style, exStyle;
    } const expected[] = {
        {"static", 0xFFFF, "&Name:", 7, 9, 40, 8, SS_LEFT | WS_CHILD | WS_VISIBLE, 0},
        {"edit", 1000, "", 50, 7, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE},
        {"combobox", 0x3E9, "Gr\xC3\xB6\xC3\x9F" "e", 50, 25, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_CHILD, 0},
        {"My Class", 7, "Custom", -5, 0, 1, 1, 0, 0},
    };
    // clang-format on
    ASSERT_EQ(dialog.GetItems().GetCount(), std::size(expected));
    for (UINT i = 0; i < dialog.GetItems().GetCount(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        CDialogTemplate::Item const & item = dialog.GetItems()[i];
        Expected const & e = expected[i];
        EXPECT_EQ(item.m_class.Str(), e.className);
        EXPECT_EQ(item.m_id, e.id);
        EXPECT_EQ(item.m_text.Str(), e.text);
        EXPECT_EQ(item.m_x, e.x);
        EXPECT_EQ(item.m_y, e.y);
        EXPECT_EQ(item.m_cx, e.cx);
        EXPECT_EQ(item.m_cy, e.cy);
        EXPECT_EQ(item.m_style, e.style);
        EXPECT_EQ(item.m_exStyle, e.exStyle);
    }
}

TEST(DialogTemplate, ADialogWithoutFontOrControls) {
    CDialogTemplate dialog;
    ASSERT_TRUE(CDialogTemplate::Load(CEntity(TestResourceModule(), "bare"), dialog));
    EXPECT_EQ(dialog.GetCaption().Str(), "");
    EXPECT_EQ(dialog.GetStyle(), WS_POPUP);
    EXPECT_EQ(dialog.GetExStyle(), 0u);
    EXPECT_EQ(dialog.GetCX(), 10);
    EXPECT_EQ(dialog.GetFontSize(), 0u);
    EXPECT_TRUE(dialog.GetFontFace().IsEmpty());
    EXPECT_EQ(dialog.GetItems().GetCount(), 0u);
}

TEST(DialogTemplate, AFailedLoadLeavesTheTemplateEmpty) {
    CDialogTemplate dialog;
    ASSERT_TRUE(CDialogTemplate::Load(CEntity(TestResourceModule(), "SAMPLE"), dialog));
    ASSERT_EQ(dialog.GetItems().GetCount(), 4u);
    EXPECT_FALSE(CDialogTemplate::Load(CEntity(TestResourceModule(), "NoSuchDialog"), dialog));
    EXPECT_EQ(dialog.GetItems().GetCount(), 0u);
    EXPECT_TRUE(dialog.GetCaption().IsEmpty());
    EXPECT_EQ(dialog.GetStyle(), 0u);
    // A bitmap of that name is not a dialog.
    EXPECT_FALSE(CDialogTemplate::Load(CEntity(TestResourceModule(), "Pattern"), dialog));
}

TEST(DialogTemplate, EveryTruncationIsRefused) {
    std::vector<unsigned char> const bytes = BytesOf("Sample");
    ASSERT_GT(bytes.size(), 40u);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        std::vector<unsigned char> shorter(bytes.begin(),
                                           bytes.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(Parses(shorter)) << n << " bytes";
    }
    EXPECT_TRUE(Parses(bytes));
    std::vector<unsigned char> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(Parses(longer));
}

TEST(DialogTemplate, MalformedShapesAreRefused) {
    // clang-format off
    struct Case { char const * what; std::vector<unsigned char> bytes; bool parses; } const cases[] = {
        {"a well-formed template", Bytes().Header(8, "Sans", "c", 1).Item("button", "OK").Get(), true},
        {"no font at all", Bytes().Header(0, "", "c", 0).Get(), true},
        {"a bad tag", Bytes().Raw("DLGX").U32(0).U32(0).Box().U16(0).Text("").Text("").U16(0).Get(), false},
        {"a font size without a face", Bytes().Header(8, "", "c", 0).Get(), false},
        {"a face without a font size", Bytes().Header(0, "Sans", "c", 0).Get(), false},
        {"more items announced than given", Bytes().Header(0, "", "c", 2).Item("button", "OK").Get(), false},
        {"fewer items announced than given", Bytes().Header(0, "", "c", 0).Item("button", "OK").Get(), false},
        {"an item without a class", Bytes().Header(0, "", "c", 1).Item("", "OK").Get(), false},
        {"a NUL inside the caption", Bytes().Header(0, "", std::string("a\0b", 3), 0).Get(), false},
        {"a NUL inside an item's text", Bytes().Header(0, "", "c", 1).Item("button", std::string("O\0K", 3)).Get(), false},
        {"a text length past the end", Bytes().Raw("DLGT").U32(0).U32(0).Box().U16(0).U16(0).U16(0xFFFF).Raw("abc").Get(), false},
        {"an item count of 65535 with no items", Bytes().Header(0, "", "c", 0xFFFF).Get(), false},
    };
    // clang-format on
    for (Case const & c : cases)
        EXPECT_EQ(Parses(c.bytes), c.parses) << c.what;
}

TEST(DialogTemplate, ParsingNullIsRefused) {
    CDialogTemplate dialog;
    EXPECT_FALSE(dialog.Parse(nullptr, 0));
    EXPECT_FALSE(dialog.Parse(nullptr, 100));
}
