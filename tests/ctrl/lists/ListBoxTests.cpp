#include "ListTestBase.hpp"

#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <functional>
#include <string>

namespace {

constexpr UINT kList = 7;

// A step of the user's: a click or double click on an entry's row, a key, typed text.
struct Step {
    enum Kind { click, doubleClick, key, type } kind;
    int index = 0;
    char const * text = nullptr;
};

Step Click(int index) {
    return {Step::click, index};
}
Step DoubleClick(int index) {
    return {Step::doubleClick, index};
}
Step Key(UINT key) {
    return {Step::key, static_cast<int>(key)};
}
Step Type(char const * text) {
    return {Step::type, 0, text};
}

class ListBoxTest : public ListTestBase {
protected:
    // Eight entries, more than the five rows show.
    CListBox * Fruit(DWORD style) {
        CListBox * list = AddList(kList, style);
        Fill(*list,
             {"Apple", "banana", "Blueberry", "Cherry", "Date", "Elderberry", "Fig", "Grape"});
        return list;
    }
    // Twenty entries "Entry 0" to "Entry 19".
    CListBox * Numbered(DWORD style) {
        CListBox * list = AddList(kList, style);
        for (int i = 0; i < 20; ++i)
            list->AddString(("Entry " + std::to_string(i)).c_str(), static_cast<std::uintptr_t>(i));
        return list;
    }
    void Do(CListBox & list, std::vector<Step> const & steps) {
        for (Step const & step : steps) {
            switch (step.kind) {
            case Step::click:
                CAutomation::Click(&list, RowPoint(list, step.index));
                break;
            case Step::doubleClick:
                CAutomation::DoubleClick(&list, RowPoint(list, step.index));
                break;
            case Step::key:
                CAutomation::PressKey(static_cast<UINT>(step.index));
                break;
            case Step::type:
                CAutomation::TypeText(step.text);
                break;
            }
        }
    }
    // A point on the scroll bar, `y` pixels down its client-area strip.
    static CPoint BarPoint(CListBox & list, LONG y) {
        return CPoint(list.GetClientRect().right - barWidth / 2, y);
    }
};

struct UserRow {
    char const * name;
    DWORD style;
    int selected;
    bool focused;
    std::vector<Step> steps;
    std::vector<UINT> heard; // codes from the list box
    int expected;
};

class ListBoxUser : public ListBoxTest, public ::testing::WithParamInterface<UserRow> {};

std::vector<UserRow> const & UserRows() {
    // clang-format off
    static std::vector<UserRow> const rows = {
        {"ClickSelectsAfterTakingTheFocus", LBS_NOTIFY, -1, false, {Click(2)}, {LBN_SETFOCUS, LBN_SELCHANGE}, 2},
        {"ClickOnTheSelectedEntryChangesNothing", LBS_NOTIFY, 2, true, {Click(2)}, {}, 2},
        {"DoubleClickSelectsThenReportsIt", LBS_NOTIFY, -1, true, {DoubleClick(1)}, {LBN_SELCHANGE, LBN_DBLCLK}, 1},
        {"WithoutNotifyOnlyTheFocusIsHeard", 0, -1, false, {Click(2), DoubleClick(3), Key(VK_DOWN)}, {LBN_SETFOCUS}, 4},
        {"ArrowsMoveAnEntryAndStopAtTheEnds", LBS_NOTIFY, 1, true, {Key(VK_UP), Key(VK_UP), Key(VK_DOWN)}, {LBN_SELCHANGE, LBN_SELCHANGE}, 1},
        {"WithNothingSelectedUpSelectsTheFirst", LBS_NOTIFY, -1, true, {Key(VK_UP)}, {LBN_SELCHANGE}, 0},
        {"PageKeysMoveAPageLessOneRow", LBS_NOTIFY, 0, true, {Key(VK_NEXT), Key(VK_NEXT), Key(VK_PRIOR)}, {LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}, 3},
        {"EndAndHome", LBS_NOTIFY, 3, true, {Key(VK_END), Key(VK_HOME)}, {LBN_SELCHANGE, LBN_SELCHANGE}, 0},
        {"TypingJumpsToTheNextEntryBeginningWithTheCharacter", LBS_NOTIFY, 0, true, {Type("b"), Type("B"), Type("b")}, {LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}, 1},
        {"TypingACharacterNoOtherEntryBeginsWithKeepsTheSelection", LBS_NOTIFY, 3, true, {Type("c"), Type("z")}, {}, 3},
        {"OtherKeysDoNothing", LBS_NOTIFY, 3, true, {Key(VK_LEFT), Key(VK_SPACE)}, {}, 3},
    };
    // clang-format on
    return rows;
}

} // namespace

