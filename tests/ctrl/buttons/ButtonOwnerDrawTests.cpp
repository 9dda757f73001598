#include "ButtonTestBase.hpp"
#include "WinMessages.hpp"

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

namespace {

// An owner-drawn button that draws itself when its parent leaves the drawing to it.
class CSelfDrawnButton : public CButton {
    AFX_DECLARE_CLASS(CSelfDrawnButton)
    AFX_DECLARE_MESSAGE_MAP()
public:
    int m_drawn = 0;

protected:
    void OnDrawItem(UINT, DRAWITEMSTRUCT &) { ++m_drawn; }
};

AFX_IMPLEMENT_CLASS(CSelfDrawnButton, CButton, nullptr)

AFX_BEGIN_MESSAGE_MAP(CSelfDrawnButton, CButton)
AFX_ON_MESSAGE("T-1L2V", WM_DRAWITEM, &CSelfDrawnButton::OnDrawItem)
AFX_END_MESSAGE_MAP()

} // namespace

TEST_F(ButtonOwnerDraw, AButtonDrawsItselfOnlyWhenItsParentDoesNot) {
    CWnd plainParent;
    ASSERT_TRUE(plainParent.Create(nullptr, "plain", WS_POPUP | WS_VISIBLE,
                                   CRect(420, 10, 620, 110), nullptr, 0));
    // clang-format off
    struct Case { char const * name; CWnd * parent; bool selfDrawn; } const cases[] = {
        {"the parent draws", &m_parent, false},
        {"the parent leaves it", &plainParent, true},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        auto * button = new CSelfDrawnButton;
        ASSERT_TRUE(button->Create("Self", BS_OWNERDRAW | WS_VISIBLE, CRect(10, 10, 90, 40),
                                   test.parent, 5));
        Clear();
        button->Invalidate();
        CAutomation::Pump();
        EXPECT_EQ(button->m_drawn > 0, test.selfDrawn);
        EXPECT_EQ(m_parent.m_drawn.empty(), test.selfDrawn);
        button->DestroyWindow();
    }
    plainParent.DestroyWindow();
}
