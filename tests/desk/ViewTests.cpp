#include "DeskTestBase.hpp"

namespace {

class Views : public DeskTestBase {};

} // namespace

TEST_F(Views, AttachStoresTheItemThenCallsOnAttachWithOrWithoutAWindow) {
    CNamedItem a("a");
    CNamedItem b("b");
    auto * view = new CTestView("v");
    view->SetOptions(CViewWnd::optionAutoDelete);
    // clang-format off
    struct Step { bool createFirst; CNamedItem * item; char const * heard; } const steps[] = {
        {false, &a, "v:attach a without window"}, {true, &b, "v:attach b with window"},
        {false, &b, "v:attach b with window"}, // the same item again rebinds again
        {false, &a, "v:attach a with window"},    {false, nullptr, "v:attach none with window"},
    };
    // clang-format on
    for (Step const & step : steps) {
        SCOPED_TRACE(step.heard);
        if (step.createFirst) {
            ASSERT_TRUE(view->Create(&m_main, CRect(0, 0, 100, 100), 0));
            CAutomation::Pump();
            EXPECT_EQ(view->GetItem(), &a) << "creating the window keeps the item";
        }
        Heard().clear();
        view->Attach(step.item);
        EXPECT_EQ(Heard(), Lines{step.heard});
        EXPECT_EQ(view->GetItem(), step.item);
    }
}

TEST_F(Views, TheAutoDeleteOptionReleasesTheViewWithItsWindow) {
    struct Case {
        UINT options;
        bool deletedWithWindow;
    } const cases[] = {{0, false}, {CViewWnd::optionAutoDelete, true}};
    for (Case const & test : cases) {
        SCOPED_TRACE(test.options);
        CWnd panel;
        ASSERT_TRUE(panel.Create(nullptr, "panel", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200),
                                 &m_main, 0));
        auto * view = new CTestView("v");
        view->SetOptions(test.options);
        EXPECT_EQ(view->GetOptions(), test.options);
        ASSERT_TRUE(view->Create(&panel, CRect(0, 0, 100, 100), 0));
        ASSERT_EQ(CTestView::s_living, 1);
        panel.DestroyWindow();
        EXPECT_EQ(CTestView::s_living, test.deletedWithWindow ? 0 : 1);
        if (!test.deletedWithWindow) {
            EXPECT_FALSE(view->IsWindow());
            delete view;
        }
    }
}

TEST_F(Views, AViewWhoseControlGetsTheFocusBecomesTheCurrentViewOfItsTopLevelWindow) {
    CTestView * v1 = AddView(m_main, "v1", CRect(0, 0, 290, 190));
    CTestView * v2 = AddView(m_main, "v2", CRect(300, 0, 590, 190));
    CEditCtrl * e1 = AddEdit(*v1, 10, CRect(10, 10, 110, 30));
    CEditCtrl * e1b = AddEdit(*v1, 11, CRect(10, 40, 110, 60));
    CEditCtrl * e2 = AddEdit(*v2, 10, CRect(10, 10, 110, 30));
    CWnd other;
    ASSERT_TRUE(
        other.Create(nullptr, "other", WS_POPUP | WS_VISIBLE, CRect(700, 0, 900, 200), nullptr, 0));
    CTestView * v3 = AddView(other, "v3", CRect(0, 0, 200, 200));
    CEditCtrl * e3 = AddEdit(*v3, 10, CRect(10, 10, 110, 30));
    CAutomation::Pump();
    Heard().clear();

    struct Step {
        CEditCtrl * clicked;
        Lines heard;
        std::vector<BOOL> current; // v1, v2, v3
    } const steps[] = {
        {e1, {"v1:current"}, {TRUE, FALSE, FALSE}},
        {e1b, {}, {TRUE, FALSE, FALSE}},
        {e2, {"v1:not current", "v2:current"}, {FALSE, TRUE, FALSE}},
        {e3, {"v3:current"}, {FALSE, TRUE, TRUE}}, // another top-level window keeps its own
        {e1, {"v2:not current", "v1:current"}, {TRUE, FALSE, TRUE}},
    };
    for (Step const & step : steps) {
        SCOPED_TRACE(step.clicked->GetParent() == v1 ? "in v1" : "elsewhere");
        Heard().clear();
        CAutomation::Click(step.clicked);
        EXPECT_EQ(CWnd::GetFocus(), step.clicked);
        EXPECT_EQ(Heard(), step.heard);
        EXPECT_EQ((std::vector<BOOL>{v1->IsCurrent(), v2->IsCurrent(), v3->IsCurrent()}),
                  step.current);
    }
    other.DestroyWindow();
}

TEST_F(Views, SetCurrentTellsTheViewsThatLoseAndGainAndForgetsDestroyedViews) {
    CTestView * v1 = AddView(m_main, "v1", CRect(0, 0, 100, 100));
    CTestView * v2 = AddView(m_main, "v2", CRect(100, 0, 200, 100));
    CTestView * v3 = AddView(m_main, "v3", CRect(200, 0, 300, 100));
    CAutomation::Pump();
    Heard().clear();

    // clang-format off
    struct Step { CTestView * view; BOOL current; Lines heard; } const steps[] = {
        {v1, TRUE, {"v1:current"}},
        {v1, TRUE, {}},
        {v2, FALSE, {}}, // not the current one
        {v2, TRUE, {"v1:not current", "v2:current"}},
        {v2, FALSE, {"v2:not current"}},
        {v1, TRUE, {"v1:current"}}, // nobody was current
        {v3, TRUE, {"v1:not current", "v3:current"}},
    };
    // clang-format on
    for (Step const & step : steps) {
        SCOPED_TRACE(step.view->m_name + (step.current ? " on" : " off"));
        Heard().clear();
        step.view->SetCurrent(step.current);
        EXPECT_EQ(Heard(), step.heard);
    }
    EXPECT_TRUE(v3->IsCurrent());

    v3->DestroyWindow();
    Heard().clear();
    v2->SetCurrent(TRUE);
    EXPECT_EQ(Heard(), Lines{"v2:current"}) << "a destroyed view hears nothing";
}

TEST_F(Views, AViewWithoutAWindowIsNeverCurrent) {
    CTestView view("alone");
    view.SetCurrent(TRUE);
    EXPECT_FALSE(view.IsCurrent());
    EXPECT_TRUE(Heard().empty());
}

TEST_F(Views, AHandlerThatMovesTheCurrentViewOnWinsOverTheViewBeingMadeCurrent) {
    CTestView * v1 = AddView(m_main, "v1", CRect(0, 0, 100, 100));
    CTestView * v2 = AddView(m_main, "v2", CRect(100, 0, 200, 100));
    CTestView * v3 = AddView(m_main, "v3", CRect(200, 0, 300, 100));
    v1->SetCurrent(TRUE);
    // v1, on losing, hands the current view to v3 itself.
    v1->m_onNotCurrent = [v3] { v3->SetCurrent(TRUE); };
    Heard().clear();
    v2->SetCurrent(TRUE);
    EXPECT_EQ(Heard(), (Lines{"v1:not current", "v3:current"}));
    EXPECT_TRUE(v3->IsCurrent());
    EXPECT_FALSE(v2->IsCurrent());
}
