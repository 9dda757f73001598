#include "CCairoDevice.hpp"
#include "CDC.hpp"
#include "CHeadlessDevice.hpp"
#include "CRecordingSurface.hpp"
#include "CStdTools.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr LONG cw = CHeadlessDevice::cellWidth;
constexpr LONG ch = CHeadlessDevice::cellHeight;

struct LineCase {
    char const * name;
    char const * text;
    LONG width;
    UINT flags;
    std::vector<std::string> lines;
};

class HeadlessLines : public testing::TestWithParam<LineCase> {};

TEST_P(HeadlessLines, BreakAsExpected) {
    LineCase const & c = GetParam();
    CHeadlessDevice device;
    CRecordingSurface surface({400, 400});
    CDC dc(device, &surface, CPoint(), surface.GetBounds());
    CRect rect(0, 0, c.width, 300);
    int const height = dc.DrawText(c.text, rect, c.flags);
    EXPECT_EQ(surface.Lines(), c.lines);
    EXPECT_EQ(height, static_cast<int>(c.lines.size()) * ch);
    // Lines follow each other one line height apart from the top.
    for (std::size_t i = 0; i < surface.texts.size(); ++i)
        EXPECT_EQ(surface.texts[i].at.y, static_cast<LONG>(i) * ch) << i;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DrawText, HeadlessLines, testing::Values(
    LineCase{"BreaksBeforeTheWordThatPassesTheSide", "one two three", 10 * cw, DT_WORDBREAK, {"one two", "three"}},
    LineCase{"AWordThatFillsTheLineExactlyStays", "alpha beta", 5 * cw, DT_WORDBREAK, {"alpha", "beta"}},
    LineCase{"OneCellLessMovesTheWord", "ab cd", 4 * cw, DT_WORDBREAK, {"ab", "cd"}},
    LineCase{"ExactWidthKeepsOneLine", "ab cd", 5 * cw, DT_WORDBREAK, {"ab cd"}},
    LineCase{"TooLongWordStandsAlone", "toolongword x", 3 * cw, DT_WORDBREAK, {"toolongword", "x"}},
    LineCase{"BlanksAtTheBreakGo", "one   two", 4 * cw, DT_WORDBREAK, {"one", "two"}},
    LineCase{"LeadingBlanksStay", "  lead", 40 * cw, DT_WORDBREAK, {"  lead"}},
    LineCase{"NewlinesBreak", "a\nb c", 40 * cw, DT_WORDBREAK, {"a", "b c"}},
    LineCase{"NewlinesBreakWithoutWordBreak", "a\n\nb", 1 * cw, 0, {"a", "", "b"}},
    LineCase{"CarriageReturnsGo", "a\r\nb", 40 * cw, 0, {"a", "b"}},
    LineCase{"NoWordBreakNoWrap", "one two three", 2 * cw, 0, {"one two three"}},
    LineCase{"SingleLineKeepsOneLine", "a b\nc", 1 * cw, DT_SINGLELINE | DT_WORDBREAK, {"a b\nc"}},
    LineCase{"PrefixesAreNotMeasured", "&ab &&c", 5 * cw, DT_WORDBREAK, {"ab &c"}},
    LineCase{"PrefixesAreNotMeasuredButCount", "&abc def", 6 * cw, DT_WORDBREAK, {"abc", "def"}},
    LineCase{"NoPrefixKeepsAmpersands", "A && &B", 40 * cw, DT_NOPREFIX, {"A && &B"}},
    LineCase{"EndEllipsisCutsToFit", "abcdefghij", 7 * cw, DT_SINGLELINE | DT_END_ELLIPSIS, {"abcd..."}},
    LineCase{"WordEllipsisCutsToFit", "abcdefghij", 8 * cw, DT_SINGLELINE | DT_WORD_ELLIPSIS, {"abcde..."}},
    LineCase{"EllipsisLeavesFittingTextAlone", "abc", 3 * cw, DT_SINGLELINE | DT_END_ELLIPSIS, {"abc"}},
    LineCase{"EmptyTextHasNoLines", "", 40 * cw, DT_WORDBREAK, {}}),
    [](testing::TestParamInfo<LineCase> const & info) { return std::string(info.param.name); });
