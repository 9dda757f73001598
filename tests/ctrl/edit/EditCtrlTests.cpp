#include "CAutomation.hpp"
#include "CClipboard.hpp"
#include "CEditCtrl.hpp"
#include "CEditModel.hpp"
#include "CHeadlessDevice.hpp"
#include "CInput.hpp"
#include "EditMessages.hpp"
#include "KeySteps.hpp"
#include "ParentTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr int kCell = CHeadlessDevice::cellWidth;
constexpr int kMargin = CEditCtrl::textMargin;
constexpr UINT kShift = CAutomation::modShift;
constexpr UINT kCtrl = CAutomation::modControl;

// "Größe é": 10 bytes, 7 code points.
char const * const kGroesse = "Gr\xC3\xB6\xC3\x9F"
                              "e \xC3\xA9";

std::pair<int, int> Sel(CEditCtrl * edit) {
    int start = -1;
    int end = -1;
    edit->GetSel(start, end);
    return {start, end};
}

class EditCtrlTest : public ParentTestBase {
protected:
    EditCtrlTest() : ParentTestBase(CRect(0, 0, 600, 400)) {}

    void SetUp() override {
        ParentTestBase::SetUp();
        CClipboard::SetProvider(nullptr);
        CClipboard::Empty();
    }

    // An edit control 20 pixels high, one row per identifier.
    CEditCtrl * AddEdit(UINT id, DWORD style = ES_AUTOHSCROLL, char const * text = "",
                        int width = 200) {
        auto * edit = new CEditCtrl;
        int const top = 10 + 30 * static_cast<int>(id % 10);
        EXPECT_TRUE(edit->Create(text, WS_VISIBLE | WS_TABSTOP | style,
                                 CRect(10, top, 10 + width, top + 20), &m_parent, id));
        return edit;
    }

    // A focused edit holding a text and a selection, with nothing heard yet.
    CEditCtrl * Prepared(char const * text, int start, int end, DWORD style = ES_AUTOHSCROLL) {
        CEditCtrl * edit = AddEdit(1, style);
        edit->SetWindowText(text);
        edit->SetFocus();
        edit->SetSel(start, end);
        CAutomation::Pump();
        m_parent.Clear();
        return edit;
    }

    // A point of an edit's client area: x pixels from the left, halfway down.
    static CPoint At(int x) { return CPoint(x, 10); }
    static CPoint Screen(CWnd * wnd, int x) {
        CPoint point = At(x);
        wnd->ClientToScreen(point);
        return point;
    }

    // The text changes heard, checking that each EN_UPDATE comes just before its EN_CHANGE.
    int ChangesHeard() {
        int changes = 0;
        Lines const heard = Heard();
        for (std::size_t i = 0; i < heard.size(); ++i) {
            if (heard[i] == "1:update") {
                EXPECT_TRUE(i + 1 < heard.size() && heard[i + 1] == "1:change")
                    << "EN_UPDATE without EN_CHANGE after it";
            } else if (heard[i] == "1:change") {
                EXPECT_TRUE(i > 0 && heard[i - 1] == "1:update") << "EN_CHANGE without EN_UPDATE";
                ++changes;
            }
        }
        return changes;
    }

    // What the parent heard, as "<id>:<notification>" lines.
    Lines const & Heard() const { return m_parent.m_heard; }
};

// Keys through the real input road.
struct KeyRow {
    char const * name;
    char const * text;
    int start;
    int end;
    std::vector<Step> steps;
    char const * expectText;
    int expectStart;
    int expectEnd;
    int expectChanges;
};

class EditKeys : public EditCtrlTest, public ::testing::WithParamInterface<KeyRow> {};

