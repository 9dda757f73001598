#include "ButtonTestBase.hpp"

namespace {

class ButtonOwnerDraw : public ButtonTestBase {};

} // namespace

TEST_F(ButtonOwnerDraw, TheParentDrawsTheButtonInEachOfItsStates) {
    CButton * button = Add(77, BS_OWNERDRAW, CRect(20, 20, 120, 50));
    CButton * other = Add(78, BS_PUSHBUTTON, CRect(20, 60, 120, 90));
    CPoint const inside = Screen(*button, CPoint(50, 15));
    CPoint const outside = Screen(*button, CPoint(50, 45));
    struct Step {
        char const * name;
        std::function<void()> act;
        UINT state;
    };
    std::vector<Step> const steps = {
        {"focused", [&] { button->SetFocus(); }, ODS_FOCUS},
        {"pressed", [&] { CInput::MouseDown(inside, CInput::buttonLeft); },
         ODS_SELECTED | ODS_FOCUS},
        {"dragged off", [&] { CInput::MouseMove(outside); }, ODS_FOCUS},
        {"dragged back", [&] { CInput::MouseMove(inside); }, ODS_SELECTED | ODS_FOCUS},
        {"released", [&] { CInput::MouseUp(inside, CInput::buttonLeft); }, ODS_FOCUS},
        {"pushed by the program", [&] { button->SetState(TRUE); }, ODS_SELECTED | ODS_FOCUS},
        {"focus elsewhere", [&] { other->SetFocus(); }, 0},
        {"disabled", [&] { button->EnableWindow(FALSE); }, ODS_DISABLED},
    };
    Clear();
    for (Step const & step : steps) {
        SCOPED_TRACE(step.name);
        m_parent.m_drawn.clear();
        step.act();
        CAutomation::Pump();
        ASSERT_FALSE(m_parent.m_drawn.empty()) << "a change of state repaints the button";
        DRAWITEMSTRUCT const & item = m_parent.m_drawn.back();
        EXPECT_EQ(item.itemState, step.state);
        EXPECT_EQ(item.CtlType, ODT_BUTTON);
        EXPECT_EQ(item.CtlID, 77u);
        EXPECT_EQ(item.itemAction, ODA_DRAWENTIRE);
        EXPECT_EQ(item.hwndItem, button->GetSafeHwnd());
        EXPECT_NE(item.hDC, nullptr);
        EXPECT_EQ(item.rcItem, button->GetClientRect());
    }
    EXPECT_EQ(Heard(), (Commands{{77, BN_CLICKED}}));
}
