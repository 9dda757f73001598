#include "CEditCtrl.hpp"
#include "CTabCtrl.hpp"
#include "MiscTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <functional>

namespace {

constexpr UINT kId = 70;

std::string Line(char const * what) {
    return std::to_string(kId) + ":" + what;
}

class TabCtrlTest : public MiscTestBase {
protected:
    // A 300 × 200 tab control with the tabs "One", "Two" and "Three", and an edit after it
    // in the tab order.
    CTabCtrl * Add(DWORD style = WS_TABSTOP) {
        auto * tabs = new CTabCtrl;
        EXPECT_TRUE(tabs->Create("", style | WS_VISIBLE, CRect(20, 20, 320, 220), &m_parent, kId));
        tabs->InsertItem(0, "One", 100);
        tabs->InsertItem(1, "Two", 200);
        tabs->InsertItem(2, "Three", 300);
        auto * edit = new CEditCtrl;
        EXPECT_TRUE(edit->Create("", WS_VISIBLE | WS_TABSTOP, CRect(20, 240, 120, 260), &m_parent,
                                 kId + 1));
        return tabs;
    }

    static CPoint Centre(CTabCtrl * tabs, int index) {
        CRect rect;
        EXPECT_TRUE(tabs->GetItemRect(index, rect));
        return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }

    static std::string Texts(CTabCtrl * tabs) {
        std::string texts;
        for (int i = 0; i < tabs->GetItemCount(); ++i)
            texts += (i ? "," : "") + std::string(tabs->GetItemText(i).Str());
        return texts;
    }
};

} // namespace

TEST_F(TabCtrlTest, TheProgramsInsertionsDeletionsAndSelectionsKeepTheSelectedTab) {
    struct Row {
        char const * name;
        std::function<int(CTabCtrl *)> act;
        int result;
        char const * texts;
        int selected;
    };
    // clang-format off
    std::vector<Row> const rows = {
        {"the first tab of an empty control is selected", [](CTabCtrl * t) { return t->InsertItem(0, "A"); }, 0, "A", 0},
        {"an index past the end appends", [](CTabCtrl * t) { return t->InsertItem(9, "C"); }, 1, "A,C", 0},
        {"selecting returns the tab before", [](CTabCtrl * t) { return t->SetCurSel(1); }, 0, "A,C", 1},
        {"no such tab to select", [](CTabCtrl * t) { return t->SetCurSel(2); }, -1, "A,C", 1},
        {"a negative tab to select", [](CTabCtrl * t) { return t->SetCurSel(-1); }, -1, "A,C", 1},
        {"inserting before the selected tab", [](CTabCtrl * t) { return t->InsertItem(1, "B"); }, 1, "A,B,C", 2},
        {"a negative index inserts nothing", [](CTabCtrl * t) { return t->InsertItem(-1, "X"); }, -1, "A,B,C", 2},
        {"deleting before the selected tab", [](CTabCtrl * t) { return t->DeleteItem(0); }, TRUE, "B,C", 1},
        {"no such tab to delete", [](CTabCtrl * t) { return t->DeleteItem(2); }, FALSE, "B,C", 1},
        {"deleting the selected tab leaves none", [](CTabCtrl * t) { return t->DeleteItem(1); }, TRUE, "B", -1},
        {"renaming a tab", [](CTabCtrl * t) { TCITEM item; item.mask = TCIF_TEXT; item.text = "Bee"; return t->SetItem(0, item); }, TRUE, "Bee", -1},
        {"deleting them all", [](CTabCtrl * t) { t->InsertItem(1, "D"); t->SetCurSel(1); return t->DeleteAllItems(); }, TRUE, "", -1},
    };
    // clang-format on
    auto * tabs = new CTabCtrl;
    ASSERT_TRUE(tabs->Create("", WS_VISIBLE, CRect(20, 20, 320, 220), &m_parent, kId));
    EXPECT_EQ(tabs->GetCurSel(), -1);
    Clear();
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.act(tabs), row.result);
        EXPECT_EQ(Texts(tabs), row.texts);
        EXPECT_EQ(tabs->GetCurSel(), row.selected);
    }
    CAutomation::Pump();
    EXPECT_TRUE(Heard().empty());
}