std::vector<KeyRow> const & KeyRows() {
    // clang-format off
    static std::vector<KeyRow> const rows = {
        {"ShiftLeftSelects", "hello", 5, 5, {Key(VK_LEFT, kShift), Key(VK_LEFT, kShift)}, "hello", 3, 5, 0},
        {"CtrlShiftLeftSelectsAWord", "hello world", 11, 11, {Key(VK_LEFT, kShift | kCtrl)}, "hello world", 6, 11, 0},
        {"CtrlRightMovesByWords", "one two", 0, 0, {Key(VK_RIGHT, kCtrl)}, "one two", 4, 4, 0},
        {"RightCollapsesTheSelection", "hello", 1, 4, {Key(VK_RIGHT)}, "hello", 4, 4, 0},
        {"CtrlASelectsAllAndTypingReplacesIt", "hello", 0, 0, {Key('A', kCtrl), Type("x")}, "x", 1, 1, 1},
        {"HomeShiftEndDelete", "hello", 2, 2, {Key(VK_HOME), Key(VK_END, kShift), Key(VK_DELETE)}, "", 0, 0, 1},
        {"BackspaceDeletesOnce", "hello", 5, 5, {Type("\b")}, "hell", 4, 4, 1},
        {"CtrlDeleteAndCtrlBackspaceDeleteWords", "one two six", 4, 4, {Key(VK_DELETE, kCtrl), Key(VK_BACK, kCtrl)}, "six", 0, 0, 2},
        {"CtrlZUndoesTheTyping", "", 0, 0, {Type("abc"), Key('Z', kCtrl)}, "", 0, 0, 4},
        {"TabReturnAndEscapeTypeNothing", "ab", 2, 2, {Type("\t\r\x1b")}, "ab", 2, 2, 0},
        {"CtrlLettersTypeNothing", "ab", 2, 2, {Key('Q', kCtrl), Key('B', kCtrl)}, "ab", 2, 2, 0},
        {"TypingNonAscii", "", 0, 0, {Type(kGroesse)}, kGroesse, 10, 10, 7},
    };
    // clang-format on
    return rows;
}

} // namespace

TEST_P(EditKeys, KeysGiveTextSelectionAndNotifications) {
    KeyRow const & row = GetParam();
    CEditCtrl * edit = Prepared(row.text, row.start, row.end);
    Do(row.steps);
    EXPECT_EQ(edit->GetWindowText().Str(), row.expectText);
    EXPECT_EQ(Sel(edit), std::make_pair(row.expectStart, row.expectEnd));
    EXPECT_EQ(ChangesHeard(), row.expectChanges);
    EXPECT_EQ(m_parent.CountCommands(EN_UPDATE), row.expectChanges);
}

INSTANTIATE_TEST_SUITE_P(Input, EditKeys, ::testing::ValuesIn(KeyRows()),
                         [](auto const & info) { return std::string(info.param.name); });

TEST_F(EditCtrlTest, TypingNotifiesUpdateThenChangeAndSetsTheModifiedFlag) {
    CEditCtrl * edit = Prepared("", 0, 0);
    CAutomation::TypeText("ab");
    EXPECT_EQ(Heard(), (Lines{"1:update", "1:change", "1:update", "1:change"}));
    EXPECT_EQ(edit->GetWindowText(), "ab");
    EXPECT_EQ(edit->SendMessage(WM_GETTEXTLENGTH), 2);
    EXPECT_TRUE(edit->GetModify());
}

TEST_F(EditCtrlTest, TheProgramSettingTextRaisesNothingAndClearsModifyAndUndo) {
    CEditCtrl * edit = Prepared("", 0, 0);
    CAutomation::TypeText("typed");
    m_parent.Clear();
    edit->SetWindowText(kGroesse);
    EXPECT_TRUE(Heard().empty());
    EXPECT_FALSE(edit->GetModify());
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_EQ(Sel(edit), std::make_pair(0, 0)) << "the caret goes to the start";
    EXPECT_EQ(edit->GetWindowText(), kGroesse);
    EXPECT_EQ(edit->SendMessage(WM_GETTEXTLENGTH), 10) << "lengths are in bytes";
}

TEST_F(EditCtrlTest, ModifiedFlagFollowsTheUsersChanges) {
    CEditCtrl * edit = Prepared("", 0, 0);
    struct Case {
        char const * what;
        std::function<void()> act;
        BOOL modified;
    } const cases[] = {
        {"typing", [] { CAutomation::TypeText("a"); }, TRUE},
        {"SetModify(FALSE)", [edit] { edit->SetModify(FALSE); }, FALSE},
        {"a caret move", [] { CAutomation::PressKey(VK_LEFT); }, FALSE},
        {"copying", [] { CAutomation::PressKey('C', kCtrl); }, FALSE},
        {"undo", [] { CAutomation::PressKey('Z', kCtrl); }, TRUE},
        {"SetWindowText", [edit] { edit->SetWindowText("x"); }, FALSE},
        {"SetModify(TRUE)", [edit] { edit->SetModify(TRUE); }, TRUE},
        {"EM_SETMODIFY 0", [edit] { edit->SendMessage(EM_SETMODIFY, 0); }, FALSE},
    };
    for (Case const & c : cases) {
        c.act();
        EXPECT_EQ(edit->GetModify(), c.modified) << "after " << c.what;
        EXPECT_EQ(edit->SendMessage(EM_GETMODIFY) != 0, c.modified != 0) << "after " << c.what;
    }
}

