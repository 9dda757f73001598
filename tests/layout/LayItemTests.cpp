#include "CHeadlessDevice.hpp"
#include "CLayFormCol.hpp"
#include "CLayFormEqual.hpp"
#include "CLayFormGrid.hpp"
#include "CLayFormOverlay.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormRow.hpp"
#include "CLayItemText.hpp"
#include "CTestItem.hpp"
#include "CUserException.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

constexpr LONG cw = CHeadlessDevice::cellWidth;
constexpr LONG ch = CHeadlessDevice::cellHeight;

TEST(LayItem, BlankSizes) {
    struct Case {
        int size;
        LONG expected;
    } const cases[] = {{0, 0}, {1, 1}, {5, 5}, {-3, 0}};
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        CLayItem item(c.size);
        item.Prepare(dc);
        EXPECT_EQ(item.GetMinSize(), CSize(c.expected, c.expected)) << c.size;
        EXPECT_EQ(item.GetMaxSize(), CSize(c.expected, c.expected)) << c.size;
    }
    CLayItem none;
    none.Prepare(dc);
    EXPECT_EQ(none.GetMinSize(), CSize());
    EXPECT_EQ(none.GetMaxSize(), CSize());
    EXPECT_EQ(none.GetRect(), CRect());
}

TEST(LayItem, SetRectClampsToMaxAtTopLeft) {
    // clang-format off
    struct Case { CSize min, max; CRect given; CRect kept; } const cases[] = {
        {{10, 10}, {20, 30}, {5, 6, 105, 106}, {5, 6, 25, 36}},
        {{10, 10}, {20, 30}, {5, 6, 17, 18}, {5, 6, 17, 18}},
        {{10, 10}, {10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}},
        // A maximum of 0 (or any value below the minimum) stays at the minimum.
        {{20, 21}, {100, 0}, {0, 0, 200, 200}, {0, 0, 100, 21}},
        {{20, 21}, {0, 50}, {-10, -10, 200, 200}, {-10, -10, 10, 40}},
        {{0, 0}, {CLayItem::maxUnlimited, CLayItem::maxUnlimited}, {1, 2, 3000, 4000}, {1, 2, 3000, 4000}},
    };
    // clang-format on
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        CTestItem item(c.min, c.max);
        item.Prepare(dc);
        EXPECT_EQ(item.GetMaxSize(),
                  CSize(std::max(c.min.cx, c.max.cx), std::max(c.min.cy, c.max.cy)));
        item.SetRect(c.given);
        EXPECT_EQ(item.GetRect(), c.kept) << c.given.right << "x" << c.given.bottom;
    }
}

TEST(LayItem, TextSizes) {
    struct Case {
        char const * text;
        CSize minPad, maxPad;
        LONG cells;
        CSize expectedMin, expectedMax;
    };
    auto Pads = [](char const * text, LONG cells, int x, int y) {
        CSize size(cells * cw + 2 * x, ch + 2 * y);
        return Case{text, {x, y}, {x, y}, cells, size, size};
    };
    Case const cases[] = {
        Pads("Name:", 5, 0, 0),
        Pads("Name:", 5, 1, 1),   // label: 37 x 15
        Pads("Enabled", 7, 2, 2), // check box
        Pads("Fast", 4, 1, 2),    // radio
        Pads("1234", 4, 3, 1),    // edit field
        Pads("OK", 2, 8, 2),      // push button
        Pads("", 0, 0, 1),        // empty label
        Pads("Gr\xC3\xB6\xC3\x9F"
             "e",
             5, 1, 1), // code points, not bytes
        {"ab", {1, 1}, {10, 0}, 2, {16, 15}, {34, 15}},
        {"ab", {3, 3}, {1, 1}, 2, {20, 19}, {20, 19}},
        {"abc", {-20, 0}, {0, 0}, 3, {0, 13}, {21, 13}},
    };
    CHeadlessDevice dev;
    CDC dc(dev);
    EXPECT_EQ(cases[1].expectedMin, CSize(37, 15));
    for (Case const & c : cases) {
        CLayItemText item(c.text, c.minPad, c.maxPad);
        item.Prepare(dc);
        EXPECT_EQ(item.GetMinSize(), c.expectedMin) << c.text;
        EXPECT_EQ(item.GetMaxSize(), c.expectedMax) << c.text;
        if (c.minPad == c.maxPad) {
            CLayItemText pairs(c.text, c.minPad.cx, c.minPad.cy);
            pairs.Prepare(dc);
            EXPECT_EQ(pairs.GetMinSize(), c.expectedMin) << c.text;
            EXPECT_EQ(pairs.GetMaxSize(), c.expectedMax) << c.text;
        }
    }
    CLayItemText bare("Name:");
    bare.Prepare(dc);
    EXPECT_EQ(bare.GetMinSize(), CSize(5 * cw, ch));
    EXPECT_EQ(bare.GetMaxSize(), CSize(5 * cw, ch));
}

