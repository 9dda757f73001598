#include "ButtonTestBase.hpp"
#include "VirtualKeys.hpp"

namespace {

class ButtonDialog : public ButtonTestBase {
protected:
    void SetUp() override {
        ButtonTestBase::SetUp();
        m_parent.SetDialogStyle(TRUE);
    }
};

} // namespace

TEST_F(ButtonDialog, ArrowsCheckTheRadioButtonTheyMoveTo) {
    CButton * a = Add(1, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, CRect(10, 10, 90, 30));
    CButton * b = Add(2, BS_AUTORADIOBUTTON, CRect(10, 40, 90, 60));
    CButton * c = Add(3, BS_AUTORADIOBUTTON, CRect(10, 70, 90, 90));
    CButton * d = Add(4, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, CRect(10, 100, 90, 120));
    CButton * const all[] = {a, b, c, d};
    d->SetCheck(BST_CHECKED);
    CAutomation::Click(a);
    Clear();

    struct Step {
        UINT key;
        CButton * reached;
        std::vector<int> checks; // a, b, c, d
    } const steps[] = {
        {VK_DOWN, b, {0, 1, 0, 1}}, {VK_RIGHT, c, {0, 0, 1, 1}}, {VK_DOWN, a, {1, 0, 0, 1}},
        {VK_UP, c, {0, 0, 1, 1}},   {VK_LEFT, b, {0, 1, 0, 1}},
    };
    for (Step const & step : steps) {
        SCOPED_TRACE(step.reached->GetID());
        m_parent.m_commands.clear();
        CAutomation::PressKey(step.key);
        EXPECT_EQ(CWnd::GetFocus(), step.reached);
        std::vector<int> checks;
        for (CButton * button : all)
            checks.push_back(button->GetCheck());
        EXPECT_EQ(checks, step.checks);
        EXPECT_EQ(Heard(), (Commands{{step.reached->GetID(), BN_CLICKED}}));
    }
}

TEST_F(ButtonDialog, ReturnPressesTheFocusedPushButtonElseTheDefaultOne) {
    CButton * byDefault = Add(10, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(10, 10, 90, 30));
    CButton * push = Add(11, BS_PUSHBUTTON | WS_TABSTOP, CRect(10, 40, 90, 60));
    CButton * check = Add(12, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(10, 70, 90, 90));
    CButton * radio = Add(13, BS_AUTORADIOBUTTON | WS_TABSTOP, CRect(10, 100, 90, 120));
    // clang-format off
    struct Case { CButton * focus; UINT pressed; } const cases[] = {
        {check, 10},
        {radio, 10},
        {push, 11},
        {byDefault, 10},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.focus->GetID());
        test.focus->SetFocus();
        Clear();
        CAutomation::PressKey(VK_RETURN);
        EXPECT_EQ(Heard(), (Commands{{test.pressed, BN_CLICKED}}));
        EXPECT_EQ(check->GetCheck(), BST_UNCHECKED) << "Return is not Space";
    }
}