TEST_F(EditCtrlTest, TheLimitCutsTypingAndRaisesMaxText) {
    CEditCtrl * edit = Prepared("", 0, 0);
    edit->LimitText(3);
    EXPECT_EQ(edit->GetLimitText(), 3u);
    CAutomation::TypeText("abcd");
    EXPECT_EQ(edit->GetWindowText(), "abc");
    EXPECT_EQ(ChangesHeard(), 3);
    EXPECT_EQ(Heard().back(), "1:maxtext");
    EXPECT_EQ(m_parent.CountCommands(EN_MAXTEXT), 1);

    // The program's text is kept whole; the user can then only shorten it.
    edit->SetWindowText("longer");
    EXPECT_EQ(edit->GetWindowText(), "longer");
    CAutomation::PressKey(VK_END);
    m_parent.Clear();
    CAutomation::TypeText("x\b");
    EXPECT_EQ(edit->GetWindowText(), "longe");
    EXPECT_EQ(Heard(), (Lines{"1:maxtext", "1:update", "1:change"}));

    edit->LimitText(0);
    EXPECT_EQ(edit->GetLimitText(), CEditModel::defaultLimit);
}

// What password and read-only fields refuse is the editing model's; the control switches
// the model's flags with its styles.
TEST_F(EditCtrlTest, PasswordFieldsHideTheTextButGiveItToTheProgram) {
    CEditCtrl * edit = Prepared("", 0, 0, ES_AUTOHSCROLL | ES_PASSWORD);
    EXPECT_EQ(edit->GetPasswordChar(), CEditModel::defaultPasswordChar);
    CAutomation::TypeText("p\xC3\xA4sswort");
    EXPECT_EQ(edit->GetWindowText(), "p\xC3\xA4sswort");
    CClipboard::SetText("before");
    CAutomation::PressKey('A', kCtrl);
    CAutomation::PressKey('C', kCtrl);
    EXPECT_EQ(CClipboard::GetText(), "before") << "copying is refused";
    edit->SetPasswordChar(0);
    EXPECT_FALSE(edit->GetStyle() & ES_PASSWORD);
    CAutomation::PressKey('C', kCtrl);
    EXPECT_EQ(CClipboard::GetText(), "p\xC3\xA4sswort") << "a plain field copies again";
}

TEST_F(EditCtrlTest, ReadOnlyRefusesChangesButAllowsCopyingAndMoving) {
    CEditCtrl * edit = Prepared("fixed", 5, 5, ES_AUTOHSCROLL | ES_READONLY);
    CClipboard::SetText("other");
    CAutomation::TypeText("x");
    CAutomation::PressKey('V', kCtrl);
    CAutomation::PressKey(VK_LEFT, kShift);
    EXPECT_EQ(Sel(edit), std::make_pair(4, 5)) << "moving still selects";
    CAutomation::PressKey('C', kCtrl);
    EXPECT_EQ(CClipboard::GetText(), "d") << "copying is allowed";
    EXPECT_EQ(edit->GetWindowText(), "fixed");
    EXPECT_TRUE(Heard().empty());
    EXPECT_FALSE(edit->GetModify());
    EXPECT_TRUE(edit->SetReadOnly(FALSE));
    EXPECT_FALSE(edit->GetStyle() & ES_READONLY);
    CAutomation::TypeText("D");
    EXPECT_EQ(edit->GetWindowText(), "fixeD");
    edit->SetReadOnly(TRUE);
    EXPECT_TRUE(edit->GetStyle() & ES_READONLY);
    CAutomation::TypeText("!");
    EXPECT_EQ(edit->GetWindowText(), "fixeD");
}