// clang-format on

struct CalcCase {
    char const * name;
    char const * text;
    UINT flags;
    CRect expected; // from a rectangle (10, 20, 80, 1000)
};

class HeadlessCalcRect : public testing::TestWithParam<CalcCase> {};

TEST_P(HeadlessCalcRect, FitsTheText) {
    CalcCase const & c = GetParam();
    CHeadlessDevice device;
    CRecordingSurface surface({400, 400});
    CDC dc(device, &surface, CPoint(), surface.GetBounds());
    CRect rect(10, 20, 80, 1000);
    int const height = dc.DrawText(c.text, rect, c.flags | DT_CALCRECT);
    EXPECT_EQ(rect, c.expected);
    EXPECT_EQ(height, c.expected.Height());
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_TRUE(surface.fills.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DrawText, HeadlessCalcRect, testing::Values(
    CalcCase{"WrappedKeepsWidth", "one two three", DT_WORDBREAK | DT_EXTERNALLEADING, {10, 20, 80, 20 + 2 * ch}},
    CalcCase{"ThreeWrappedLines", "aaaa bbbb cccc dddd eeee ffff", DT_WORDBREAK, {10, 20, 80, 20 + 3 * ch}},
    CalcCase{"SingleLineGetsItsWidth", "abc", DT_SINGLELINE, {10, 20, 10 + 3 * cw, 20 + ch}},
    CalcCase{"SingleLineWithoutPrefix", "&abc", DT_SINGLELINE, {10, 20, 10 + 3 * cw, 20 + ch}},
    CalcCase{"UnwrappedLinesGetTheWidest", "ab\nabcd\na", 0, {10, 20, 10 + 4 * cw, 20 + 3 * ch}},
    CalcCase{"EmptyText", "", DT_WORDBREAK, {10, 20, 80, 20}}),
    [](testing::TestParamInfo<CalcCase> const & info) { return std::string(info.param.name); });
// clang-format on

TEST(DrawText, AlignsInTheRectangleAfterTheOrigin) {
    struct Case {
        UINT flags;
        CPoint at; // in logical units
    };
    // "ab" is 14 by 13 in a rectangle (10, 20, 80, 53): 70 wide, 33 high.
    for (Case c :
         {Case{DT_SINGLELINE, {10, 20}}, Case{DT_SINGLELINE | DT_CENTER, {38, 20}},
          Case{DT_SINGLELINE | DT_RIGHT, {66, 20}}, Case{DT_SINGLELINE | DT_VCENTER, {10, 30}},
          Case{DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, {66, 40}}, Case{DT_VCENTER, {10, 20}}}) {
        CHeadlessDevice device;
        CRecordingSurface surface({400, 400});
        CDC dc(device, &surface, CPoint(5, 7), surface.GetBounds());
        CRect rect(10, 20, 80, 53);
        dc.DrawText("ab", rect, c.flags);
        ASSERT_EQ(surface.texts.size(), 1u) << c.flags;
        EXPECT_EQ(surface.texts[0].at, CPoint(c.at.x + 5, c.at.y + 7)) << c.flags;
        // Clipped to the rectangle, on the surface.
        EXPECT_EQ(surface.texts[0].clip, CRect(15, 27, 85, 60)) << c.flags;
    }
}

TEST(DrawText, NoClipLeavesOnlyTheContextsClip) {
    CHeadlessDevice device;
    CRecordingSurface surface({400, 400});
    CDC dc(device, &surface, CPoint(), CRect(0, 0, 300, 200));
    CRect rect(10, 20, 30, 30);
    dc.DrawText("abcdef", rect, DT_SINGLELINE | DT_NOCLIP);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].clip, CRect(0, 0, 300, 200));
}