TEST_P(ListBoxUser, TheParentHearsTheUsersChangesInOrder) {
    UserRow const & row = GetParam();
    CListBox * list = Fruit(row.style);
    list->SetCurSel(row.selected);
    if (row.focused)
        list->SetFocus();
    Clear();
    Do(*list, row.steps);
    Commands expected;
    for (UINT code : row.heard)
        expected.push_back({kList, code});
    EXPECT_EQ(Heard(), expected);
    EXPECT_EQ(list->GetCurSel(), row.expected);
    EXPECT_EQ(CWnd::GetFocus(), list);
}

INSTANTIATE_TEST_SUITE_P(Input, ListBoxUser, ::testing::ValuesIn(UserRows()),
                         [](auto const & info) { return std::string(info.param.name); });

TEST_F(ListBoxTest, TheProgramsChangesRaiseNothing) {
    CListBox * list = Fruit(LBS_NOTIFY);
    list->SetFocus();
    Clear();
    EXPECT_EQ(list->SetCurSel(3), 3);
    EXPECT_EQ(list->SelectData(105), 5);
    EXPECT_EQ(list->GetCurSelData(), 105u);
    EXPECT_EQ(list->InsertString(0, "Lime", 7), 0);
    EXPECT_EQ(list->GetCurSel(), 6) << "the selection stays on its entry";
    EXPECT_EQ(list->AddString("Kiwi"), 9);
    EXPECT_EQ(list->GetItemData(9), 0u) << "added without a data value";
    EXPECT_EQ(list->DeleteString(1), 9);
    EXPECT_EQ(list->GetCurSelData(), 105u);
    EXPECT_EQ(list->SetTopIndex(2), LB_OKAY);
    EXPECT_EQ(list->GetTopIndex(), 2);
    list->ResetContent();
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(list->GetCurSel(), LB_ERR);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ListBoxTest, OutOfRangeIndexesAndMissingDataGiveTheDefinedAnswers) {
    // clang-format off
    struct Row {
        char const * name;
        std::function<std::intptr_t(CListBox &)> act;
        std::intptr_t result;
        int selected;
    } const rows[] = {
        {"text beyond the end", [](CListBox & l) { return l.GetText(3).GetLength(); }, 0, 1},
        {"data beyond the end", [](CListBox & l) { return static_cast<std::intptr_t>(l.GetItemData(3)); }, -1, 1},
        {"data before the start", [](CListBox & l) { return static_cast<std::intptr_t>(l.GetItemData(-1)); }, -1, 1},
        {"selecting beyond the end", [](CListBox & l) { return l.SetCurSel(3); }, LB_ERR, 1},
        {"selecting none", [](CListBox & l) { return l.SetCurSel(-1); }, LB_ERR, -1},
        {"the data of no selection", [](CListBox & l) { l.SetCurSel(-1); return static_cast<std::intptr_t>(l.GetCurSelData()); }, -1, -1},
        {"deleting beyond the end", [](CListBox & l) { return l.DeleteString(3); }, LB_ERR, 1},
        {"inserting beyond the end", [](CListBox & l) { return l.InsertString(4, "x"); }, LB_ERR, 1},
        {"inserting at the end", [](CListBox & l) { return l.InsertString(3, "x"); }, 3, 1},
        {"selecting missing data", [](CListBox & l) { return l.SelectData(999); }, LB_ERR, -1},
        {"selecting data", [](CListBox & l) { return l.SelectData(102); }, 2, 2},
        {"finding ignores letter case", [](CListBox & l) { return l.FindStringExact(-1, "cherry"); }, 2, 1},
        {"a prefix is not exact", [](CListBox & l) { return l.FindStringExact(-1, "Cher"); }, LB_ERR, 1},
        {"finding goes round", [](CListBox & l) { return l.FindStringExact(2, "APPLE"); }, 0, 1},
        {"scrolling to an entry beyond the end", [](CListBox & l) { return l.SetTopIndex(3); }, LB_ERR, 1},
        {"setting data beyond the end", [](CListBox & l) { return l.SetItemData(3, 1); }, LB_ERR, 1},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CListBox * list = AddList(kList, LBS_NOTIFY);
        Fill(*list, {"Apple", "banana", "Cherry"});
        list->SetCurSel(1);
        Clear();
        EXPECT_EQ(row.act(*list), row.result);
        EXPECT_EQ(list->GetCurSel(), row.selected);
        EXPECT_TRUE(Heard().empty());
        list->DestroyWindow();
    }
}