TEST_F(TabCtrlTest, EachTabKeepsItsDataAndTheItemCallsRefuseMissingTabs) {
    CTabCtrl * tabs = Add();
    EXPECT_EQ(tabs->GetItemData(0), 100);
    EXPECT_EQ(tabs->GetItemData(2), 300);
    TCITEM item;
    item.mask = TCIF_PARAM;
    item.lParam = 7;
    EXPECT_TRUE(tabs->SetItem(1, item));
    EXPECT_EQ(tabs->GetItemData(1), 7);
    EXPECT_EQ(tabs->GetItemText(1), CString("Two")) << "only what the mask names changes";
    TCITEM read;
    read.mask = TCIF_TEXT | TCIF_PARAM;
    EXPECT_TRUE(tabs->GetItem(2, read));
    EXPECT_EQ(read.text, CString("Three"));
    EXPECT_EQ(read.lParam, 300);
    EXPECT_FALSE(tabs->GetItem(3, read));
    EXPECT_FALSE(tabs->SetItem(-1, item));
    CRect rect;
    EXPECT_FALSE(tabs->GetItemRect(3, rect));
    EXPECT_EQ(tabs->GetItemText(5), CString(""));
}

TEST_F(TabCtrlTest, TabsStandSideBySideInARowAboveTheDisplayArea) {
    CTabCtrl * tabs = Add();
    CRect display = tabs->GetClientRect();
    tabs->AdjustRect(FALSE, display);
    CRect previous;
    for (int i = 0; i < tabs->GetItemCount(); ++i) {
        SCOPED_TRACE(i);
        CRect rect;
        ASSERT_TRUE(tabs->GetItemRect(i, rect));
        EXPECT_FALSE(rect.IsEmpty());
        EXPECT_LE(rect.bottom, display.top);
        if (i > 0) {
            EXPECT_EQ(rect.left, previous.right);
            EXPECT_EQ(rect.top, previous.top);
            EXPECT_EQ(rect.Height(), previous.Height());
        }
        previous = rect;
    }
    CRect one;
    CRect three;
    tabs->GetItemRect(0, one);
    tabs->GetItemRect(2, three);
    EXPECT_GT(three.Width(), one.Width()) << "a longer text makes a wider tab";
}

TEST_F(TabCtrlTest, AdjustRectTurnsAWindowIntoItsDisplayAreaAndBack) {
    CTabCtrl * tabs = Add();
    CRect item;
    tabs->GetItemRect(0, item);
    CRect const rects[] = {CRect(0, 0, 300, 200), CRect(20, 20, 320, 220), CRect(-50, 10, 100, 400),
                           CRect(5, 5, 6, 6)};
    for (CRect const & window : rects) {
        CRect rect = window;
        tabs->AdjustRect(FALSE, rect);
        // Below the row of tabs, inside the window on every side.
        EXPECT_GE(rect.top - window.top, item.bottom);
        EXPECT_GT(rect.left, window.left);
        EXPECT_LT(rect.right, window.right);
        EXPECT_LT(rect.bottom, window.bottom);
        tabs->AdjustRect(TRUE, rect);
        EXPECT_EQ(rect, window);
    }
}

TEST_F(TabCtrlTest, AClickOnATabSelectsItAndTellsTheParentBeforeAndAfter) {
    CTabCtrl * tabs = Add();
    Clear();
    int selectedWhenAsked = -2;
    m_parent.m_onNotify = [&](NMHDR & header) -> LRESULT {
        if (header.code == TCN_SELCHANGING)
            selectedWhenAsked = tabs->GetCurSel();
        return 0;
    };
    CAutomation::Click(tabs, Centre(tabs, 2));
    EXPECT_EQ(Heard(), (Lines{Line("selchanging"), Line("selchange")}));
    EXPECT_EQ(selectedWhenAsked, 0);
    EXPECT_EQ(tabs->GetCurSel(), 2);
    EXPECT_EQ(CWnd::GetFocus(), tabs);
    // The selected tab again, the row beyond the tabs and the display area: nothing.
    Clear();
    CAutomation::Click(tabs, Centre(tabs, 2));
    CRect last;
    tabs->GetItemRect(2, last);
    CAutomation::Click(tabs, CPoint(last.right + 20, last.top + 5));
    CAutomation::Click(tabs, CPoint(150, 150));
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(tabs->GetCurSel(), 2);
}

