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

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr LONG cw = CHeadlessDevice::cellWidth;
constexpr LONG ch = CHeadlessDevice::cellHeight;
constexpr LONG unlimited = CLayItem::maxUnlimited;

TEST(LayGrid, LabelsAndEditorsLineUp) {
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormGrid grid(2);
    char const * labels[] = {"Name:", "Address:", "Id:"};
    char const * values[] = {"abc", "x", "12345"};
    std::vector<CLayItemText *> labelItems, editItems;
    for (int i = 0; i < 3; ++i) {
        labelItems.push_back(new CLayItemText(labels[i], 1, 1));
        editItems.push_back(new CLayItemText(values[i], 3, 1));
        grid.AddItem(labelItems.back());
        grid.AddItem(editItems.back());
    }
    grid.Prepare(dc);
    LONG labelCol = 8 * cw + 2; // "Address:"
    LONG editCol = 5 * cw + 6;  // "12345"
    LONG rowHeight = ch + 2;
    EXPECT_EQ(grid.GetRowCount(), 3u);
    EXPECT_EQ(grid.GetMinSize(), CSize(labelCol + editCol, 3 * rowHeight));
    EXPECT_EQ(grid.GetMaxSize(), grid.GetMinSize());

    grid.SetRect(CRect(10, 20, 1000, 1000));
    EXPECT_EQ(grid.GetRect(), CRect(CPoint(10, 20), grid.GetMinSize()));
    for (int i = 0; i < 3; ++i) {
        LONG top = 20 + i * rowHeight;
        CSize label = labelItems[i]->GetMinSize();
        CSize edit = editItems[i]->GetMinSize();
        EXPECT_EQ(labelItems[i]->GetRect(), CRect(CPoint(10, top), label)) << i;
        EXPECT_EQ(editItems[i]->GetRect(), CRect(CPoint(10 + labelCol, top), edit)) << i;
    }
}

// The same sharing rules hold for the columns of a row and the rows of a column: each case
// is run both ways.
TEST(LayGrid, WaterFilling) {
    // clang-format off
    struct Case { std::vector<LONG> mins, maxs; LONG given; std::vector<LONG> sizes; } const cases[] = {
        {{10, 10, 10}, {20, 20, 20}, 45, {15, 15, 15}},
        {{10, 10, 10}, {12, 30, 30}, 50, {12, 19, 19}}, // capped share goes to the others
        {{10, 10, 10}, {20, 20, 20}, 32, {11, 11, 10}}, // leftmost get the odd pixels
        {{10, 10, 10}, {unlimited, unlimited, unlimited}, 34, {12, 11, 11}},
        {{10, 10, 10}, {10, 30, 30}, 33, {10, 12, 11}}, // odd pixels skip a full column
        {{5, 20, 8}, {5, 20, 8}, 200, {5, 20, 8}},      // nothing can grow
        {{10, 10}, {15, 40}, 1000, {15, 40}},           // more than the maximums
        {{0, 10}, {0, unlimited}, 110, {0, 110}},
        {{30, 0, 4}, {60, 100, 4}, 34, {30, 0, 4}}, // exactly the minimum
        {{1, 2, 3, 4}, {9, 3, 9, 9}, 27, {7, 3, 8, 9}},
    };
    // clang-format on
    CHeadlessDevice dev;
    CDC dc(dev);
    for (bool across : {true, false}) {
        for (Case const & c : cases) {
            std::unique_ptr<CLayFormGrid> form(across ? static_cast<CLayFormGrid *>(new CLayFormRow)
                                                      : new CLayFormCol);
            std::vector<CTestItem *> items;
            for (size_t i = 0; i < c.mins.size(); ++i) {
                CSize min = across ? CSize(c.mins[i], 7) : CSize(7, c.mins[i]);
                CSize max = across ? CSize(c.maxs[i], 7) : CSize(7, c.maxs[i]);
                items.push_back(new CTestItem(min, max));
                form->AddItem(items.back());
            }
            form->Prepare(dc);
            form->SetRect(across ? CRect(3, 4, 3 + c.given, 4 + 50)
                                 : CRect(3, 4, 3 + 50, 4 + c.given));
            LONG at = across ? 3 : 4;
            for (size_t i = 0; i < items.size(); ++i) {
                CRect rect = items[i]->GetRect();
                SCOPED_TRACE(testing::Message()
                             << (across ? "row" : "col") << " given " << c.given << " item " << i);
                EXPECT_EQ(across ? rect.left : rect.top, at);
                EXPECT_EQ(across ? rect.Width() : rect.Height(), c.sizes[i]);
                EXPECT_EQ(across ? rect.top : rect.left, across ? 4 : 3);
                at += c.sizes[i];
            }
        }
    }
}

