#include "CEditCtrl.hpp"
#include "CMainWnd.hpp"
#include "CProbeEdit.hpp"
#include "CThread.hpp"
#include "ViewFixture.hpp"

namespace {

// A view in a main window whose balloon mode the test sets: a group with two edits that
// have tips and one that has none.
class Balloons : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        ASSERT_TRUE(m_main.Create("main", CRect(0, 0, 900, 700)));
        m_main.ShowWindow(SW_SHOW);
        CThread::FindInstance()->SetMainWnd(&m_main);
        m_parent = &m_main;
    }
    void TearDown() override {
        m_main.DestroyWindow();
        ViewFixture::TearDown();
    }
    CTestView & MakeEditView(UINT mode) {
        m_main.SetBalloonMode(mode);
        return MakeView([](CTestView & v) {
            static CUIData const name = CProbeEdit::Record("Name", "What the device is called");
            static CUIData const note = CProbeEdit::Record("Note", "Anything worth knowing");
            static CUIData const bare = CProbeEdit::Record("Amps");
            v.StartPage(1);
            v.StartGroup("Edits", 1);
            v.AddUI(v.GetItem(), "root", &name);
            v.AddUI(v.GetItem(), "root", &note);
            v.AddUI(v.GetItem(), "root", &bare);
            v.EndGroup(0);
            v.EndPage(0);
        });
    }
    CEditCtrl * Edit(char const * tag) {
        return static_cast<CProbeEdit *>(m_view->FindUI(tag))->GetEdit();
    }
    // The tool whose tip shows now, 0 when none.
    std::uintptr_t Shown() {
        TOOLINFO info;
        info.cbSize = TTTOOLINFO_V2_SIZE;
        CToolTip * tip = m_view->Tip();
        return tip && tip->IsWindowVisible() && tip->GetCurrentTool(info) ? info.uId : 0;
    }

    CMainWnd m_main;
};

} // namespace

TEST_F(Balloons, NoBalloonModeMakesNoTooltip) {
    CTestView & view = MakeEditView(CMainWnd::balloonOff);
    CAutomation::Click(Edit("Name"));
    EXPECT_EQ(view.Tip(), nullptr);
}

TEST_F(Balloons, TrackingFollowsTheFocusFromElementToElement) {
    CTestView & view = MakeEditView(CMainWnd::balloonTracking);
    ASSERT_NE(view.Tip(), nullptr);
    EXPECT_EQ(view.Tip()->GetToolCount(), 2) << "tools only for elements with tips";
    struct Step {
        char const * tag;
        unsigned int toolId;
    } const steps[] = {{"Name", 1}, {"Note", 2}, {"Note", 2}, {"Amps", 3}};
    for (Step const & step : steps) {
        SCOPED_TRACE(step.tag);
        CAutomation::Click(Edit(step.tag));
        CAutomation::Pump();
        EXPECT_EQ(view.ToolId(), step.toolId);
    }
    EXPECT_EQ(Shown(), 0u) << "an element without a tip shows nothing";
    CAutomation::Click(Edit("Name"));
    CAutomation::Pump();
    EXPECT_EQ(Shown(), 1u);
    TOOLINFO info;
    info.cbSize = TTTOOLINFO_V2_SIZE;
    ASSERT_TRUE(view.Tip()->GetToolInfo(info, &view, 1));
    EXPECT_STREQ(info.lpszText, "What the device is called");
}

TEST_F(Balloons, SwitchingToTrackingShowsTheFocusedElementsBalloonAtOnce) {
    CTestView & view = MakeEditView(CMainWnd::balloonHover);
    CAutomation::Click(Edit("Note"));
    EXPECT_EQ(view.ToolId(), 0u) << "hover mode tracks nothing";
    m_main.SetBalloonMode(CMainWnd::balloonTracking);
    CAutomation::Pump();
    EXPECT_EQ(view.ToolId(), 2u);
    EXPECT_EQ(Shown(), 2u);
    m_main.SetBalloonMode(CMainWnd::balloonOff);
    EXPECT_EQ(view.Tip(), nullptr);
}

TEST_F(Balloons, HoverToolsFollowTheElementsWhenTheViewIsResized) {
    CTestView & view = MakeEditView(CMainWnd::balloonHover);
    view.MoveWindow(CRect(0, 0, 500, 400));
    CAutomation::Pump();
    TOOLINFO info;
    info.cbSize = TTTOOLINFO_V2_SIZE;
    ASSERT_TRUE(view.Tip()->GetToolInfo(info, &view, 2));
    EXPECT_EQ(info.rect, view.FindUI("Note")->GetRect());
    EXPECT_EQ(info.uFlags & TTF_SUBCLASS, static_cast<UINT>(TTF_SUBCLASS));
}

TEST_F(Balloons, ABalloonIsPlacedBesideItsElementAndTitledWithItsName) {
    CTestView & view = MakeEditView(CMainWnd::balloonTracking);
    CAutomation::Click(Edit("Note"));
    CAutomation::Pump();
    ASSERT_EQ(Shown(), 2u);
    CRect element = view.FindUI("Note")->GetRect();
    view.ClientToScreen(element);
    CRect const tip = view.Tip()->GetWindowRect();
    bool const beside = tip.bottom == element.top || tip.top == element.bottom;
    EXPECT_TRUE(beside) << "standing on the element or hanging from it";
    bool const corner = tip.left == element.left + 16 || tip.right == element.left + 32;
    EXPECT_TRUE(corner);

    // The balloon of an element that is hidden is moved out of sight.
    view.ShowUI("Note", FALSE);
    m_main.SetBalloonMode(CMainWnd::balloonHover);
    m_main.SetBalloonMode(CMainWnd::balloonTracking);
    CAutomation::Pump();
    EXPECT_EQ(view.ToolId(), 2u);
    EXPECT_TRUE(view.Tip()->GetWindowRect().IsEmpty());
}