TEST(DrawText, PrefixUnderlinesTheCharacterInTheTextColour) {
    CHeadlessDevice device;
    CRecordingSurface surface({400, 400});
    CDC dc(device, &surface, CPoint(), surface.GetBounds());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(CColor::red);
    CRect rect(0, 0, 200, 100);
    dc.DrawText("Fi&le", rect, DT_SINGLELINE);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].text, "File");
    ASSERT_EQ(surface.fills.size(), 1u);
    CRect const line = surface.fills[0].rect;
    EXPECT_EQ(line.left, 2 * cw);
    EXPECT_EQ(line.right, 3 * cw);
    EXPECT_EQ(line.Height(), 1);
    EXPECT_GT(line.top, ch / 2);
    EXPECT_LT(line.top, ch);
    EXPECT_EQ(surface.fills[0].color, CColor::red);

    surface.fills.clear();
    dc.DrawText("Fi&le", rect, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_TRUE(surface.fills.empty());
}

TEST(TextOut, OpaqueFillsTheBoxTransparentDoesNot) {
    CHeadlessDevice device;
    CRecordingSurface surface({400, 400});
    CDC dc(device, &surface, CPoint(3, 4), surface.GetBounds());
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    dc.SetBkColor(CColor::yellow);
    dc.SetTextColor(CColor::blue);
    ASSERT_TRUE(dc.TextOut(10, 20, "abc"));
    ASSERT_EQ(surface.fills.size(), 1u);
    EXPECT_EQ(surface.fills[0].rect, CRect(13, 24, 13 + 3 * cw, 24 + ch));
    EXPECT_EQ(surface.fills[0].color, CColor::yellow);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].at, CPoint(13, 24));
    EXPECT_EQ(surface.texts[0].color, CColor::blue);
    // TextOut writes prefixes as they are.
    EXPECT_EQ(surface.texts[0].text, "abc");

    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    dc.TextOut(0, 0, "&x");
    EXPECT_EQ(surface.fills.size(), 1u);
    EXPECT_EQ(surface.texts.back().text, "&x");
}

TEST(DeviceContext, StateSettersGiveThePreviousValue) {
    CDC dc(CDevice::GetScreen());
    EXPECT_EQ(dc.SetTextColor(CColor::red), CColor::black);
    EXPECT_EQ(dc.SetTextColor(CColor::blue), CColor::red);
    EXPECT_EQ(dc.GetTextColor(), CColor::blue);
    EXPECT_EQ(dc.SetBkColor(CColor::yellow), CColor::white);
    EXPECT_EQ(dc.GetBkColor(), CColor::yellow);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(3), 0);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
}

TEST(DeviceContext, WithoutSurfaceMeasuresButDrawsNothing) {
    CHeadlessDevice device;
    CDC dc(device);
    EXPECT_EQ(dc.GetSurface(), nullptr);
    CRect rect(0, 0, 10 * cw, 100);
    EXPECT_EQ(dc.DrawText("one two three", rect, DT_WORDBREAK), 2 * ch);
    EXPECT_TRUE(dc.TextOut(0, 0, "x"));
    dc.FillRect(rect, CBrush(CColor::red));
    EXPECT_EQ(dc.GetTextExtent("abc"), CSize(3 * cw, ch));
}

// On the Cairo device the same rules break lines where the device's own extents say.
class CairoWrapping : public testing::TestWithParam<LONG> {};