TEST_F(EditCtrlTest, TheClipboardKeysCutCopyAndPaste) {
    CEditCtrl * edit = Prepared("", 0, 0);
    CAutomation::TypeText("hello world");
    CAutomation::PressKey(VK_LEFT, kShift | kCtrl);
    m_parent.Clear();
    CAutomation::PressKey('X', kCtrl);
    EXPECT_EQ(CClipboard::GetText(), "world");
    EXPECT_EQ(edit->GetWindowText(), "hello ");
    EXPECT_EQ(ChangesHeard(), 1);
    CAutomation::PressKey(VK_HOME);
    CAutomation::PressKey('V', kCtrl);
    EXPECT_EQ(edit->GetWindowText(), "worldhello ");
    CAutomation::PressKey(VK_END);
    CAutomation::PressKey(VK_INSERT, kShift);
    EXPECT_EQ(edit->GetWindowText(), "worldhello world");
    CAutomation::PressKey(VK_HOME);
    CAutomation::PressKey(VK_RIGHT, kShift | kCtrl);
    CAutomation::PressKey(VK_INSERT, kCtrl);
    EXPECT_EQ(CClipboard::GetText(), "worldhello ");
    CAutomation::PressKey(VK_DELETE, kShift);
    EXPECT_EQ(edit->GetWindowText(), "world");
    EXPECT_EQ(ChangesHeard(), 4);

    // The program's calls do the same.
    edit->SetSel(CRange(TRUE));
    edit->Copy();
    edit->SetSel(CRange(-1, -1));
    edit->Paste();
    EXPECT_EQ(edit->GetWindowText(), "worldworld");
    edit->SetSel(0, 5);
    edit->Cut();
    EXPECT_EQ(edit->GetWindowText(), "world");
    edit->SetSel(0, 1);
    edit->Clear();
    EXPECT_EQ(edit->GetWindowText(), "orld");
    EXPECT_TRUE(edit->Undo());
    EXPECT_EQ(edit->GetWindowText(), "world");
}

TEST_F(EditCtrlTest, ClicksPlaceTheCaretAtTheNearestBoundary) {
    struct Case {
        DWORD style;
        char const * text;
        int x;
        int caret;
    };
    // In a 200-pixel edit the text area is 196 wide; a 3-character text leaves 175 free.
    int const right = kMargin + 196 - 3 * kCell;
    int const centre = kMargin + (196 - 3 * kCell) / 2;
    Case const cases[] = {
        {ES_LEFT, "abcdefghij", kMargin, 0},
        {ES_LEFT, "abcdefghij", kMargin + 3, 0},
        {ES_LEFT, "abcdefghij", kMargin + 4, 1},
        {ES_LEFT, "abcdefghij", kMargin + 3 * kCell, 3},
        {ES_LEFT, "abcdefghij", kMargin + 3 * kCell + 4, 4},
        {ES_LEFT, "abcdefghij", kMargin + 9 * kCell + 4, 10},
        {ES_LEFT, "abcdefghij", 190, 10},
        {ES_LEFT, kGroesse, kMargin + 4 * kCell + 1, 6}, // four code points, six bytes
        {ES_RIGHT, "abc", 10, 0},
        {ES_RIGHT, "abc", right + kCell + 1, 1},
        {ES_RIGHT, "abc", 195, 3},
        {ES_CENTER, "abc", centre + 2 * kCell + 2, 2},
        {ES_CENTER, "abc", centre - 20, 0},
    };
    UINT id = 1;
    for (Case const & c : cases) {
        CEditCtrl * edit = AddEdit(id++, c.style, c.text);
        CAutomation::Click(edit, At(c.x));
        EXPECT_EQ(CWnd::GetFocus(), edit) << "a click gives the focus";
        EXPECT_EQ(Sel(edit), std::make_pair(c.caret, c.caret)) << c.text << " at " << c.x;
        edit->DestroyWindow();
    }
}