TEST_F(ListBoxTest, SortedListsPlaceAddedEntriesByTheirTexts) {
    CListBox * list = AddList(kList, LBS_SORT);
    for (auto [text, data] : {std::pair{"delta", 4}, {"Alpha", 1}, {"charlie", 3}, {"Bravo", 2}})
        list->AddString(text, static_cast<std::uintptr_t>(data));
    list->SetCurSel(list->FindStringExact(-1, "Bravo"));
    EXPECT_EQ(list->AddString("alpha", 5), 1) << "after the entry that compares equal";
    EXPECT_EQ(list->InsertString(0, "zulu", 6), 0) << "inserting does not sort";
    std::vector<std::string> texts;
    std::vector<std::uintptr_t> data;
    for (int i = 0; i < list->GetCount(); ++i) {
        texts.push_back(list->GetText(i).Str());
        data.push_back(list->GetItemData(i));
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"zulu", "Alpha", "alpha", "Bravo", "charlie", "delta"}));
    EXPECT_EQ(data, (std::vector<std::uintptr_t>{6, 1, 5, 2, 3, 4}));
    EXPECT_EQ(list->GetCurSelData(), 2u);
}

TEST_F(ListBoxTest, KeysScrollTheSelectionIntoView) {
    // clang-format off
    struct Row { char const * name; std::vector<UINT> keys; int selected; int top; } const rows[] = {
        {"End", {VK_END}, 19, 15},
        {"End then Home", {VK_END, VK_HOME}, 0, 0},
        {"Down past the last row", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}, 5, 1},
        {"Page Down", {VK_DOWN, VK_NEXT, VK_NEXT}, 8, 4},
        {"Up above the top row", {VK_END, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_UP}, 2, 2},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CListBox * list = Numbered(LBS_NOTIFY | WS_VSCROLL);
        list->SetFocus();
        for (UINT key : row.keys)
            CAutomation::PressKey(key);
        EXPECT_EQ(list->GetCurSel(), row.selected);
        EXPECT_EQ(list->GetTopIndex(), row.top);
        list->DestroyWindow();
    }
}

TEST_F(ListBoxTest, TheScrollBarScrollsByRowPageAndThumbWithoutSelecting) {
    // The client area is 75 high: arrows of 16 at both ends, a track of 43 and, for 5 of 20
    // entries, a thumb of 10 that moves through 33 pixels.
    // clang-format off
    struct Row {
        char const * name;
        std::function<void(CListBox &)> act;
        int top;
    } const rows[] = {
        {"the up arrow at the top", [](CListBox & l) { CAutomation::Click(&l, BarPoint(l, 5)); }, 0},
        {"the down arrow", [](CListBox & l) { CAutomation::Click(&l, BarPoint(l, 70)); }, 1},
        {"the track below the thumb", [](CListBox & l) { CAutomation::Click(&l, BarPoint(l, 50)); }, 5},
        {"the thumb dragged to the end", [](CListBox & l) { CAutomation::Drag(Screen(l, BarPoint(l, 20)), Screen(l, BarPoint(l, 74))); }, 15},
        {"the thumb dragged halfway", [](CListBox & l) { CAutomation::Drag(Screen(l, BarPoint(l, 20)), Screen(l, BarPoint(l, 36))); }, 7},
        {"the track above the thumb", [](CListBox & l) { l.SetTopIndex(12); CAutomation::Click(&l, BarPoint(l, 20)); }, 7},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CListBox * list = Numbered(LBS_NOTIFY | WS_VSCROLL);
        list->SetCurSel(0);
        list->SetFocus();
        Clear();
        row.act(*list);
        EXPECT_EQ(list->GetTopIndex(), row.top);
        EXPECT_EQ(list->GetCurSel(), 0);
        EXPECT_TRUE(Heard().empty());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        list->DestroyWindow();
    }
}

