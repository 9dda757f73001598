#include "CAutomation.hpp"
#include "CDialogManager.hpp"
#include "CInput.hpp"
#include "CRecorderWnd.hpp"
#include "VirtualKeys.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Lines = std::vector<std::string>;

// A dialog-style window with controls a to f:
//   a (tab stop), b (tab stop, disabled), c (no tab stop), d (tab stop), and a panel that
//   holds its own controls (WS_EX_CONTROLPARENT) with e (tab stop) and f (tab stop, hidden).
// Radio-like group: g (WS_GROUP | tab stop), h, i; then j (WS_GROUP) starts another group.
class DialogKeys : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_dialog.Create(nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                                    nullptr, 0));
        m_dialog.SetDialogStyle(TRUE);
        Add("a", 11, WS_TABSTOP, m_dialog, 0);
        Add("b", 12, WS_TABSTOP | WS_DISABLED, m_dialog, 20);
        Add("c", 13, 0, m_dialog, 40);
        Add("d", 14, WS_TABSTOP, m_dialog, 60);
        ASSERT_TRUE(m_panel.CreateEx(WS_EX_CONTROLPARENT, nullptr, "panel", WS_CHILD | WS_VISIBLE,
                                     CRect(0, 100, 200, 200), &m_dialog, 20));
        Add("e", 21, WS_TABSTOP, m_panel, 0);
        Add("f", 22, WS_TABSTOP, m_panel, 20)->ShowWindow(SW_HIDE);
        Add("g", 31, WS_GROUP | WS_TABSTOP, m_dialog, 200);
        Add("h", 32, 0, m_dialog, 220);
        Add("i", 33, 0, m_dialog, 240);
        Add("j", 34, WS_GROUP | WS_TABSTOP, m_dialog, 260);
        CAutomation::Pump();
        Heard().clear();
    }
    void TearDown() override {
        m_dialog.DestroyWindow();
        CAutomation::Stop();
    }

    CRecorderWnd * Add(char const * name, UINT id, DWORD style, CWnd & parent, int y) {
        auto * control = new CRecorderWnd(name);
        control->SetAutoDelete(TRUE);
        EXPECT_TRUE(control->CreateChild(parent, id, style, 5, y));
        return control;
    }
    CWnd * Item(UINT id) {
        CWnd * item = m_dialog.GetDlgItem(id);
        return item ? item : m_panel.GetDlgItem(id);
    }
    std::string FocusName() {
        CWnd * focus = CWnd::GetFocus();
        return focus ? focus->GetWindowText().Str() : "none";
    }

    CRecorderWnd m_dialog{"dialog"};
    CRecorderWnd m_panel{"panel"};
};

} // namespace

TEST_F(DialogKeys, TabOrderSkipsWhatCannotTakeTheFocusAndWraps) {
    // clang-format off
    struct Step { UINT modifiers; char const * focus; } const steps[] = {
        {0, "d"},
        {0, "e"},
        {0, "g"},
        {0, "j"},
        {0, "a"}, // wraps round
        {CAutomation::modShift, "j"},
        {CAutomation::modShift, "g"},
        {CAutomation::modShift, "e"},
    };
    // clang-format on
    Item(11)->SetFocus();
    for (Step const & step : steps) {
        CAutomation::PressKey(VK_TAB, step.modifiers);
        EXPECT_EQ(FocusName(), step.focus);
    }
    EXPECT_EQ(GetNextDlgTabItem(&m_dialog, nullptr, FALSE), Item(11));
    EXPECT_EQ(GetNextDlgTabItem(&m_dialog, nullptr, TRUE), Item(34));
}

TEST_F(DialogKeys, FocusChangesAreHeardInOrder) {
    Item(11)->SetFocus();
    Heard().clear();
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(Heard(), (Lines{"a:killfocus to d", "d:setfocus from a", "dialog:childfocus d"}));
    Heard().clear();
    // The focus window loses the focus when it is disabled or hidden.
    Item(14)->EnableWindow(FALSE);
    EXPECT_EQ(FocusName(), "none");
    EXPECT_EQ(Heard(), (Lines{"d:killfocus to none"}));
    EXPECT_EQ(Item(14)->SetFocus(), nullptr);
    EXPECT_EQ(FocusName(), "none") << "a disabled window cannot take the focus";
}