TEST(LayItem, TextIsCopiedAndNullIsEmpty) {
    char buffer[] = "Speed";
    CLayItemText item(buffer, 1, 1);
    std::strcpy(buffer, "X");
    CHeadlessDevice dev;
    CDC dc(dev);
    item.Prepare(dc);
    EXPECT_EQ(item.GetText(), "Speed");
    EXPECT_EQ(item.GetMinSize(), CSize(5 * cw + 2, ch + 2));

    CLayItemText none(nullptr, 1, 1);
    none.Prepare(dc);
    EXPECT_EQ(none.GetText(), "");
    EXPECT_EQ(none.GetMinSize(), CSize(2, ch + 2));
}

TEST(LayItem, TextRestoresTheSelectedFont) {
    CHeadlessDevice dev;
    CDC dc(dev);
    CFont bold("Serif", 12, CFont::fontBold);
    dc.Select(bold);
    CLayItemText item("abc", 1, 1);
    item.Prepare(dc);
    EXPECT_EQ(&dc.GetFont(), &bold);
}

TEST(LayItem, TextKeepsItsSizeInAHugeRectangle) {
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayItemText item("Port", 3, 1);
    item.Prepare(dc);
    item.SetRect(CRect(40, 50, 40 + 100000, 50 + 100000));
    EXPECT_EQ(item.GetRect(), CRect(40, 50, 40 + 4 * cw + 6, 50 + ch + 2));
}

// Every kind of item, each prepared on the headless device; each throws for a rectangle one
// pixel narrower or lower than its minimum, and not for one of exactly its minimum.
TEST(LayItem, RectangleBelowMinimumThrows) {
    // clang-format off
    struct Case {
        char const * name;
        std::function<CLayItem *()> make;
    } const cases[] = {
        {"blank", [] { return new CLayItem(3); }},
        {"text", [] { return new CLayItemText("Name:", 1, 1); }},
        {"grid", [] { auto * grid = new CLayFormGrid(2); grid->AddItem(new CLayItemText("A", 1, 1)); grid->AddItem(new CLayItemText("Bcd", 3, 1)); grid->AddItem(new CLayItem(1)); return grid; }},
        {"equal", [] { auto * equal = new CLayFormEqual(2); equal->AddItem(new CLayItemText("Yes", 8, 2)); equal->AddItem(new CLayItemText("No", 8, 2)); return equal; }},
        {"overlay", [] { auto * overlay = new CLayFormOverlay; overlay->AddItem(new CLayItemText("wide text", 0, 0)); overlay->AddItem(new CLayItemText("high", 0, 9)); return overlay; }},
        {"pad", [] { return new CLayFormPad(new CLayItemText("x", 1, 1), CRect(1, 2, 3, 4), 0x21); }},
        {"nested", [] { auto * col = new CLayFormCol; auto * row = new CLayFormRow; row->AddItem(new CLayFormPad(new CLayItemText("Label", 1, 1), 0x21)); row->AddItem(new CLayItemText("editor", 3, 1)); col->AddItem(row); col->AddItem(new CLayItem(1)); return col; }},
    };
    // clang-format on
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        CLayItem * item = c.make();
        item->Prepare(dc);
        CSize min = item->GetMinSize();
        ASSERT_GT(min.cx, 0) << c.name;
        ASSERT_GT(min.cy, 0) << c.name;
        CPoint at(10, 20);
        EXPECT_THROW(item->SetRect(CRect(at, min - CSize(1, 0))), CUserException) << c.name;
        EXPECT_THROW(item->SetRect(CRect(at, min - CSize(0, 1))), CUserException) << c.name;
        EXPECT_THROW(item->SetRect(CRect(at, min - CSize(1, 1))), CUserException) << c.name;
        EXPECT_NO_THROW(item->SetRect(CRect(at, min))) << c.name;
        EXPECT_EQ(item->GetRect(), CRect(at, min)) << c.name;
        delete item;
    }
}

} // namespace