TEST_P(CairoWrapping, LinesFitAndTheNextWordWouldNot) {
    CCairoDevice device("DejaVu Sans");
    CRecordingSurface surface({1000, 1000});
    CDC dc(device, &surface, CPoint(), surface.GetBounds());
    CFont font;
    ASSERT_TRUE(font.Create(dc, "DejaVu Sans", 9));
    dc.Select(font);
    char const * text =
        "The quick brown fox jumps over the lazy dog while wide Ws and thin ils wait";
    LONG const width = GetParam();
    CRect rect(0, 0, width, 1000);
    int const height = dc.DrawText(text, rect, DT_WORDBREAK);
    std::vector<std::string> const lines = surface.Lines();
    ASSERT_GE(lines.size(), 2u);
    LONG const lineHeight = dc.GetTextExtent("").cy;
    EXPECT_GT(lineHeight, 8);
    EXPECT_EQ(height, static_cast<int>(lines.size()) * lineHeight);

    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string const & line = lines[i];
        joined += (i ? " " : "") + line;
        if (line.find(' ') != std::string::npos) {
            EXPECT_LE(dc.GetTextExtent(line.c_str()).cx, width) << line;
        }
        if (i + 1 < lines.size()) {
            std::string const next = lines[i + 1].substr(0, lines[i + 1].find(' '));
            EXPECT_GT(dc.GetTextExtent((line + " " + next).c_str()).cx, width) << line;
        }
    }
    EXPECT_EQ(joined, text);

    CRect calc(0, 0, width, 0);
    EXPECT_EQ(dc.DrawText(text, calc, DT_WORDBREAK | DT_CALCRECT), height);
    EXPECT_EQ(calc.bottom, height);
    dc.Deselect();
}

INSTANTIATE_TEST_SUITE_P(DrawText, CairoWrapping, testing::Values(60, 90, 137, 200, 311));

TEST(CairoDevice, ExtentsGrowWithTheTextAndKeepTheLineHeight) {
    CCairoDevice device("DejaVu Sans");
    CDC dc(device);
    CFont font;
    ASSERT_TRUE(font.Create(dc, "DejaVu Sans", 9));
    dc.Select(font);
    CSize const empty = dc.GetTextExtent("");
    CSize const i = dc.GetTextExtent("i");
    CSize const w = dc.GetTextExtent("W");
    CSize const ww = dc.GetTextExtent("WWWW");
    EXPECT_EQ(empty.cx, 0);
    EXPECT_GT(i.cx, 0);
    EXPECT_GT(w.cx, i.cx);
    EXPECT_GE(ww.cx, 4 * w.cx - 4);
    EXPECT_LE(ww.cx, 4 * w.cx);
    EXPECT_EQ(empty.cy, i.cy);
    EXPECT_EQ(ww.cy, i.cy);

    // Bigger points, bigger text.
    CFont big;
    ASSERT_TRUE(big.Create(dc, "DejaVu Sans", 18));
    dc.Select(big);
    EXPECT_GT(dc.GetTextExtent("W").cx, w.cx + w.cx / 2);
    EXPECT_GT(dc.GetTextExtent("").cy, empty.cy + empty.cy / 2);
    dc.Deselect();
    dc.Deselect();
}

TEST(Font, CreateFallsBackToTheDefaultFace) {
    CCairoDevice device("DejaVu Sans");
    CDC dc(device);
    struct Case {
        char const * face;
        int points;
        UINT flags;
        BOOL ok;
        char const * expectedFace;
    };
    for (Case c : {Case{"DejaVu Sans", 10, CFont::fontBold, TRUE, "DejaVu Sans"},
                   Case{"dejavu serif", 8, 0, TRUE, "dejavu serif"},
                   Case{"Sans", 9, CFont::fontItalic, TRUE, "Sans"},
                   Case{"No Such Face Anywhere", 12, CFont::fontUnderline, TRUE, "DejaVu Sans"},
                   Case{"", 9, 0, FALSE, "Keep"}, Case{nullptr, 9, 0, FALSE, "Keep"},
                   Case{"DejaVu Sans", 0, 0, FALSE, "Keep"}}) {
        CFont font("Keep", 5, 0);
        EXPECT_EQ(font.Create(dc, c.face, c.points, c.flags), c.ok) << c.expectedFace;
        EXPECT_EQ(font.GetFace(), c.expectedFace);
        EXPECT_EQ(font.GetPoints(), c.ok ? c.points : 5);
        EXPECT_EQ(font.GetFlags(), c.ok ? c.flags : 0u);
    }
    // The headless device takes every face.
    CHeadlessDevice headless;
    CDC plain(headless);
    CFont font;
    EXPECT_TRUE(font.Create(plain, "No Such Face Anywhere", 12, CFont::fontBold));
    EXPECT_EQ(font.GetFace(), "No Such Face Anywhere");
}

} // namespace
