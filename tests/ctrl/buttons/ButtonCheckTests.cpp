#include "ButtonTestBase.hpp"
#include "WinMessages.hpp"

namespace {

class ButtonChecks : public ButtonTestBase {};

} // namespace

TEST_F(ButtonChecks, ClicksChangeTheChecksOfAutoButtonsOnly) {
    // clang-format off
    struct Case { DWORD style; std::vector<int> checksAfterClicks; } const cases[] = {
        {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}},
        {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED}},
        {BS_3STATE, {BST_UNCHECKED, BST_UNCHECKED}},
        {BS_AUTORADIOBUTTON, {BST_CHECKED, BST_CHECKED}},
        {BS_RADIOBUTTON, {BST_UNCHECKED, BST_UNCHECKED}},
        {BS_PUSHBUTTON, {BST_UNCHECKED, BST_UNCHECKED}},
    };
    // clang-format on
    UINT id = 100;
    for (Case const & test : cases) {
        SCOPED_TRACE(test.style);
        CButton * button = Add(++id, test.style | WS_GROUP);
        Clear();
        for (int check : test.checksAfterClicks) {
            CAutomation::Click(button);
            EXPECT_EQ(button->GetCheck(), check);
            EXPECT_EQ(button->IsChecked(), check == BST_CHECKED ? TRUE : FALSE);
        }
        EXPECT_EQ(Heard(), Commands(test.checksAfterClicks.size(), {id, BN_CLICKED}));
        button->DestroyWindow();
    }
}

TEST_F(ButtonChecks, TheProgramSetsChecksQuietlyWithinWhatTheTypeCanShow) {
    // clang-format off
    struct Case { DWORD style; int set; int expected; } const cases[] = {
        {BS_AUTOCHECKBOX, BST_CHECKED, BST_CHECKED},
        {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {BS_AUTO3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
        {BS_3STATE, BST_CHECKED, BST_CHECKED},
        {BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED},
        {BS_RADIOBUTTON, BST_INDETERMINATE, BST_CHECKED},
        {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
        {BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED},
    };
    // clang-format on
    UINT id = 200;
    for (Case const & test : cases) {
        SCOPED_TRACE(test.style);
        CButton * button = Add(++id, test.style | BS_NOTIFY | WS_GROUP);
        Clear();
        button->SetCheck(test.set);
        EXPECT_EQ(button->GetCheck(), test.expected);
        button->SetCheck(BST_UNCHECKED);
        EXPECT_EQ(button->GetCheck(), BST_UNCHECKED);
        button->SetState(TRUE);
        EXPECT_TRUE(Pushed(*button));
        button->SetState(FALSE);
        EXPECT_FALSE(Pushed(*button));
        EXPECT_EQ(Heard(), Commands{}) << "the program's changes are not the user's";
        button->DestroyWindow();
    }
}

TEST_F(ButtonChecks, AnAutoRadioButtonUnchecksTheOtherRadioButtonsOfItsGroup) {
    // Group one: a, b (not automatic), check box x, c. Group two: d.
    CButton * a = Add(1, BS_AUTORADIOBUTTON | WS_GROUP, CRect(10, 10, 90, 30));
    CButton * b = Add(2, BS_RADIOBUTTON, CRect(10, 40, 90, 60));
    CButton * x = Add(3, BS_AUTOCHECKBOX, CRect(10, 70, 90, 90));
    CButton * c = Add(4, BS_AUTORADIOBUTTON, CRect(10, 100, 90, 120));
    CButton * d = Add(5, BS_AUTORADIOBUTTON | WS_GROUP, CRect(10, 130, 90, 150));
    CButton * const all[] = {a, b, x, c, d};
    x->SetCheck(BST_CHECKED);
    d->SetCheck(BST_CHECKED);
    Clear();

    struct Step {
        CButton * clicked;
        std::vector<int> checks; // a, b, x, c, d
    } const steps[] = {
        {a, {1, 0, 1, 0, 1}}, {c, {0, 0, 1, 1, 1}},
        {b, {0, 0, 1, 1, 1}}, // a plain radio button leaves the checks to its parent
        {x, {0, 0, 0, 1, 1}}, {a, {1, 0, 0, 0, 1}},
        {d, {1, 0, 0, 0, 1}},
    };
    for (Step const & step : steps) {
        SCOPED_TRACE(step.clicked->GetID());
        m_parent.m_commands.clear();
        CAutomation::Click(step.clicked);
        std::vector<int> checks;
        for (CButton * button : all)
            checks.push_back(button->GetCheck());
        EXPECT_EQ(checks, step.checks);
        EXPECT_EQ(Heard(), (Commands{{step.clicked->GetID(), BN_CLICKED}}));
    }

    // A plain radio button checked by the program is unchecked by its automatic siblings.
    b->SetCheck(BST_CHECKED);
    CAutomation::Click(c);
    EXPECT_EQ(b->GetCheck(), BST_UNCHECKED);
}

TEST_F(ButtonChecks, TheStateReportsFocusAndPressAlongsideTheCheck) {
    CButton * button = Add(9, BS_AUTOCHECKBOX);
    EXPECT_EQ(button->GetState(), 0u);
    button->SetCheck(BST_CHECKED);
    button->SetFocus();
    EXPECT_EQ(button->GetState(), BST_CHECKED | BST_FOCUS);
    button->SetState(TRUE);
    EXPECT_EQ(button->GetState(), BST_CHECKED | BST_FOCUS | BST_PUSHED);
    CWnd::ClearFocus();
    EXPECT_EQ(button->GetState(), BST_CHECKED) << "losing the focus releases the button";
    button->SetState(TRUE);
    button->EnableWindow(FALSE);
    EXPECT_EQ(button->GetState(), BST_CHECKED) << "so does disabling it";
}

TEST_F(ButtonChecks, TheTypeDecidesTheDialogCodeAndCanBeChanged) {
    // clang-format off
    struct Case { DWORD style; LRESULT code; } const cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, DLGC_BUTTON},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_3STATE, DLGC_BUTTON},
        {BS_AUTO3STATE, DLGC_BUTTON},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
        {BS_OWNERDRAW, DLGC_BUTTON},
    };
    // clang-format on
    CButton * changed = Add(11, BS_PUSHBUTTON | WS_TABSTOP | BS_NOTIFY);
    for (Case const & test : cases) {
        SCOPED_TRACE(test.style);
        CButton * made = Add(12, test.style);
        EXPECT_EQ(made->SendMessage(WM_GETDLGCODE), test.code);
        made->DestroyWindow();
        changed->SetButtonStyle(test.style | BS_NOTIFY, FALSE);
        EXPECT_EQ(changed->SendMessage(WM_GETDLGCODE), test.code);
        EXPECT_EQ(changed->GetButtonStyle(), test.style | BS_NOTIFY);
        EXPECT_TRUE(changed->GetStyle() & WS_TABSTOP) << "window styles stay";
    }
}
