#include "CHeadlessDevice.hpp"
#include "CLayFormCol.hpp"
#include "CLayFormGrid.hpp"
#include "CLayFormOverlay.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormRow.hpp"
#include "CLayItemText.hpp"
#include "CTestItem.hpp"
#include "CUserException.hpp"

#include <gtest/gtest.h>

namespace {

constexpr LONG cw = CHeadlessDevice::cellWidth;
constexpr LONG ch = CHeadlessDevice::cellHeight;

TEST(LayPad, Flags) {
    // clang-format off
    struct Case {
        char const * name;
        CRect margins;
        UINT flags;
        CSize childMin, childMax;
        CRect given;
        CSize padMin, padMax;
        CRect pad, child;
    } const cases[] = {
        {"plain", {}, 0, {10, 10}, {10, 10}, {0, 0, 50, 50}, {10, 10}, {10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}},
        {"spacing", {}, 0x01, {10, 10}, {10, 10}, {5, 5, 50, 50}, {14, 14}, {14, 14}, {5, 5, 19, 19}, {7, 7, 17, 17}},
        {"margins", {1, 2, 3, 4}, 0, {10, 10}, {10, 10}, {0, 0, 50, 50}, {14, 16}, {14, 16}, {0, 0, 14, 16}, {1, 2, 11, 12}},
        {"margins and spacing", {4, 4, 4, 4}, 0x01, {10, 10}, {10, 10}, {0, 0, 18, 18}, {22, 22}, {22, 22}, {}, {}}, // too small: see below
        // A whole-height child fills the inner height up to its own maximum.
        {"whole height", {}, 0, {10, 10}, {10, 30}, {0, 0, 50, 50}, {10, 10}, {10, 30}, {0, 0, 10, 30}, {0, 0, 10, 30}},
        {"whole height inside", {}, 0, {10, 10}, {10, 30}, {0, 0, 50, 20}, {10, 10}, {10, 30}, {0, 0, 10, 20}, {0, 0, 10, 20}},
        // Aligned children keep their height in the whole height the pad is handed.
        {"centred", {}, 0x20, {10, 10}, {10, 10}, {0, 0, 50, 30}, {10, 10}, {10, 10}, {0, 0, 10, 30}, {0, 10, 10, 20}},
        {"centred odd", {}, 0x20, {10, 10}, {10, 10}, {0, 0, 50, 31}, {10, 10}, {10, 10}, {0, 0, 10, 31}, {0, 10, 10, 20}},
        {"centred growing", {}, 0x20, {10, 10}, {10, 30}, {0, 0, 50, 51}, {10, 10}, {10, 30}, {0, 0, 10, 51}, {0, 10, 10, 40}},
        {"centred no room", {}, 0x20, {10, 10}, {10, 30}, {0, 0, 50, 12}, {10, 10}, {10, 30}, {0, 0, 10, 12}, {0, 0, 10, 12}},
        {"top", {}, 0x10, {10, 10}, {10, 10}, {0, 0, 50, 30}, {10, 10}, {10, 10}, {0, 0, 10, 30}, {0, 0, 10, 10}},
        {"top wins", {}, 0x30, {10, 10}, {10, 10}, {0, 0, 50, 30}, {10, 10}, {10, 10}, {0, 0, 10, 30}, {0, 0, 10, 10}},
        {"label 0x21", {}, 0x21, {10, 10}, {10, 10}, {0, 0, 100, 40}, {14, 14}, {14, 14}, {0, 0, 14, 40}, {2, 15, 12, 25}},
        {"radio label 0x11", {}, 0x11, {10, 10}, {10, 10}, {3, 3, 100, 40}, {14, 14}, {14, 14}, {3, 3, 17, 40}, {5, 5, 15, 15}},
        {"group frame 0x10", {8, 16, 8, 8}, 0x10, {30, 20}, {30, 20}, {0, 0, 46, 60}, {46, 44}, {46, 44}, {0, 0, 46, 60}, {8, 16, 38, 36}},
    };
    // clang-format on
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        auto * child = new CTestItem(c.childMin, c.childMax);
        CLayFormPad pad(child, c.margins, c.flags);
        EXPECT_EQ(pad.GetCount(), 1u);
        EXPECT_EQ(pad.GetFlags(), c.flags);
        pad.Prepare(dc);
        EXPECT_EQ(pad.GetMinSize(), c.padMin);
        EXPECT_EQ(pad.GetMaxSize(), c.padMax);
        if (c.given.Width() < c.padMin.cx) {
            EXPECT_THROW(pad.SetRect(c.given), CUserException);
            continue;
        }
        pad.SetRect(c.given);
        EXPECT_EQ(pad.GetRect(), c.pad);
        EXPECT_EQ(child->GetRect(), c.child);
    }
}

TEST(LayPad, WithoutMarginsIsTheSameAsZeroMargins) {
    CHeadlessDevice dev;
    CDC dc(dev);
    for (UINT flags : {0x00u, 0x01u, 0x10u, 0x11u, 0x20u, 0x21u}) {
        auto * a = new CLayItemText("Value", 1, 1);
        auto * b = new CLayItemText("Value", 1, 1);
        CLayFormPad withMargins(a, CRect(), flags);
        CLayFormPad without(b, flags);
        withMargins.Prepare(dc);
        without.Prepare(dc);
        EXPECT_EQ(without.GetMargins(), CRect());
        EXPECT_EQ(without.GetMinSize(), withMargins.GetMinSize()) << flags;
        withMargins.SetRect(CRect(0, 0, 90, 40));
        without.SetRect(CRect(0, 0, 90, 40));
        EXPECT_EQ(b->GetRect(), a->GetRect()) << flags;
    }
}