TEST_F(ListBoxTest, AHeldArrowRepeatsAndTheTrackStopsAtThePointer) {
    CListBox * list = Numbered(WS_VSCROLL);
    CPoint const arrow = Screen(*list, BarPoint(*list, 70));
    CInput::MouseDown(arrow, CInput::buttonLeft);
    EXPECT_EQ(list->GetTopIndex(), 1);
    CAutomation::AdvanceClock(399);
    EXPECT_EQ(list->GetTopIndex(), 1);
    CAutomation::AdvanceClock(1);
    EXPECT_EQ(list->GetTopIndex(), 2);
    CAutomation::AdvanceClock(100);
    EXPECT_EQ(list->GetTopIndex(), 4);
    CInput::MouseUp(arrow, CInput::buttonLeft);
    CAutomation::AdvanceClock(1000);
    EXPECT_EQ(list->GetTopIndex(), 4);

    // Held on the track at y 40, the page steps end once the thumb reaches the pointer.
    list->SetTopIndex(0);
    CPoint const track = Screen(*list, BarPoint(*list, 40));
    CInput::MouseDown(track, CInput::buttonLeft);
    CAutomation::AdvanceClock(2000);
    EXPECT_EQ(list->GetTopIndex(), 10);
    CInput::MouseUp(track, CInput::buttonLeft);
}

TEST_F(ListBoxTest, TheScrollBarShowsWhenEntriesOverflowOrWhenAskedFor) {
    // clang-format off
    struct Row { char const * name; DWORD style; int entries; LONG rowRight; } const rows[] = {
        {"no overflow", WS_VSCROLL, 3, 118},
        {"overflow", WS_VSCROLL, 6, 118 - barWidth},
        {"overflow without WS_VSCROLL", 0, 6, 118},
        {"asked for", WS_VSCROLL | LBS_DISABLENOSCROLL, 3, 118 - barWidth},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CListBox * list = AddList(kList, row.style | LBS_NOTIFY);
        for (int i = 0; i < row.entries; ++i)
            list->AddString("entry");
        CRect first;
        list->GetItemRect(0, first);
        EXPECT_EQ(first.right, row.rowRight);
        // A bar with nothing to scroll takes clicks and does nothing.
        list->SetFocus();
        Clear();
        CAutomation::Click(list, BarPoint(*list, 70));
        EXPECT_EQ(list->GetTopIndex(), row.entries > 5 && (row.style & WS_VSCROLL) ? 1 : 0);
        list->DestroyWindow();
    }
}

TEST_F(ListBoxTest, TheWheelScrollsThreeRowsANotch) {
    // clang-format off
    struct Row { char const * name; std::vector<int> deltas; int top; } const rows[] = {
        {"one notch down", {-WHEEL_DELTA}, 3},
        {"down and back", {-WHEEL_DELTA, -WHEEL_DELTA, WHEEL_DELTA}, 3},
        {"half notches add up", {-WHEEL_DELTA / 2, -WHEEL_DELTA / 2}, 3},
        {"half a notch does nothing yet", {-WHEEL_DELTA / 2}, 0},
        {"up at the top", {WHEEL_DELTA}, 0},
        {"far down stops at the last page", {-10 * WHEEL_DELTA}, 15},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CListBox * list = Numbered(WS_VSCROLL);
        for (int delta : row.deltas)
            CInput::MouseWheel(Screen(*list, RowPoint(*list, list->GetTopIndex())), delta);
        EXPECT_EQ(list->GetTopIndex(), row.top);
        list->DestroyWindow();
    }
}