TEST_F(DialogKeys, ArrowsMoveWithinAGroupAndClickRadioButtons) {
    // clang-format off
    struct Step { UINT key; char const * focus; } const steps[] = {
        {VK_DOWN, "h"}, {VK_RIGHT, "i"}, {VK_DOWN, "g"}, {VK_UP, "i"}, {VK_LEFT, "h"},
    };
    // clang-format on
    static_cast<CRecorderWnd *>(Item(32))->m_dlgCode = DLGC_RADIOBUTTON;
    Item(31)->SetFocus();
    for (Step const & step : steps) {
        Heard().clear();
        CAutomation::PressKey(step.key);
        EXPECT_EQ(FocusName(), step.focus);
    }
    EXPECT_EQ(Heard().back(), "h:clicked") << "a radio button is clicked when arrowed to";
    Item(34)->SetFocus();
    CAutomation::PressKey(VK_DOWN);
    EXPECT_EQ(FocusName(), "j") << "a group of one keeps the focus";
    static_cast<CRecorderWnd *>(Item(32))->m_dlgCode = DLGC_STATIC;
    Item(31)->SetFocus();
    CAutomation::PressKey(VK_DOWN);
    EXPECT_EQ(FocusName(), "i") << "a label in the group never takes the focus";
}

TEST_F(DialogKeys, ReturnAndEscapeCommandTheDialog) {
    Item(11)->SetFocus();
    Heard().clear();
    CAutomation::PressKey(VK_RETURN);
    CAutomation::PressKey(VK_ESCAPE);
    EXPECT_EQ(Heard(), (Lines{"dialog:command 1 0 from none", "dialog:command 2 0 from none"}));

    // A default push button takes Return; a focused push button takes it itself.
    static_cast<CRecorderWnd *>(Item(34))->m_dlgCode = DLGC_DEFPUSHBUTTON;
    static_cast<CRecorderWnd *>(Item(14))->m_dlgCode = DLGC_UNDEFPUSHBUTTON;
    Heard().clear();
    CAutomation::PressKey(VK_RETURN);
    Item(14)->SetFocus();
    Heard().clear();
    CAutomation::PressKey(VK_RETURN);
    EXPECT_EQ(Heard(), (Lines{"dialog:command 14 0 from d"}));
}

TEST_F(DialogKeys, ControlsThatWantKeysGetThem) {
    // clang-format off
    struct Case { UINT dlgCode; UINT key; Lines heard; } const cases[] = {
        {DLGC_WANTTAB, VK_TAB, {"a:keydown 9", "a:char 9"}},
        {DLGC_WANTARROWS, VK_DOWN, {"a:keydown 40"}},
        {DLGC_WANTMESSAGE, VK_RETURN, {"a:keydown 13", "a:char 13"}},
        {DLGC_WANTMESSAGE, VK_ESCAPE, {"a:keydown 27", "a:char 27"}},
        {DLGC_WANTCHARS, 'X', {"a:keydown 88"}},
        {0, VK_BACK, {"a:keydown 8", "a:char 8"}},
    };
    // clang-format on
    auto * a = static_cast<CRecorderWnd *>(Item(11));
    for (Case const & c : cases) {
        a->m_dlgCode = c.dlgCode;
        a->SetFocus();
        Heard().clear();
        CAutomation::PressKey(c.key);
        EXPECT_EQ(Heard(), c.heard) << c.key;
        EXPECT_EQ(FocusName(), "a");
    }
}

TEST_F(DialogKeys, KeyStateIsHeldWhileTheKeyIsDown) {
    auto * a = static_cast<CRecorderWnd *>(Item(11));
    a->m_dlgCode = DLGC_WANTARROWS;
    a->SetFocus();
    Heard().clear();
    CAutomation::PressKey(VK_LEFT, CAutomation::modShift);
    EXPECT_EQ(Heard(), (Lines{"a:keydown 16 shift", "a:keydown 37 shift"}));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    CAutomation::TypeText("é");
    EXPECT_EQ(Heard().back(), "a:char 233");
}

TEST_F(DialogKeys, ClicksFocusAndHitTheDeepestWindow) {
    CAutomation::Click(Item(21), CPoint(3, 4));
    EXPECT_EQ(FocusName(), "e");
    EXPECT_EQ(Heard().back(), "e:lbuttondown 3,4");
    Heard().clear();
    CAutomation::DoubleClick(Item(21), CPoint(1, 1));
    EXPECT_EQ(Heard(), (Lines{"e:lbuttondown 1,1", "e:lbuttondblclk 1,1"}));
    // A disabled control neither takes the focus nor hears the click.
    Heard().clear();
    CAutomation::Click(Item(12));
    EXPECT_EQ(FocusName(), "e");
    EXPECT_TRUE(Heard().empty());
    // The capture window gets mouse input wherever it happens.
    Item(11)->SetCapture();
    CAutomation::ClickAt(CPoint(300, 280));
    EXPECT_EQ(Heard().back(), "a:lbuttondown 295,280");
    CWnd::ReleaseCapture();
}