TEST_F(EditCtrlTest, ShiftClickExtendsAndDraggingSelects) {
    CEditCtrl * edit = AddEdit(1, ES_AUTOHSCROLL, "abcdefghij");
    CAutomation::Click(edit, At(kMargin + 2 * kCell));
    CInput::KeyDown(VK_SHIFT);
    CAutomation::Click(edit, At(kMargin + 6 * kCell));
    CInput::KeyUp(VK_SHIFT);
    EXPECT_EQ(Sel(edit), std::make_pair(2, 6));

    CAutomation::Drag(Screen(edit, kMargin + 1 * kCell), Screen(edit, kMargin + 5 * kCell));
    EXPECT_EQ(Sel(edit), std::make_pair(1, 5));
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the capture ends with the button";

    // Dragging leftwards leaves the caret at the left end of the selection.
    CAutomation::Drag(Screen(edit, kMargin + 7 * kCell), Screen(edit, kMargin + 3 * kCell));
    EXPECT_EQ(Sel(edit), std::make_pair(3, 7));
    CAutomation::PressKey(VK_LEFT, kShift);
    EXPECT_EQ(Sel(edit), std::make_pair(2, 7));

    // Beyond the right edge the drag selects to the end.
    CAutomation::Drag(Screen(edit, kMargin), Screen(edit, 260));
    EXPECT_EQ(Sel(edit), std::make_pair(0, 10));
}

TEST_F(EditCtrlTest, DoubleClickSelectsAWord) {
    // clang-format off
    struct Case { int cell; int start; int end; } const cases[] = {
        {5, 4, 7},   // inside "two"
        {4, 4, 7},   // on its first letter
        {3, 3, 4},   // on the blank
        {20, 8, 13}, // beyond the end: the last word
    };
    // clang-format on
    CEditCtrl * edit = AddEdit(1, ES_AUTOHSCROLL, "one two three");
    for (auto const & c : cases) {
        CAutomation::DoubleClick(edit, At(kMargin + c.cell * kCell + 2));
        EXPECT_EQ(Sel(edit), std::make_pair(c.start, c.end)) << "cell " << c.cell;
    }
}

TEST_F(EditCtrlTest, TheTextScrollsToKeepTheCaretVisible) {
    // Room for four characters.
    CEditCtrl * edit = AddEdit(1, ES_AUTOHSCROLL, "", 2 * kMargin + 4 * kCell);
    edit->SetFocus();
    CAutomation::TypeText("abcdefgh");
    EXPECT_EQ(edit->GetWindowText(), "abcdefgh");
    // The first four characters are scrolled out of sight on the left.
    CAutomation::Click(edit, At(kMargin));
    EXPECT_EQ(Sel(edit), std::make_pair(4, 4));
    CAutomation::PressKey(VK_HOME);
    CAutomation::Click(edit, At(kMargin + kCell));
    EXPECT_EQ(Sel(edit), std::make_pair(1, 1));
}

TEST_F(EditCtrlTest, WithoutAutoScrollTypingStopsAtTheWidth) {
    struct Case {
        DWORD style;
        bool fits;
    } const cases[] = {{ES_LEFT, false}, {ES_AUTOHSCROLL, true}};
    UINT id = 1;
    for (Case const & c : cases) {
        CEditCtrl * edit = AddEdit(id, c.style, "", 2 * kMargin + 4 * kCell + 3);
        int const room = (edit->GetClientRect().Width() - 2 * kMargin) / kCell;
        std::string const typed(static_cast<std::size_t>(room + 2), 'x');
        edit->SetFocus();
        m_parent.Clear();
        CAutomation::TypeText(typed.c_str());
        std::string const expected = c.fits ? typed : typed.substr(0, room);
        EXPECT_EQ(edit->GetWindowText().Str(), expected) << c.style;
        EXPECT_EQ(m_parent.CountCommands(EN_MAXTEXT), c.fits ? 0 : 2) << c.style;
        // Pasting is held to the width too.
        edit->SetWindowText("");
        CClipboard::SetText(typed.c_str());
        CAutomation::PressKey('V', kCtrl);
        EXPECT_EQ(edit->GetWindowText().Str(), expected) << c.style;
        edit->DestroyWindow();
        ++id;
    }
}