TEST_F(TabCtrlTest, KeysOfTheFocusedControlMoveTheSelection) {
    // clang-format off
    struct Row { UINT key; UINT modifiers; int selected; } const rows[] = {
        {VK_RIGHT, 0, 1},
        {VK_RIGHT, 0, 2},
        {VK_RIGHT, 0, 2},
        {VK_LEFT, 0, 1},
        {VK_TAB, CAutomation::modControl, 2},
        {VK_TAB, CAutomation::modControl, 0},
        {VK_LEFT, 0, 0},
        {VK_TAB, CAutomation::modControl | CAutomation::modShift, 2},
        {VK_TAB, CAutomation::modControl | CAutomation::modShift, 1},
    };
    // clang-format on
    CTabCtrl * tabs = Add();
    tabs->SetFocus();
    int step = 0;
    for (Row const & row : rows) {
        SCOPED_TRACE(++step);
        int const before = tabs->GetCurSel();
        Clear();
        CAutomation::PressKey(row.key, row.modifiers);
        EXPECT_EQ(tabs->GetCurSel(), row.selected);
        Lines const expected =
            before == row.selected ? Lines{} : Lines{Line("selchanging"), Line("selchange")};
        EXPECT_EQ(Heard(), expected);
        EXPECT_EQ(CWnd::GetFocus(), tabs);
    }
    // A plain Tab is the dialog's: the focus moves on, the selection stays.
    Clear();
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), m_parent.GetDlgItem(kId + 1));
    EXPECT_EQ(tabs->GetCurSel(), 1);
}

TEST_F(TabCtrlTest, ANonzeroAnswerToSelChangingKeepsTheSelection) {
    CTabCtrl * tabs = Add();
    m_parent.m_onNotify = [](NMHDR & header) -> LRESULT {
        return header.code == TCN_SELCHANGING ? 1 : 0;
    };
    Clear();
    CAutomation::Click(tabs, Centre(tabs, 1));
    CAutomation::PressKey(VK_RIGHT);
    CAutomation::PressKey(VK_TAB, CAutomation::modControl);
    EXPECT_EQ(Heard(), Lines(3, Line("selchanging")));
    EXPECT_EQ(tabs->GetCurSel(), 0);
}

TEST_F(TabCtrlTest, AParentMayDestroyTheControlWhenAsked) {
    CTabCtrl * tabs = Add();
    CPoint const third = Centre(tabs, 2);
    CheckDestroyedByHandler({"on selchanging", "70:selchanging", false, {}}, *tabs,
                            [&] { CAutomation::Click(tabs, third); });
}

TEST_F(TabCtrlTest, TheTabAskedAboutMayBeDeleted) {
    CTabCtrl * tabs = Add();
    m_parent.m_onNotify = [tabs](NMHDR & header) -> LRESULT {
        if (header.code == TCN_SELCHANGING)
            tabs->DeleteItem(2);
        return 0;
    };
    Clear();
    CAutomation::Click(tabs, Centre(tabs, 2));
    EXPECT_EQ(Heard(), Lines{Line("selchanging")});
    EXPECT_EQ(tabs->GetCurSel(), 0);
}

TEST_F(TabCtrlTest, FocusNeverAndDisabledControls) {
    CTabCtrl * tabs = Add(TCS_FOCUSNEVER);
    CWnd * edit = m_parent.GetDlgItem(kId + 1);
    edit->SetFocus();
    Clear();
    CAutomation::Click(tabs, Centre(tabs, 1));
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_EQ(CWnd::GetFocus(), edit);
    tabs->EnableWindow(FALSE);
    Clear();
    CAutomation::Click(tabs, Centre(tabs, 2));
    tabs->SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_TRUE(Heard().empty());
}
