#pragma once

#include "CComboBox.hpp"
#include "CHeadlessDevice.hpp"
#include "CListBox.hpp"
#include "ParentTestBase.hpp"

#include <initializer_list>
#include <vector>

// A visible top-level parent at (100, 100) on the screen, so that screen and client
// coordinates differ, with list boxes and combo boxes made on it, and the points that
// tests click at. On the headless device a row is 15 pixels high (a 13-pixel line and a
// pixel above and below) and a combo box's field 21 (the line and 8).
class ListTestBase : public ParentTestBase {
public:
    static constexpr LONG rowHeight = CHeadlessDevice::cellHeight + 2;
    static constexpr LONG fieldHeight = CHeadlessDevice::cellHeight + 8;
    // The width of the scroll bar drawn inside a list box, and the height of its arrows.
    static constexpr LONG barWidth = 16;

    ListTestBase() : ParentTestBase(CRect(100, 100, 500, 400)) {}

    // A list box with WS_BORDER whose client area shows `rows` whole rows, 120 wide.
    CListBox * AddList(UINT id, DWORD style, int rows = 5, CPoint at = CPoint(10, 10)) {
        auto * list = new CListBox;
        CRect const rect(at.x, at.y, at.x + 120, at.y + rows * rowHeight + 2);
        EXPECT_TRUE(
            list->Create("", style | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect, &m_parent, id));
        return list;
    }
    // A combo box created eight fields high, as the engine does: the field and room for a
    // list of seven fields' height below it.
    CComboBox * AddCombo(UINT id, DWORD style, CPoint at = CPoint(150, 10)) {
        auto * combo = new CComboBox;
        CRect const rect(at.x, at.y, at.x + 150, at.y + 8 * fieldHeight);
        EXPECT_TRUE(
            combo->Create("", style | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL, rect, &m_parent, id));
        return combo;
    }
    // Entries with the data values 100, 101, ...
    template <class Control>
    static void Fill(Control & control, std::initializer_list<char const *> texts) {
        std::uintptr_t data = 100;
        for (char const * text : texts)
            control.AddString(text, data++);
    }

    // The centre of a list box's row for an entry, in client coordinates.
    static CPoint RowPoint(CListBox & list, int index) {
        CRect row;
        EXPECT_EQ(list.GetItemRect(index, row), LB_OKAY);
        return CPoint(row.left + row.Width() / 2, row.top + row.Height() / 2);
    }
    // A point on an open combo box list's row for an entry, on the screen.
    static CPoint DropRow(CComboBox & combo, int index) {
        CRect const list = combo.GetDroppedControlRect();
        LONG const row = index - combo.GetTopIndex();
        return CPoint(list.left + 10, list.top + 1 + row * rowHeight + rowHeight / 2);
    }
    // The middle of a combo box's drop button, in client coordinates.
    static CPoint ButtonPoint(CComboBox & combo) {
        CRect const client = combo.GetClientRect();
        return CPoint(client.right - 8, client.Height() / 2);
    }
};