TEST_F(EditCtrlTest, CaseStylesConvertAsciiLetters) {
    // clang-format off
    struct Case { DWORD style; char const * typed; char const * expected; } const cases[] = {
        {ES_UPPERCASE, "aBc-\xC3\xA4", "ABC-\xC3\xA4"},
        {ES_LOWERCASE, "AbC-\xC3\x84", "abc-\xC3\x84"},
        {0, "AbC", "AbC"},
    };
    // clang-format on
    UINT id = 1;
    for (Case const & c : cases) {
        CEditCtrl * edit = AddEdit(id++, ES_AUTOHSCROLL | c.style);
        edit->SetFocus();
        CAutomation::TypeText(c.typed);
        EXPECT_EQ(edit->GetWindowText(), c.expected);
        CClipboard::SetText(c.typed);
        CAutomation::PressKey('V', kCtrl);
        EXPECT_EQ(edit->GetWindowText(), CString(c.expected) + c.expected) << "pasting too";
        edit->DestroyWindow();
    }
}

TEST_F(EditCtrlTest, FocusNotificationsOnTabBetweenEditsOfADialog) {
    m_parent.SetDialogStyle(TRUE);
    CEditCtrl * a = AddEdit(1, ES_AUTOHSCROLL, "aaa");
    CEditCtrl * b = AddEdit(2, ES_AUTOHSCROLL, "bbbb");
    a->SetFocus();
    EXPECT_EQ(Heard(), (Lines{"1:setfocus"}));
    EXPECT_EQ(Sel(a), std::make_pair(0, 0)) << "SetFocus alone selects nothing";
    m_parent.Clear();
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(Heard(), (Lines{"1:killfocus", "2:setfocus"}));
    EXPECT_EQ(Sel(b), std::make_pair(0, 4)) << "the dialog keys select the whole text";
    m_parent.Clear();
    CAutomation::PressKey(VK_TAB, kShift);
    EXPECT_EQ(Heard(), (Lines{"2:killfocus", "1:setfocus"}));
    EXPECT_EQ(Sel(a), std::make_pair(0, 3));
    // A click keeps its own placement.
    m_parent.Clear();
    CAutomation::Click(b, At(kMargin + 2 * kCell));
    EXPECT_EQ(Heard(), (Lines{"1:killfocus", "2:setfocus"}));
    EXPECT_EQ(Sel(b), std::make_pair(2, 2));
    EXPECT_EQ(b->SendMessage(WM_GETDLGCODE),
              static_cast<LRESULT>(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS));
}

TEST_F(EditCtrlTest, SelectionMessagesAndRanges) {
    CEditCtrl * edit = Prepared("hello", 0, 0);
    edit->SetSel(4, 1);
    LRESULT const packed = edit->SendMessage(EM_GETSEL);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(packed)), 1);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(packed)), 4);
    DWORD start = 99;
    DWORD end = 99;
    edit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    // The caret went to the second position given: Shift+Right moves from 1.
    CAutomation::PressKey(VK_RIGHT, kShift);
    EXPECT_EQ(Sel(edit), std::make_pair(2, 4));

    // clang-format off
    struct Case { CRange range; int start; int end; } const cases[] = {
        {CRange(TRUE), 0, 5},  {CRange(1, 3), 1, 3},
        {CRange(FALSE), 3, 3}, // the selection goes, the caret stays
        {CRange(2, -1), 2, 5}, {CRange(0, 99), 0, 5},
    };
    // clang-format on
    for (Case const & c : cases) {
        edit->SetSel(c.range);
        EXPECT_EQ(Sel(edit), std::make_pair(c.start, c.end))
            << c.range.GetStart() << "," << c.range.GetEnd();
    }
    EXPECT_TRUE(Heard().empty()) << "selecting changes no text";
}

TEST_F(EditCtrlTest, ReplaceSelIsAChangeWithinTheLimit) {
    CEditCtrl * edit = Prepared("hello", 1, 4);
    edit->ReplaceSel("EY");
    EXPECT_EQ(edit->GetWindowText(), "hEYo");
    EXPECT_EQ(ChangesHeard(), 1);
    EXPECT_TRUE(edit->GetModify());
    EXPECT_FALSE(edit->CanUndo()) << "not undoable unless asked";
    edit->ReplaceSel("!", TRUE);
    EXPECT_TRUE(edit->CanUndo());
    EXPECT_TRUE(edit->Undo());
    EXPECT_EQ(edit->GetWindowText(), "hEYo");
    edit->LimitText(5);
    m_parent.Clear();
    edit->SetSel(-1, -1);
    edit->SetSel(4, 4);
    edit->ReplaceSel("xyz");
    EXPECT_EQ(edit->GetWindowText(), "hEYox");
    EXPECT_EQ(Heard(), (Lines{"1:update", "1:change", "1:maxtext"}));
    edit->SetReadOnly(TRUE);
    edit->SetSel(0, 1);
    edit->ReplaceSel("H");
    EXPECT_EQ(edit->GetWindowText(), "HEYox") << "read-only binds the user, not the program";
}