TEST(LayGrid, CellsTakeWhatTheirMaximumAllows) {
    // Column 0 grows to 40 because of item 2; item 0 stays at its own maximum of 20 inside
    // its cell, at the cell's top-left.
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormGrid grid(2);
    auto * a = new CTestItem({10, 10}, {20, 10});
    auto * b = new CTestItem({5, 10}, {5, 10});
    auto * c = new CTestItem({10, 12}, {40, 30});
    grid.AddItem(a);
    grid.AddItem(b);
    grid.AddItem(c);
    grid.Prepare(dc);
    EXPECT_EQ(grid.GetRowCount(), 2u);
    EXPECT_EQ(grid.GetMinSize(), CSize(15, 22));
    EXPECT_EQ(grid.GetMaxSize(), CSize(45, 40));
    grid.SetRect(CRect(0, 0, 100, 100));
    EXPECT_EQ(grid.GetRect(), CRect(0, 0, 45, 40));
    EXPECT_EQ(a->GetRect(), CRect(0, 0, 20, 10));
    EXPECT_EQ(b->GetRect(), CRect(40, 0, 45, 10));
    EXPECT_EQ(c->GetRect(), CRect(0, 10, 40, 40));
}

TEST(LayGrid, ColumnCounts) {
    struct Case {
        std::function<CLayFormGrid *()> make;
        UINT items;
        UINT cols, rows;
    } const cases[] = {
        {[] { return new CLayFormGrid(0); }, 3, 1, 3}, // no columns counts as one
        {[] { return new CLayFormGrid(0); }, 0, 1, 0},
        {[] { return new CLayFormGrid(3); }, 7, 3, 3}, // last row not full
        {[] { return new CLayFormEqual(0); }, 2, 1, 2},
        {[] { return new CLayFormRow; }, 4, 4, 1},
        {[] { return new CLayFormRow; }, 0, 1, 0},
        {[] { return new CLayFormCol; }, 4, 1, 4},
    };
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        std::unique_ptr<CLayFormGrid> grid(c.make());
        std::vector<CLayItem *> items;
        for (UINT i = 0; i < c.items; ++i) {
            items.push_back(new CLayItem(static_cast<int>(i + 1)));
            grid->AddItem(items.back());
        }
        grid->Prepare(dc);
        EXPECT_EQ(grid->GetColumnCount(), c.cols);
        EXPECT_EQ(grid->GetRowCount(), c.rows);
        grid->SetRect(CRect(CPoint(0, 0), grid->GetMinSize()));
        // Every item lies inside the grid and no two overlap.
        for (UINT i = 0; i < items.size(); ++i) {
            EXPECT_TRUE(grid->GetRect().Encloses(items[i]->GetRect())) << i;
            EXPECT_EQ(items[i]->GetRect().Size(), items[i]->GetMinSize()) << i;
            for (UINT j = 0; j < i; ++j)
                EXPECT_TRUE(items[i]->GetRect().Intersect(items[j]->GetRect()).IsEmpty())
                    << i << " " << j;
        }
    }
}