TEST(LayPad, LabelCentredAgainstTallerEditor) {
    // A property row: a label centred in its cell beside a taller editor; the units text is
    // centred against the edit field. Rows do not grow on the pads' account.
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormGrid grid(2);
    auto * label = new CLayItemText("Size:", 1, 1);
    auto * edit = new CLayItemText("100", 3, 5);
    auto * units = new CLayItemText("mm");
    auto * row = new CLayFormRow;
    row->AddItem(new CLayFormPad(edit, 0x21));
    row->AddItem(new CLayFormPad(units, 0x20));
    grid.AddItem(new CLayFormPad(label, 0x21));
    grid.AddItem(row);
    grid.Prepare(dc);

    LONG labelW = 5 * cw + 2 + 4, rowH = ch + 10 + 4;
    LONG editW = 3 * cw + 6 + 4, unitsW = 2 * cw;
    EXPECT_EQ(grid.GetMinSize(), CSize(labelW + editW + unitsW, rowH));
    EXPECT_EQ(grid.GetMaxSize(), grid.GetMinSize());
    grid.SetRect(CRect(0, 0, 500, 500));

    LONG labelTop = (rowH - 4 - (ch + 2)) / 2 + 2;
    EXPECT_EQ(label->GetRect(), CRect(CPoint(2, labelTop), label->GetMinSize()));
    EXPECT_EQ(edit->GetRect(), CRect(CPoint(labelW + 2, 2), edit->GetMinSize()));
    EXPECT_EQ(units->GetRect(),
              CRect(CPoint(labelW + editW, (rowH - ch) / 2), units->GetMinSize()));
}

TEST(LayPad, ButtonWithMargins) {
    CHeadlessDevice dev;
    CDC dc(dev);
    auto * text = new CLayItemText("Apply", 8, 2);
    CLayFormPad pad(text, CRect(4, 4, 4, 4), 0);
    pad.Prepare(dc);
    CSize button(5 * cw + 16, ch + 4);
    EXPECT_EQ(pad.GetMinSize(), button + CSize(8, 8));
    EXPECT_EQ(pad.GetMaxSize(), button + CSize(8, 8));
    pad.SetRect(CRect(100, 200, 1000, 1000));
    EXPECT_EQ(text->GetRect(), CRect(CPoint(104, 204), button));
}

TEST(LayOverlay, SharesOneRectangle) {
    // clang-format off
    struct Case { CRect given; CRect overlay, a, b; } const cases[] = {
        {{0, 0, 100, 100}, {0, 0, 50, 20}, {0, 0, 10, 20}, {0, 0, 50, 5}},
        {{7, 8, 7 + 30, 8 + 20}, {7, 8, 37, 28}, {7, 8, 17, 28}, {7, 8, 37, 13}},
        {{7, 8, 7 + 40, 8 + 20}, {7, 8, 47, 28}, {7, 8, 17, 28}, {7, 8, 47, 13}},
    };
    // clang-format on
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        CLayFormOverlay overlay;
        auto * a = new CTestItem({10, 20}, {10, 20});
        auto * b = new CTestItem({30, 5}, {50, 5});
        overlay.AddItem(a);
        overlay.AddItem(b);
        overlay.Prepare(dc);
        EXPECT_EQ(overlay.GetMinSize(), CSize(30, 20));
        EXPECT_EQ(overlay.GetMaxSize(), CSize(50, 20));
        overlay.SetRect(c.given);
        EXPECT_EQ(overlay.GetRect(), c.overlay);
        EXPECT_EQ(a->GetRect(), c.a);
        EXPECT_EQ(b->GetRect(), c.b);
    }
}

TEST(LayOverlay, GroupsOfAPageShareTheirCell) {
    // Two groups in an overlay in a one-column page, followed by a button.
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormCol page;
    auto * overlay = new CLayFormOverlay;
    auto * small = new CLayFormPad(new CLayItemText("ab", 1, 1), CRect(4, 4, 4, 4), 0);
    auto * large = new CLayFormPad(new CLayItemText("abcdef", 1, 3), CRect(4, 4, 4, 4), 0);
    overlay->AddItem(small);
    overlay->AddItem(large);
    auto * button = new CLayItemText("OK", 8, 2);
    page.AddItem(overlay);
    page.AddItem(button);
    page.Prepare(dc);
    CSize largeSize(6 * cw + 2 + 8, ch + 6 + 8);
    EXPECT_EQ(overlay->GetMinSize(), largeSize);
    page.SetRect(CRect(0, 0, 400, 400));
    EXPECT_EQ(large->GetRect(), CRect(CPoint(0, 0), largeSize));
    EXPECT_EQ(small->GetRect(), CRect(0, 0, 2 * cw + 2 + 8, ch + 2 + 8));
    EXPECT_EQ(button->GetRect(), CRect(CPoint(0, largeSize.cy), button->GetMinSize()));
}

} // namespace