TEST_F(ListBoxTest, DraggingSelectsRowByRowAndScrollsBeyondTheRows) {
    CListBox * list = Numbered(LBS_NOTIFY | WS_VSCROLL);
    Clear();
    CAutomation::Drag(Screen(*list, RowPoint(*list, 0)), Screen(*list, RowPoint(*list, 3)), 3);
    EXPECT_EQ(Heard(), (Commands{{kList, LBN_SETFOCUS},
                                 {kList, LBN_SELCHANGE},
                                 {kList, LBN_SELCHANGE},
                                 {kList, LBN_SELCHANGE},
                                 {kList, LBN_SELCHANGE}}));
    EXPECT_EQ(list->GetCurSel(), 3);

    CPoint const below = Screen(*list, CPoint(20, list->GetClientRect().bottom + 30));
    CInput::MouseDown(Screen(*list, RowPoint(*list, 4)), CInput::buttonLeft);
    for (int expected : {5, 6, 7}) {
        CAutomation::MoveMouse(below);
        EXPECT_EQ(list->GetCurSel(), expected);
        EXPECT_EQ(list->GetTopIndex(), expected - 4);
    }
    CInput::MouseUp(below, CInput::buttonLeft);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(ListBoxTest, EveryCancelEndsADrag) {
    // clang-format off
    struct Row {
        char const * name;
        std::function<void(CListBox & list, CListBox & other)> cancel;
    } const rows[] = {
        {"Escape", [](CListBox &, CListBox &) { CAutomation::PressKey(VK_ESCAPE); }},
        {"the focus moving away", [](CListBox &, CListBox & other) { other.SetFocus(); }},
        {"disabling", [](CListBox & list, CListBox &) { list.EnableWindow(FALSE); list.EnableWindow(TRUE); }},
        {"the capture taken", [](CListBox &, CListBox & other) { other.SetCapture(); }},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CListBox * list = Numbered(LBS_NOTIFY);
        CListBox * other = AddList(kList + 1, LBS_NOTIFY, 5, CPoint(200, 10));
        CInput::MouseDown(Screen(*list, RowPoint(*list, 0)), CInput::buttonLeft);
        ASSERT_EQ(CWnd::GetCapture(), list);
        row.cancel(*list, *other);
        CWnd::ReleaseCapture();
        list->SetFocus();
        Clear();
        CAutomation::MoveMouse(Screen(*list, RowPoint(*list, 3)));
        EXPECT_EQ(list->GetCurSel(), 0);
        EXPECT_TRUE(Heard().empty());
        CInput::MouseUp(Screen(*list, RowPoint(*list, 3)), CInput::buttonLeft);
        list->DestroyWindow();
        other->DestroyWindow();
    }
}

TEST_F(ListBoxTest, AHandlerMayDestroyTheListBoxOrItsParent) {
    // A destroyed list box says nothing more; one whose parent is being destroyed still loses
    // the focus, as on Windows.
    // clang-format off
    struct Row { DestroyRow destroy; std::vector<Step> steps; };
    Row const rows[] = {
        {{"the list box on its focus", "7:setfocus", false, {}}, {Click(1)}},
        {{"the list box on a click's change", "7:selchange", false, {}}, {Click(1)}},
        {{"the list box on a key's change", "7:selchange", false, {}}, {Key(VK_DOWN)}},
        {{"the list box on typing", "7:selchange", false, {}}, {Type("c")}},
        {{"the list box on a double click", "7:dblclk", false, {}}, {DoubleClick(1)}},
        {{"the parent on a double click", "7:dblclk", true, {"7:killfocus"}}, {DoubleClick(1)}},
        {{"the parent on a change", "7:selchange", true, {"7:killfocus"}}, {Key(VK_END)}},
    };
    // clang-format on
    for (Row const & row : rows) {
        CListBox * list = Fruit(LBS_NOTIFY);
        if (row.steps.front().kind == Step::key || row.steps.front().kind == Step::type)
            list->SetFocus();
        // The steps' points are taken before anything is destroyed.
        CheckDestroyedByHandler(row.destroy, *list, [&] { Do(*list, row.steps); });
    }
}

TEST_F(ListBoxTest, TheClassWorksThroughMessagesAlone) {
    CWnd raw;
    ASSERT_TRUE(raw.Create(CListBox::WindowClassName(), "", WS_CHILD | WS_VISIBLE | LBS_SORT,
                           CRect(10, 10, 130, 85), &m_parent, 9));
    raw.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
    raw.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Alpha"));
    EXPECT_EQ(raw.SendMessage(LB_GETCOUNT), 2);
    CString text;
    EXPECT_EQ(raw.SendMessage(LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&text)), 4);
    EXPECT_EQ(text, "beta");
    EXPECT_EQ(raw.SendMessage(LB_GETTEXTLEN, 0), 5);
    EXPECT_EQ(raw.SendMessage(LB_SETITEMDATA, 1, 42), LB_OKAY);
    EXPECT_EQ(raw.SendMessage(LB_GETITEMDATA, 1), 42);
    EXPECT_EQ(
        raw.SendMessage(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("B")), 1);
    EXPECT_EQ(raw.SendMessage(LB_SETCURSEL, 1), 1);
    EXPECT_EQ(raw.SendMessage(LB_GETCURSEL), 1);
    EXPECT_EQ(raw.SendMessage(LB_GETITEMHEIGHT), rowHeight);
    EXPECT_EQ(raw.SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, rowHeight + 2)), MAKELPARAM(1, 0));
    EXPECT_EQ(raw.SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 60)), MAKELPARAM(1, 1))
        << "below the entries: the nearest, outside";
    EXPECT_EQ(raw.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}