TEST(LayGrid, EqualCells) {
    // clang-format off
    struct Case { UINT count; std::vector<CSize> mins, maxs; CSize given; CSize cell; } const cases[] = {
        // Columns as wide as the widest minimum; odd pixels stay unused.
        {3, {{10, 5}, {20, 5}, {30, 5}}, {{10, 5}, {40, 5}, {35, 5}}, {100, 5}, {33, 5}},
        {3, {{10, 5}, {20, 5}, {30, 5}}, {{10, 5}, {40, 5}, {35, 5}}, {500, 5}, {40, 5}},
        {3, {{10, 5}, {20, 5}, {30, 5}}, {{10, 5}, {40, 5}, {35, 5}}, {90, 5}, {30, 5}},
        // Rows as high as the highest minimum.
        {2, {{4, 10}, {4, 20}, {4, 15}, {4, 5}}, {{4, 10}, {4, 20}, {4, 15}, {4, 5}}, {8, 99}, {4, 20}},
        {2, {{4, 10}, {4, 20}, {4, 15}}, {{4, 10}, {4, 31}, {4, 15}}, {8, 55}, {4, 27}},
        // Empty columns are as wide as the others.
        {3, {{10, 6}}, {{10, 6}}, {40, 6}, {10, 6}},
    };
    // clang-format on
    CHeadlessDevice dev;
    CDC dc(dev);
    for (Case const & c : cases) {
        CLayFormEqual equal(c.count);
        std::vector<CTestItem *> items;
        for (size_t i = 0; i < c.mins.size(); ++i) {
            items.push_back(new CTestItem(c.mins[i], c.maxs[i]));
            equal.AddItem(items.back());
        }
        equal.Prepare(dc);
        UINT rows = equal.GetRowCount();
        CSize largestMin, largestMax;
        for (size_t i = 0; i < c.mins.size(); ++i) {
            largestMin = {std::max(largestMin.cx, c.mins[i].cx),
                          std::max(largestMin.cy, c.mins[i].cy)};
            largestMax = {std::max(largestMax.cx, c.maxs[i].cx),
                          std::max(largestMax.cy, c.maxs[i].cy)};
        }
        EXPECT_EQ(equal.GetMinSize(), CSize(c.count * largestMin.cx, rows * largestMin.cy));
        EXPECT_EQ(equal.GetMaxSize(), CSize(c.count * largestMax.cx, rows * largestMax.cy));
        equal.SetRect(CRect(CPoint(0, 0), c.given));
        for (size_t i = 0; i < items.size(); ++i) {
            LONG col = static_cast<LONG>(i % c.count), row = static_cast<LONG>(i / c.count);
            CSize kept(std::min(c.cell.cx, c.maxs[i].cx), std::min(c.cell.cy, c.maxs[i].cy));
            EXPECT_EQ(items[i]->GetRect(), CRect(CPoint(col * c.cell.cx, row * c.cell.cy), kept))
                << "given " << c.given.cx << "x" << c.given.cy << " item " << i;
        }
    }
}

TEST(LayGrid, EmptyFormationsFitAZeroRectangle) {
    std::function<CLayFormation *()> const makers[] = {
        [] { return new CLayFormGrid(3); },
        [] { return new CLayFormGrid(0); },
        [] { return new CLayFormEqual(2); },
        [] { return new CLayFormRow; },
        [] { return new CLayFormCol; },
        [] { return new CLayFormOverlay; },
        [] { return new CLayFormPad(nullptr, 0); },
    };
    CHeadlessDevice dev;
    CDC dc(dev);
    for (auto const & make : makers) {
        std::unique_ptr<CLayFormation> form(make());
        form->Prepare(dc);
        EXPECT_EQ(form->GetMinSize(), CSize());
        EXPECT_EQ(form->GetMaxSize(), CSize());
        EXPECT_NO_THROW(form->SetRect(CRect(5, 5, 5, 5)));
        EXPECT_EQ(form->GetRect(), CRect(5, 5, 5, 5));
        EXPECT_NO_THROW(form->SetRect(CRect(5, 5, 50, 50)));
        EXPECT_EQ(form->GetRect(), CRect(5, 5, 5, 5));
    }
}

TEST(LayGrid, CellThatCannotFitThrows) {
    // A cell whose item has grown since the grid last measured it: the grid fits its own
    // rectangle, the item does not fit its cell, and the exception comes through.
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormCol outer;
    auto * inner = new CLayFormGrid(2);
    auto * cell = new CTestItem({10, 10}, {10, 10});
    inner->AddItem(new CLayItem(4));
    inner->AddItem(cell);
    outer.AddItem(inner);
    outer.Prepare(dc);
    EXPECT_EQ(outer.GetMinSize(), CSize(14, 10));
    EXPECT_NO_THROW(outer.SetRect(CRect(0, 0, 14, 10)));
    cell->ForceMinSize({11, 10});
    EXPECT_THROW(outer.SetRect(CRect(0, 0, 14, 10)), CUserException);
    cell->ForceMinSize({10, 11});
    EXPECT_THROW(outer.SetRect(CRect(0, 0, 14, 10)), CUserException);
}

