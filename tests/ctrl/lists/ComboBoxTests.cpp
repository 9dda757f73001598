#include "ListTestBase.hpp"

#include "CEditCtrl.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <functional>
#include <string>
#include <utility>

namespace {

constexpr UINT kCombo = 20;
constexpr UINT kOther = 8;

class ComboBoxTest : public ListTestBase {
public:
    // Eight entries, all of which the open list shows.
    CComboBox * Colours(DWORD style) {
        CComboBox * combo = AddCombo(kCombo, style);
        Fill(*combo, {"Red", "green", "Blue", "Cyan", "Magenta", "Yellow", "Black", "White"});
        return combo;
    }
    CComboBox * Numbers() {
        CComboBox * combo = AddCombo(kCombo, CBS_DROPDOWN);
        Fill(*combo, {"10", "20", "50", "100"});
        return combo;
    }
    // A list box beside the combo box to take the focus away.
    CListBox * Other() { return AddList(kOther, 0, 5, CPoint(10, 200)); }

    static Commands Codes(std::vector<UINT> const & codes) {
        Commands commands;
        for (UINT code : codes)
            commands.push_back({kCombo, code});
        return commands;
    }
    static CEditCtrl * EditOf(CComboBox & combo) {
        return static_cast<CEditCtrl *>(combo.GetDlgItem(CComboBox::editId));
    }
    static std::pair<int, int> Sel(CEditCtrl & edit) {
        int start = -1;
        int end = -1;
        edit.GetSel(start, end);
        return {start, end};
    }
    // A point of the parent's client area away from every control, on the screen.
    CPoint Outside() { return Screen(m_parent, CPoint(390, 290)); }
    // The window of an open list.
    static CWnd * DropList(CComboBox & combo) {
        return CWnd::FromHandle(CInput::WindowFromPoint(DropRow(combo, combo.GetTopIndex())));
    }
};

struct OpenRow {
    char const * name;
    std::function<void(ComboBoxTest &, CComboBox &)> act;
    std::vector<UINT> heard;
    int selected;
    bool open;
};

class ComboBoxOpen : public ComboBoxTest, public ::testing::WithParamInterface<OpenRow> {};

void Press(UINT key, UINT modifiers = 0) {
    CAutomation::PressKey(key, modifiers);
}

std::vector<OpenRow> const & OpenRows() {
    // clang-format off
    static std::vector<OpenRow> const rows = {
        {"ReturnKeepsTheSelection", [](auto &, auto &) { Press(VK_RETURN); }, {CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        {"KeysSelectAndReturnChooses", [](auto &, auto &) { Press(VK_DOWN); Press(VK_DOWN); Press(VK_RETURN); }, {CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}, 3, false},
        {"EscapeRestoresTheSelectionOfTheOpening", [](auto &, auto &) { Press(VK_DOWN); Press(VK_DOWN); Press(VK_ESCAPE); }, {CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_SELCHANGE}, 1, false},
        {"EscapeAloneChangesNothing", [](auto &, auto &) { Press(VK_ESCAPE); }, {CBN_SELENDCANCEL, CBN_CLOSEUP}, 1, false},
        {"TheMouseHighlightsWithoutSelecting", [](auto &, CComboBox & c) { CAutomation::MoveMouse(ComboBoxTest::DropRow(c, 4)); }, {}, 1, true},
        {"ReturnChoosesTheEntryUnderTheMouse", [](auto &, CComboBox & c) { CAutomation::MoveMouse(ComboBoxTest::DropRow(c, 4)); Press(VK_RETURN); }, {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}, 4, false},
        {"KeysMoveOnFromTheEntryUnderTheMouse", [](auto &, CComboBox & c) { CAutomation::MoveMouse(ComboBoxTest::DropRow(c, 4)); Press(VK_DOWN); }, {CBN_SELCHANGE}, 5, true},
        {"AClickOnAnEntryChoosesIt", [](auto &, CComboBox & c) { CAutomation::ClickAt(ComboBoxTest::DropRow(c, 6)); }, {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}, 6, false},
        {"AClickOnTheSelectedEntryChoosesItAgain", [](auto &, CComboBox & c) { CAutomation::ClickAt(ComboBoxTest::DropRow(c, 1)); }, {CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        {"AClickOutsideCancels", [](ComboBoxTest & t, auto &) { CAutomation::ClickAt(t.Outside()); }, {CBN_SELENDCANCEL, CBN_CLOSEUP}, 1, false},
        {"AClickOutsideRestores", [](ComboBoxTest & t, auto &) { Press(VK_DOWN); CAutomation::ClickAt(t.Outside()); }, {CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_SELCHANGE}, 1, false},
        {"AClickOnTheFieldCloses", [](auto &, CComboBox & c) { CAutomation::Click(&c); }, {CBN_SELENDCANCEL, CBN_CLOSEUP}, 1, false},
        {"F4ClosesAsAChoice", [](auto &, auto &) { Press(VK_DOWN); Press(VK_F4); }, {CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}, 2, false},
        {"AltUpClosesAsAChoice", [](auto &, auto &) { Press(VK_UP, CAutomation::modAlt); }, {CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        {"TypingSelectsTheNextEntryBeginningWithTheCharacter", [](auto &, auto &) { CAutomation::TypeText("m"); }, {CBN_SELCHANGE}, 4, true},
        {"LosingTheFocusCancelsFirst", [](ComboBoxTest & t, auto &) { Press(VK_END); t.Other()->SetFocus(); }, {CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_SELCHANGE, CBN_KILLFOCUS}, 1, false},
    };
    // clang-format on
    return rows;
}

} // namespace

TEST_P(ComboBoxOpen, WhileTheListIsOpenTheParentHearsTheUsersActionsInOrder) {
    OpenRow const & row = GetParam();
    CComboBox * combo = Colours(CBS_DROPDOWNLIST);
    combo->SetCurSel(1);
    combo->SetFocus();
    Clear();
    CAutomation::PressKey(VK_F4);
    ASSERT_EQ(Heard(), Codes({CBN_DROPDOWN}));
    ASSERT_TRUE(combo->GetDroppedState());
    Clear();
    row.act(*this, *combo);
    Commands heard = Heard();
    // Another control taking the focus tells its own parent so.
    std::erase_if(heard, [](CParentRecorder::Command const & c) { return c.id == kOther; });
    EXPECT_EQ(heard, Codes(row.heard));
    EXPECT_EQ(combo->GetCurSel(), row.selected);
    EXPECT_EQ(combo->GetWindowText(), combo->GetLBText(row.selected));
    EXPECT_EQ(combo->GetDroppedState(), row.open ? TRUE : FALSE);
    EXPECT_EQ(CWnd::GetCapture() != nullptr, row.open) << "the open list holds the capture";
}

INSTANTIATE_TEST_SUITE_P(Input, ComboBoxOpen, ::testing::ValuesIn(OpenRows()),
                         [](auto const & info) { return std::string(info.param.name); });

TEST_F(ComboBoxTest, AClickOpensTheListAndAClickOnAnEntryChoosesIt) {
    CComboBox * combo = Colours(CBS_DROPDOWNLIST);
    Clear();
    CAutomation::Click(combo);
    EXPECT_EQ(Heard(), Codes({CBN_SETFOCUS, CBN_DROPDOWN}));
    EXPECT_TRUE(combo->GetDroppedState());
    Clear();
    CAutomation::ClickAt(DropRow(*combo, 3));
    EXPECT_EQ(Heard(), Codes({CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(combo->GetCurSel(), 3);
    EXPECT_EQ(combo->GetWindowText(), "Cyan");
    EXPECT_EQ(CWnd::GetFocus(), combo);

    // Pressed on the field, dragged onto an entry and released there also chooses.
    Clear();
    CAutomation::Drag(Screen(*combo, CPoint(20, 10)), DropRow(*combo, 5), 3);
    EXPECT_EQ(Heard(), Codes({CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(combo->GetCurSel(), 5);
}

TEST_F(ComboBoxTest, WhileClosedKeysAndTypingSelectDirectly) {
    // clang-format off
    struct Row {
        char const * name;
        int selected;
        std::vector<UINT> keys; // a key, or a character typed when above 0xFFFF
        std::vector<UINT> heard;
        int expected;
    } const rows[] = {
        {"Down", 0, {VK_DOWN}, {CBN_SELCHANGE}, 1},
        {"Up at the first", 0, {VK_UP}, {}, 0},
        {"End then Home", 3, {VK_END, VK_HOME}, {CBN_SELCHANGE, CBN_SELCHANGE}, 0},
        {"Page Down stops at the last", 0, {VK_NEXT}, {CBN_SELCHANGE}, 7},
        {"Down from no selection", -1, {VK_DOWN}, {CBN_SELCHANGE}, 0},
        {"typing goes round the entries beginning with a character", 0, {0x10000 + 'b', 0x10000 + 'B', 0x10000 + 'b'}, {CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}, 2},
        {"typing what no entry begins with", 0, {0x10000 + 'q'}, {}, 0},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CComboBox * combo = Colours(CBS_DROPDOWNLIST);
        combo->SetCurSel(row.selected);
        combo->SetFocus();
        Clear();
        for (UINT key : row.keys) {
            if (key > 0xFFFF) {
                char const typed[] = {static_cast<char>(key - 0x10000), 0};
                CAutomation::TypeText(typed);
            } else {
                CAutomation::PressKey(key);
            }
        }
        EXPECT_EQ(Heard(), Codes(row.heard));
        EXPECT_EQ(combo->GetCurSel(), row.expected);
        EXPECT_FALSE(combo->GetDroppedState());
        combo->DestroyWindow();
    }
}

TEST_F(ComboBoxTest, AltDownAndF4Open) {
    for (UINT modifiers : {UINT{0}, CAutomation::modAlt}) {
        CComboBox * combo = Colours(CBS_DROPDOWNLIST);
        combo->SetFocus();
        Clear();
        CAutomation::PressKey(modifiers ? VK_DOWN : VK_F4, modifiers);
        EXPECT_EQ(Heard(), Codes({CBN_DROPDOWN}));
        EXPECT_TRUE(combo->GetDroppedState());
        EXPECT_EQ(combo->GetCurSel(), CB_ERR) << "opening selects nothing";
        combo->DestroyWindow();
    }
}

TEST_F(ComboBoxTest, TheProgramsChangesRaiseNothingAndBadIndexesGiveTheDefinedAnswers) {
    CComboBox * combo = Colours(CBS_DROPDOWNLIST);
    combo->SetFocus();
    Clear();
    // clang-format off
    struct Row {
        char const * name;
        std::function<std::intptr_t(CComboBox &)> act;
        std::intptr_t result;
        int selected;
        char const * text;
    } const rows[] = {
        {"select", [](CComboBox & c) { return c.SetCurSel(2); }, 2, 2, "Blue"},
        {"select none", [](CComboBox & c) { return c.SetCurSel(-1); }, CB_ERR, -1, ""},
        {"select beyond the end clears", [](CComboBox & c) { c.SetCurSel(3); return c.SetCurSel(8); }, CB_ERR, -1, ""},
        {"select data", [](CComboBox & c) { return c.SelectData(104); }, 4, 4, "Magenta"},
        {"select missing data clears", [](CComboBox & c) { return c.SelectData(999); }, CB_ERR, -1, ""},
        {"find ignores letter case", [](CComboBox & c) { return c.FindStringExact(-1, "GREEN"); }, 1, -1, ""},
        {"find what is absent", [](CComboBox & c) { return static_cast<std::intptr_t>(static_cast<unsigned>(c.FindStringExact(-1, "Gr"))); }, 0xFFFFFFFF, -1, ""},
        {"data beyond the end", [](CComboBox & c) { return static_cast<std::intptr_t>(c.GetItemData(8)); }, -1, -1, ""},
        {"text beyond the end", [](CComboBox & c) { return c.GetLBText(8).GetLength(); }, 0, -1, ""},
        {"delete beyond the end", [](CComboBox & c) { return c.DeleteString(8); }, CB_ERR, -1, ""},
        {"insert beyond the end", [](CComboBox & c) { return c.InsertString(9, "x"); }, CB_ERR, -1, ""},
        {"a drop-down list has no edit selection", [](CComboBox & c) { return c.SetEditSel(0, 1); }, FALSE, -1, ""},
        {"deleting the selected entry clears", [](CComboBox & c) { c.SetCurSel(2); return c.DeleteString(2); }, 7, -1, ""},
        {"inserting above keeps the selected entry", [](CComboBox & c) { c.SetCurSel(2); return c.InsertString(0, "Orange", 7); }, 0, 3, "Cyan"},
        {"open", [](CComboBox & c) { c.ShowDropDown(TRUE); return c.GetDroppedState(); }, TRUE, 3, "Cyan"},
        {"close", [](CComboBox & c) { c.ShowDropDown(FALSE); return c.GetDroppedState(); }, FALSE, 3, "Cyan"},
        {"empty", [](CComboBox & c) { c.ResetContent(); return c.GetCount(); }, 0, -1, ""},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.act(*combo), row.result);
        EXPECT_EQ(combo->GetCurSel(), row.selected);
        EXPECT_EQ(combo->GetWindowText(), row.text);
    }
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ComboBoxTest, ADropDownsFieldIsAnEditWhoseTypingIsHeard) {
    CComboBox * combo = Numbers();
    CEditCtrl * edit = EditOf(*combo);
    ASSERT_NE(edit, nullptr);
    Clear();
    CAutomation::Click(edit);
    EXPECT_EQ(CWnd::GetFocus(), edit);
    EXPECT_EQ(Heard(), Codes({CBN_SETFOCUS}));
    Clear();
    CAutomation::TypeText("12");
    EXPECT_EQ(Heard(), Codes({CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE}));
    EXPECT_EQ(combo->GetWindowText(), "12");
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);

    // The entry of exactly the text typed is selected, silently.
    struct Step {
        char const * typed;
        char const * text;
        int selected;
    } const steps[] = {{"\b\b1", "1", -1}, {"0", "10", 0}, {"0", "100", 3}, {"\b", "10", 0}};
    for (Step const & step : steps) {
        Clear();
        CAutomation::TypeText(step.typed);
        EXPECT_EQ(combo->GetWindowText(), step.text);
        EXPECT_EQ(combo->GetCurSel(), step.selected) << step.text;
        for (CParentRecorder::Command const & command : Heard())
            EXPECT_TRUE(command.code == CBN_EDITUPDATE || command.code == CBN_EDITCHANGE);
    }
}

TEST_F(ComboBoxTest, ADropDownsTextFollowsTheSelectionAndTheProgram) {
    CComboBox * combo = Numbers();
    CEditCtrl * edit = EditOf(*combo);
    combo->SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), edit) << "the focus lives in the edit field";
    Clear();

    EXPECT_EQ(combo->SetCurSel(2), 2);
    EXPECT_EQ(combo->GetWindowText(), "50");
    combo->SetWindowText("20");
    EXPECT_EQ(combo->GetCurSel(), 1) << "the entry of that text";
    combo->SetWindowText("33");
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(combo->GetWindowText(), "33");
    EXPECT_TRUE(combo->SetEditSel(0, 1));
    EXPECT_EQ(Sel(*edit), std::make_pair(0, 1));
    EXPECT_TRUE(combo->SetEditSel(0, -1));
    EXPECT_EQ(Sel(*edit), std::make_pair(0, 2));
    EXPECT_TRUE(Heard().empty());

    // Up and Down select entries, the text follows, selected whole; Home stays in the edit.
    CAutomation::PressKey(VK_DOWN);
    EXPECT_EQ(combo->GetWindowText(), "10");
    CAutomation::PressKey(VK_DOWN);
    EXPECT_EQ(combo->GetWindowText(), "20");
    EXPECT_EQ(Sel(*edit), std::make_pair(0, 2));
    CAutomation::PressKey(VK_HOME);
    EXPECT_EQ(Sel(*edit), std::make_pair(0, 0));
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(Heard(), Codes({CBN_SELCHANGE, CBN_SELCHANGE}));

    Clear();
    combo->SetCurSel(-1);
    EXPECT_EQ(combo->GetWindowText(), "");
    combo->LimitText(3);
    CAutomation::TypeText("12345");
    EXPECT_EQ(combo->GetWindowText(), "123");
    combo->ResetContent();
    EXPECT_EQ(combo->GetWindowText(), "");
    EXPECT_EQ(combo->GetCount(), 0);
}

TEST_F(ComboBoxTest, ADropDownKeepsTheTypedTextUnlessAnEntryIsChosen) {
    CComboBox * combo = Numbers();
    combo->SetFocus();
    CAutomation::TypeText("33");
    Clear();
    CAutomation::PressKey(VK_F4);
    CAutomation::PressKey(VK_ESCAPE);
    EXPECT_EQ(Heard(), Codes({CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(combo->GetWindowText(), "33");

    Clear();
    CAutomation::Click(combo, ButtonPoint(*combo));
    CAutomation::ClickAt(DropRow(*combo, 2));
    EXPECT_EQ(Heard(), Codes({CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(combo->GetWindowText(), "50");
    EXPECT_EQ(CWnd::GetFocus(), EditOf(*combo));

    // A click on the edit field does not open the list.
    Clear();
    CAutomation::Click(EditOf(*combo));
    EXPECT_FALSE(combo->GetDroppedState());
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ComboBoxTest, TheFocusLeavesOnlyWhenItLeavesTheWholeComboBox) {
    for (DWORD style : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
        SCOPED_TRACE(style);
        CComboBox * combo = Colours(style);
        CListBox * other = Other();
        other->SetFocus();
        Clear();
        // clang-format off
        struct Step {
            char const * name;
            std::function<void()> act;
            Commands heard;
            bool inside; // the focus is in the combo box, its edit or its list afterwards
        } const steps[] = {
            {"the program focuses it", [&] { combo->SetFocus(); }, Commands{{kOther, LBN_KILLFOCUS}, {kCombo, CBN_SETFOCUS}}, true},
            {"a click on the button", [&] { CAutomation::Click(combo, ButtonPoint(*combo)); }, Codes({CBN_DROPDOWN}), true},
            {"the focus goes into the open list", [&] { DropList(*combo)->SetFocus(); }, {}, true},
            {"keys there still select", [&] { CAutomation::PressKey(VK_DOWN); }, Codes({CBN_SELCHANGE}), true},
            {"the focus comes back", [&] { combo->SetFocus(); }, {}, true},
            {"and goes into the list again", [&] { DropList(*combo)->SetFocus(); }, {}, true},
            {"Return there chooses and the list hands the focus back", [&] { CAutomation::PressKey(VK_RETURN); }, Codes({CBN_SELENDOK, CBN_CLOSEUP}), true},
            {"a click on the button opens it again", [&] { CAutomation::Click(combo, ButtonPoint(*combo)); }, Codes({CBN_DROPDOWN}), true},
            {"another control takes it", [&] { other->SetFocus(); }, Commands{{kCombo, CBN_SELENDCANCEL}, {kCombo, CBN_CLOSEUP}, {kCombo, CBN_KILLFOCUS}, {kOther, LBN_SETFOCUS}}, false},
        };
        // clang-format on
        for (Step const & step : steps) {
            SCOPED_TRACE(step.name);
            Clear();
            step.act();
            EXPECT_EQ(Heard(), step.heard);
            CWnd * focus = CWnd::GetFocus();
            bool const inside = focus == combo || (focus && focus->GetParent() == combo);
            EXPECT_EQ(inside, step.inside);
        }
        EXPECT_EQ(combo->GetCurSel(), 0);
        combo->DestroyWindow();
        other->DestroyWindow();
    }
}

TEST_F(ComboBoxTest, TheOpenListShowsTheSelectionAndScrollsWithoutClosing) {
    CComboBox * combo = AddCombo(kCombo, CBS_DROPDOWNLIST);
    for (int i = 0; i < 20; ++i)
        combo->AddString(("Entry " + std::to_string(i)).c_str());
    combo->SetCurSel(15);
    combo->SetFocus();
    Clear();
    CAutomation::PressKey(VK_F4);
    EXPECT_EQ(combo->GetTopIndex(), 7) << "the selection in the last of nine rows";

    // The wheel and the list's own scroll bar scroll it; it stays open, nothing is chosen.
    CRect const list = combo->GetDroppedControlRect();
    CInput::MouseWheel(CPoint(list.left + 10, list.top + 10), WHEEL_DELTA);
    EXPECT_EQ(combo->GetTopIndex(), 4);
    CAutomation::ClickAt(CPoint(list.right - 1 - barWidth / 2, list.top + 6));
    EXPECT_EQ(combo->GetTopIndex(), 3) << "the up arrow";
    EXPECT_TRUE(combo->GetDroppedState());
    EXPECT_EQ(Heard(), Codes({CBN_DROPDOWN}));
    EXPECT_EQ(combo->GetCurSel(), 15);

    // Opened again, the list starts from its first entry.
    CAutomation::PressKey(VK_ESCAPE);
    combo->SetCurSel(3);
    CAutomation::PressKey(VK_F4);
    EXPECT_EQ(combo->GetTopIndex(), 0);
}

TEST_F(ComboBoxTest, TheWindowIsTheFieldAndTheCreationHeightBoundsTheList) {
    CComboBox * combo = Colours(CBS_DROPDOWNLIST);
    CRect window = combo->GetWindowRect();
    EXPECT_EQ(window.Height(), fieldHeight);
    EXPECT_EQ(combo->SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), fieldHeight);
    EXPECT_EQ(combo->GetItemHeight(), rowHeight);
    // Eight entries fit the room of seven fields below the field.
    EXPECT_EQ(combo->GetDroppedControlRect(),
              CRect(window.left, window.bottom, window.right, window.bottom + 8 * rowHeight + 2));
    for (int i = 0; i < 12; ++i)
        combo->AddString("more");
    // Twenty do not: the list shows the whole rows that fit.
    EXPECT_EQ(combo->GetDroppedControlRect().Height(), 9 * rowHeight + 2);

    // A move sets the room again; the window stays the field.
    combo->MoveWindow(CRect(150, 50, 300, 150));
    window = combo->GetWindowRect();
    EXPECT_EQ(window.Height(), fieldHeight);
    EXPECT_EQ(window.top, 150) << "the parent's client area starts at 100";
    EXPECT_EQ(combo->GetDroppedControlRect().Height(), 5 * rowHeight + 2) << "79 below";
    combo->MoveWindow(CRect(150, 50, 300, 50 + fieldHeight));
    EXPECT_EQ(combo->GetDroppedControlRect().Height(), 5 * rowHeight + 2);

    // A combo box made no higher than its field still opens a row.
    auto * flat = new CComboBox;
    ASSERT_TRUE(
        flat->Create("", WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 250, 100, 260), &m_parent, 21));
    flat->AddString("one");
    flat->AddString("two");
    EXPECT_EQ(flat->GetWindowRect().Height(), fieldHeight);
    EXPECT_EQ(flat->GetDroppedControlRect().Height(), rowHeight + 2);
}

TEST_F(ComboBoxTest, DisablingClosesTheListAndShutsOutTheUser) {
    for (DWORD style : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
        SCOPED_TRACE(style);
        CComboBox * combo = Colours(style);
        combo->SetFocus();
        combo->ShowDropDown(TRUE);
        Clear();
        combo->EnableWindow(FALSE);
        EXPECT_FALSE(combo->GetDroppedState());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_EQ(Heard(), Codes({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}))
            << "the focus it loses closes the list";
        if (CEditCtrl * edit = EditOf(*combo)) {
            EXPECT_FALSE(edit->IsWindowEnabled());
        }
        Clear();
        CAutomation::Click(combo, ButtonPoint(*combo));
        CAutomation::Click(combo);
        EXPECT_FALSE(combo->GetDroppedState());
        EXPECT_TRUE(Heard().empty());
        combo->DestroyWindow();
    }
}

TEST_F(ComboBoxTest, HidingClosesTheListSilently) {
    CComboBox * combo = Colours(CBS_DROPDOWNLIST);
    combo->ShowDropDown(TRUE);
    ASSERT_TRUE(combo->GetDroppedState());
    Clear();
    combo->ShowWindow(SW_HIDE);
    EXPECT_FALSE(combo->GetDroppedState());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(CInput::WindowFromPoint(DropRow(*combo, 0)), m_parent.GetSafeHwnd());
    combo->ShowDropDown(TRUE);
    EXPECT_FALSE(combo->GetDroppedState()) << "a hidden combo box does not open";
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ComboBoxTest, DestroyingAnOpenComboBoxTakesItsListAlong) {
    CComboBox * combo = Colours(CBS_DROPDOWN);
    CAutomation::Click(combo, ButtonPoint(*combo));
    CWnd * list = DropList(*combo);
    ASSERT_NE(list, nullptr);
    HWND const listHandle = list->GetSafeHwnd();
    EXPECT_EQ(CWnd::GetCapture(), list);
    Clear();
    combo->DestroyWindow();
    CAutomation::Pump();
    EXPECT_FALSE(CWnd::IsWindow(listHandle));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(Heard().empty()) << "a dying combo box tells nothing";
}

TEST_F(ComboBoxTest, AHandlerMayDestroyTheComboBoxOrItsParent) {
    // A destroyed combo box says nothing more; one whose parent is being destroyed still loses
    // the focus, as on Windows.
    using Act = std::function<void(ComboBoxTest &, CComboBox &)>;
    Act const click = [](auto &, CComboBox & c) { CAutomation::Click(&c); };
    Act const type = [](auto &, CComboBox & c) {
        c.SetFocus();
        CAutomation::TypeText("x");
    };
    // clang-format off
    struct Row { DestroyRow destroy; DWORD style; Act act; };
    Row const rows[] = {
        {{"the combo box as it gets the focus", "20:setfocus", false, {}}, CBS_DROPDOWNLIST, click},
        {{"the combo box as its list opens", "20:dropdown", false, {}}, CBS_DROPDOWNLIST, click},
        {{"the combo box on a choice", "20:selendok", false, {}}, CBS_DROPDOWN, [](auto &, CComboBox & c) { CAutomation::Click(&c, ButtonPoint(c)); CAutomation::ClickAt(DropRow(c, 2)); }},
        {{"the combo box as its list closes", "20:closeup", false, {}}, CBS_DROPDOWNLIST, [](auto &, CComboBox & c) { CAutomation::Click(&c); CAutomation::PressKey(VK_ESCAPE); }},
        {{"the combo box on a change by a key", "20:selchange", false, {}}, CBS_DROPDOWNLIST, [](auto &, CComboBox & c) { c.SetFocus(); CAutomation::PressKey(VK_DOWN); }},
        {{"the combo box on a change after choosing", "20:selchange", false, {}}, CBS_DROPDOWN, [](auto &, CComboBox & c) { CAutomation::Click(&c, ButtonPoint(c)); CAutomation::ClickAt(DropRow(c, 3)); }},
        {{"the combo box as the focus leaves it open", "20:killfocus", false, {}}, CBS_DROPDOWN, [](ComboBoxTest & t, CComboBox & c) { CAutomation::Click(&c, ButtonPoint(c)); t.Other()->SetFocus(); }},
        {{"the combo box on typing", "20:editupdate", false, {}}, CBS_DROPDOWN, type},
        {{"the combo box after typing", "20:editchange", false, {}}, CBS_DROPDOWN, type},
        {{"the parent on a choice", "20:selendok", true, {"20:killfocus"}}, CBS_DROPDOWNLIST, [](auto &, CComboBox & c) { CAutomation::Click(&c); CAutomation::ClickAt(DropRow(c, 2)); }},
        {{"the parent on a cancel", "20:selendcancel", true, {"20:killfocus"}}, CBS_DROPDOWN, [](ComboBoxTest & t, CComboBox & c) { CAutomation::Click(&c, ButtonPoint(c)); CAutomation::ClickAt(t.Outside()); }},
    };
    // clang-format on
    for (Row const & row : rows) {
        CComboBox * combo = Colours(row.style);
        CheckDestroyedByHandler(row.destroy, *combo, [&] { row.act(*this, *combo); });
    }
}

TEST_F(ComboBoxTest, TheClassWorksThroughMessagesAlone) {
    CWnd raw;
    ASSERT_TRUE(raw.Create(CComboBox::WindowClassName(), "",
                           WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT,
                           CRect(10, 10, 130, 100), &m_parent, 9));
    raw.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
    raw.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Alpha"));
    EXPECT_EQ(raw.SendMessage(CB_GETCOUNT), 2);
    EXPECT_EQ(raw.SendMessage(CB_GETLBTEXTLEN, 1), 4);
    EXPECT_EQ(raw.SendMessage(CB_SETCURSEL, 0), 0);
    EXPECT_EQ(raw.GetWindowText(), "Alpha");
    EXPECT_EQ(raw.SendMessage(WM_GETTEXTLENGTH), 5);
    EXPECT_EQ(raw.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("BETA")), TRUE);
    EXPECT_EQ(raw.SendMessage(CB_GETCURSEL), 1);
    EXPECT_EQ(raw.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gamma")), CB_ERR)
        << "a drop-down list shows only its entries";
    EXPECT_EQ(raw.SendMessage(CB_GETCURSEL), 1);
    EXPECT_EQ(raw.SendMessage(CB_SHOWDROPDOWN, TRUE), TRUE);
    EXPECT_EQ(raw.SendMessage(CB_GETDROPPEDSTATE), TRUE);
    EXPECT_EQ(raw.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
    MSG const escape(raw.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(raw.SendMessage(WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&escape)),
              DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTMESSAGE)
        << "an open list wants Escape";
    EXPECT_EQ(raw.SendMessage(CB_SHOWDROPDOWN, FALSE), TRUE);
    EXPECT_EQ(raw.SendMessage(CB_GETDROPPEDSTATE), FALSE);
}