TEST_F(EditCtrlTest, ClipboardProviderTakesOverAndGivesBack) {
    struct CFakeDesktop : CClipboard::Provider {
        std::string text;
        bool has = false;
        void SetText(char const * t) override {
            text = t;
            has = true;
        }
        bool GetText(CString & t) override {
            t = text.c_str();
            return has;
        }
    } desktop;
    CClipboard::SetText("local");
    EXPECT_EQ(CClipboard::SetProvider(&desktop), nullptr);
    EXPECT_FALSE(CClipboard::HasText());
    CEditCtrl * edit = Prepared("copied", 0, 6);
    CAutomation::PressKey('C', kCtrl);
    EXPECT_EQ(desktop.text, "copied");
    desktop.text = "from the desktop";
    CAutomation::PressKey('V', kCtrl);
    EXPECT_EQ(edit->GetWindowText(), "from the desktop");
    CClipboard::Empty();
    EXPECT_TRUE(desktop.text.empty());
    EXPECT_EQ(CClipboard::SetProvider(nullptr), &desktop);
    EXPECT_EQ(CClipboard::GetText(), "local") << "the process's clipboard kept its text";
    CClipboard::Empty();
    EXPECT_FALSE(CClipboard::HasText());
    EXPECT_EQ(CClipboard::GetText(), "");
}

TEST_F(EditCtrlTest, EditsCanBeCreatedByClassName) {
    CWnd plain;
    ASSERT_TRUE(
        plain.Create("edit", "by name", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, 7));
    EXPECT_EQ(plain.GetWindowText(), "by name");
    EXPECT_EQ(plain.SendMessage(EM_GETLIMITTEXT), static_cast<LRESULT>(CEditModel::defaultLimit));
    plain.SetFocus();
    CAutomation::PressKey(VK_END);
    CAutomation::TypeText("!");
    EXPECT_EQ(plain.GetWindowText(), "by name!");
    EXPECT_EQ(Heard(), (Lines{"7:setfocus", "7:update", "7:change"}));
}

TEST_F(EditCtrlTest, AHandlerMayDestroyTheEdit) {
    // The focused edit still tells of losing the focus as it goes; nothing after.
    struct Row {
        DestroyRow destroy;
        std::function<void(CEditCtrl *)> act;
    };
    // clang-format off
    Row const rows[] = {
        {{"on the update of typing", "1:update", false, {"1:killfocus"}}, [](CEditCtrl *) { CAutomation::TypeText("ab"); }},
        {{"on the change of typing", "1:change", false, {"1:killfocus"}}, [](CEditCtrl *) { CAutomation::TypeText("ab"); }},
        {{"on the text reaching the limit", "1:maxtext", false, {"1:killfocus"}}, [](CEditCtrl *) { CAutomation::TypeText("abc"); }},
        {{"on the change of pasting", "1:change", false, {"1:killfocus"}}, [](CEditCtrl *) { CAutomation::PressKey('V', kCtrl); }},
        {{"on the change of undoing", "1:change", false, {"1:killfocus"}}, [](CEditCtrl *) { CAutomation::PressKey('Z', kCtrl); }},
        {{"on the change of ReplaceSel", "1:change", false, {"1:killfocus"}}, [](CEditCtrl * edit) { edit->ReplaceSel("q"); }},
        {{"on losing the focus", "1:killfocus", false, {}}, [](CEditCtrl *) { CWnd::ClearFocus(); }},
    };
    // clang-format on
    for (Row const & row : rows) {
        CEditCtrl * edit = AddEdit(1);
        edit->LimitText(2);
        edit->SetFocus();
        CClipboard::SetText("pasted");
        CAutomation::TypeText("z\b");
        CheckDestroyedByHandler(row.destroy, *edit, [&] { row.act(edit); });
    }
}