TEST(LayGrid, PrepareIsFreshEachTime) {
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormCol col;
    auto * row = new CLayFormRow;
    auto * a = new CTestItem({10, 10}, {10, 10});
    auto * b = new CTestItem({5, 8}, {5, 8});
    row->AddItem(a);
    row->AddItem(b);
    col.AddItem(row);
    col.Prepare(dc);
    EXPECT_EQ(col.GetMinSize(), CSize(15, 10));
    EXPECT_EQ(a->GetPrepareCount(), 1);

    a->Resize({20, 30}, {25, 30});
    row->AddItem(new CLayItem(2));
    col.Prepare(dc);
    EXPECT_EQ(a->GetPrepareCount(), 2);
    EXPECT_EQ(b->GetPrepareCount(), 2);
    EXPECT_EQ(col.GetMinSize(), CSize(27, 30));
    EXPECT_EQ(col.GetMaxSize(), CSize(32, 30));
    col.SetRect(CRect(0, 0, 100, 100));
    EXPECT_EQ(a->GetRect(), CRect(0, 0, 25, 30));
    EXPECT_EQ(b->GetRect(), CRect(25, 0, 30, 8));
}

TEST(LayGrid, MaximumHeightZeroStaysAtMinimum) {
    // A drop-down list reports a maximum height of 0: its row does not grow.
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormCol col;
    auto * drop = new CTestItem({50, 21}, {100, 0});
    auto * free = new CTestItem({10, 10}, {10, 40});
    col.AddItem(drop);
    col.AddItem(free);
    col.Prepare(dc);
    EXPECT_EQ(col.GetMaxSize(), CSize(100, 61));
    col.SetRect(CRect(0, 0, 300, 300));
    EXPECT_EQ(drop->GetRect(), CRect(0, 0, 100, 21));
    EXPECT_EQ(free->GetRect(), CRect(0, 21, 10, 61));
}

TEST(LayGrid, UnlimitedMaximumsDoNotOverflow) {
    CHeadlessDevice dev;
    CDC dc(dev);
    CLayFormRow row;
    for (int i = 0; i < 100; ++i)
        row.AddItem(new CTestItem({1, 1}, {unlimited, unlimited}));
    row.Prepare(dc);
    EXPECT_EQ(row.GetMinSize(), CSize(100, 1));
    EXPECT_EQ(row.GetMaxSize(), CSize(unlimited, unlimited));
    row.SetRect(CRect(0, 0, 1000, 10));
    EXPECT_EQ(row.GetRect(), CRect(0, 0, 1000, 10));
    EXPECT_EQ(row.GetItem(99)->GetRect(), CRect(990, 0, 1000, 10));
}

TEST(LayGrid, FormationsOwnTheirItems) {
    int deleted = 0;
    {
        CLayFormGrid grid(2);
        grid.AddItem(new CTestItem({1, 1}, {1, 1}, &deleted));
        grid.AddItem(nullptr);
        auto * pad = new CLayFormPad(new CTestItem({1, 1}, {1, 1}, &deleted), 0x21);
        auto * overlay = new CLayFormOverlay;
        overlay->AddItem(new CTestItem({1, 1}, {1, 1}, &deleted));
        overlay->AddItem(pad);
        grid.AddItem(overlay);
        auto * equal = new CLayFormEqual(2);
        equal->AddItem(new CTestItem({1, 1}, {1, 1}, &deleted));
        grid.AddItem(equal);
        EXPECT_EQ(grid.GetCount(), 3u);
        EXPECT_EQ(grid.GetItem(1), overlay);
        EXPECT_EQ(grid.GetItem(3), nullptr);
        EXPECT_EQ(deleted, 0);
    }
    EXPECT_EQ(deleted, 4);
}

} // namespace
