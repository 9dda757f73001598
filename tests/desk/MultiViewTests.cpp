#include "CMultiViewWnd.hpp"
#include "DeskTestBase.hpp"
#include "WinMessages.hpp"

namespace {

class MultiView : public DeskTestBase {
protected:
    // A multi-view released with its window.
    CMultiViewWnd * MakeMultiView() {
        auto * multi = new CMultiViewWnd;
        multi->SetOptions(CViewWnd::optionAutoDelete);
        return multi;
    }
    static CTestView * NewView(char const * name, UINT options = CViewWnd::optionAutoDelete) {
        auto * view = new CTestView(name);
        view->SetOptions(options);
        return view;
    }
    static std::vector<std::string> TabTexts(CMultiViewWnd & multi) {
        std::vector<std::string> texts;
        for (int i = 0; i < multi.GetTabCtrl().GetItemCount(); ++i)
            texts.push_back(multi.GetTabCtrl().GetItemText(i).Str());
        return texts;
    }
    // Which views are shown, as a string of 0 and 1.
    static std::string Shown(CMultiViewWnd & multi) {
        std::string shown;
        for (UINT i = 0; i < multi.GetViewCount(); ++i)
            shown += multi.GetView(i)->IsWindowVisible() ? '1' : '0';
        return shown;
    }
    static void ClickTab(CMultiViewWnd & multi, int index) {
        CRect tab;
        ASSERT_TRUE(multi.GetTabCtrl().GetItemRect(index, tab));
        CAutomation::Click(&multi.GetTabCtrl(),
                           CPoint((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    }
    // Where a view lies in the multi-view's client area.
    static CRect PlaceOf(CMultiViewWnd & multi, CWnd & view) {
        CRect rect = view.GetWindowRect();
        multi.ScreenToClient(rect);
        return rect;
    }
};

// Adds its views when it has been created, then lets the base make their windows.
class CTabbedView : public CMultiViewWnd {
protected:
    void OnPostCreate() override {
        AddView("First", new CTestView("first"));
        AddView("Second", new CTestView("second"));
        CMultiViewWnd::OnPostCreate();
    }
};

} // namespace

TEST_F(MultiView, ViewsAddedBeforeTheWindowGetTheirsAfterItsCreationAndLaterOnesAtOnce) {
    CMultiViewWnd * multi = MakeMultiView();
    CTestView * one = NewView("one");
    CTestView * two = NewView("two");
    EXPECT_EQ(multi->AddView("One", one), 0);
    EXPECT_EQ(multi->AddView("Two", two), 1);
    EXPECT_EQ(multi->AddView("Nothing", nullptr), -1);
    ASSERT_TRUE(multi->Create(&m_main, CRect(10, 10, 410, 310), 5));
    EXPECT_EQ(TabTexts(*multi), (std::vector<std::string>{"One", "Two"}));
    EXPECT_FALSE(one->IsWindow()) << "made once the multi-view has been created";
    CAutomation::Pump();
    ASSERT_TRUE(one->IsWindow() && two->IsWindow());
    EXPECT_EQ(one->GetParent(), multi);
    EXPECT_EQ(Shown(*multi), "10");
    EXPECT_EQ(multi->GetActiveView(), one);
    EXPECT_EQ(multi->GetTabCtrl().GetCurSel(), 0);

    CTestView * three = NewView("three");
    EXPECT_EQ(multi->AddView("Three", three), 2);
    EXPECT_TRUE(three->IsWindow());
    EXPECT_EQ(TabTexts(*multi), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_EQ(Shown(*multi), "100");
    EXPECT_EQ(multi->GetViewCount(), 3u);
    EXPECT_EQ(multi->GetView(2), three);
    EXPECT_EQ(multi->GetView(3), nullptr);
}

TEST_F(MultiView, ClickingATabShowsItsViewAndTheProgramCanChooseOneSilently) {
    CMultiViewWnd * multi = MakeMultiView();
    for (char const * name : {"a", "b", "c"})
        multi->AddView(name, NewView(name));
    ASSERT_TRUE(multi->Create(&m_main, CRect(0, 0, 400, 300), 5));
    CAutomation::Pump();

    struct Step {
        char const * name;
        int tab;     // clicked, or -1
        UINT chosen; // by SetActiveView when no tab is clicked
        std::string shown;
    } const steps[] = {
        {"click b", 1, 0, "010"},
        {"click c", 2, 0, "001"},
        {"click c again", 2, 0, "001"},
        {"click a", 0, 0, "100"},
        {"program chooses c", -1, 2, "001"},
        {"program chooses nothing there", -1, 7, "001"},
        {"click b", 1, 0, "010"},
    };
    for (Step const & step : steps) {
        SCOPED_TRACE(step.name);
        if (step.tab >= 0)
            ClickTab(*multi, step.tab);
        else
            multi->SetActiveView(step.chosen);
        EXPECT_EQ(Shown(*multi), step.shown);
        int const active = static_cast<int>(step.shown.find('1'));
        EXPECT_EQ(multi->GetActiveIndex(), active);
        EXPECT_EQ(multi->GetTabCtrl().GetCurSel(), active);
    }
}

TEST_F(MultiView, TheViewsFillTheDisplayAreaAndFollowTheSize) {
    CMultiViewWnd * multi = MakeMultiView();
    CTestView * a = NewView("a");
    CTestView * b = NewView("b");
    multi->AddView("A", a);
    multi->AddView("B", b);
    ASSERT_TRUE(multi->Create(&m_main, CRect(0, 0, 300, 200), 5));
    CAutomation::Pump();

    // clang-format off
    struct Step { CRect rect; UINT style; } const steps[] = {
        {CRect(0, 0, 300, 200), CMultiViewWnd::tabStyleTop},
        {CRect(20, 30, 520, 380), CMultiViewWnd::tabStyleTop},
        {CRect(20, 30, 520, 380), CMultiViewWnd::tabStyleNone},
        {CRect(0, 0, 250, 150), CMultiViewWnd::tabStyleNone},
        {CRect(0, 0, 250, 150), CMultiViewWnd::tabStyleTop},
    };
    // clang-format on
    for (Step const & step : steps) {
        SCOPED_TRACE(step.rect.Width());
        multi->MoveWindow(step.rect);
        multi->SetTabStyle(step.style);
        EXPECT_EQ(multi->GetTabStyle(), step.style);
        CRect const client = multi->GetClientRect();
        CRect display = client;
        bool const tabs = step.style == CMultiViewWnd::tabStyleTop;
        if (tabs) {
            multi->GetTabCtrl().AdjustRect(FALSE, display);
            EXPECT_GT(display.top, client.top + 10) << "below the tab row";
            EXPECT_TRUE(client.Encloses(display));
        }
        EXPECT_EQ(multi->GetTabCtrl().IsWindowVisible(), tabs);
        EXPECT_EQ(PlaceOf(*multi, *a), display);
        EXPECT_EQ(PlaceOf(*multi, *b), display) << "hidden views follow too";
    }
}

TEST_F(MultiView, ItsMinimumIsTheLargestOfItsViewsPlusTheTabRow) {
    CMultiViewWnd * multi = MakeMultiView();
    CTestView * wide = NewView("wide");
    CTestView * tall = NewView("tall");
    wide->m_minSize = CSize(160, 50);
    tall->m_minSize = CSize(80, 120);
    multi->AddView("Wide", wide);
    multi->AddView("Tall", tall);
    multi->AddView("Free", NewView("free"));
    ASSERT_TRUE(multi->Create(&m_main, CRect(0, 0, 300, 200), 5));
    CAutomation::Pump();

    for (UINT style : {CMultiViewWnd::tabStyleTop, CMultiViewWnd::tabStyleNone}) {
        SCOPED_TRACE(style);
        multi->SetTabStyle(style);
        MINMAXINFO info;
        multi->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        CRect expected(0, 0, 160, 120);
        if (style == CMultiViewWnd::tabStyleTop) {
            multi->GetTabCtrl().AdjustRect(TRUE, expected);
            EXPECT_GT(expected.Height(), 120 + 10);
        }
        EXPECT_EQ(info.ptMinTrackSize, CPoint(expected.Width(), expected.Height()));
    }
}

TEST_F(MultiView, AViewThatGoesEarlyLeavesItsTabAndTheNextOneBecomesActive) {
    CMultiViewWnd * multi = MakeMultiView();
    CTestView * a = NewView("a");
    CTestView * b = NewView("b");
    CTestView * c = NewView("c", 0);
    multi->AddView("A", a);
    multi->AddView("B", b);
    multi->AddView("C", c);
    ASSERT_TRUE(multi->Create(&m_main, CRect(0, 0, 300, 200), 5));
    CAutomation::Pump();
    multi->SetActiveView(1);

    b->DestroyWindow(); // released with its window
    EXPECT_EQ(TabTexts(*multi), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(multi->GetActiveView(), c);
    EXPECT_EQ(multi->GetTabCtrl().GetCurSel(), 1);
    EXPECT_EQ(Shown(*multi), "01");

    delete a; // the program's own deletion of a view before the active one
    EXPECT_EQ(TabTexts(*multi), (std::vector<std::string>{"C"}));
    EXPECT_EQ(multi->GetActiveIndex(), 0);
    EXPECT_EQ(multi->GetView(0), c);
}

TEST_F(MultiView, ItsViewsGoWithItWhetherOrNotTheyHadWindows) {
    struct Case {
        char const * name;
        bool create;
        bool destroyParent; // else the multi-view is deleted
    } const cases[] = {
        {"never created, deleted", false, false},
        {"created, deleted", true, false},
        {"created, its parent destroyed", true, true},
    };
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CWnd panel;
        ASSERT_TRUE(panel.Create(nullptr, "panel", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300),
                                 &m_main, 0));
        auto * multi = new CMultiViewWnd;
        multi->SetOptions(test.destroyParent ? CViewWnd::optionAutoDelete : 0);
        multi->AddView("released", NewView("released"));
        multi->AddView("owned", NewView("owned", 0));
        if (test.create) {
            ASSERT_TRUE(multi->Create(&panel, CRect(0, 0, 200, 200), 5));
            CAutomation::Pump();
        }
        EXPECT_EQ(CTestView::s_living, 2);
        if (test.destroyParent)
            panel.DestroyWindow();
        else
            delete multi;
        EXPECT_EQ(CTestView::s_living, 0);
    }
}

TEST_F(MultiView, AttachingTheMultiViewAttachesNoneOfItsViews) {
    CNamedItem item("item");
    CMultiViewWnd * multi = MakeMultiView();
    CTestView * view = NewView("v");
    multi->AddView("V", view);
    ASSERT_TRUE(multi->Create(&m_main, CRect(0, 0, 300, 200), 5));
    CAutomation::Pump();
    Heard().clear();
    multi->Attach(&item);
    EXPECT_EQ(multi->GetItem(), &item);
    EXPECT_EQ(view->GetItem(), nullptr);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(MultiView, ADerivedMultiViewAddsItsViewsWhenCreatedAndTheyAllHearTheBalloonMode) {
    auto * tabbed = new CTabbedView;
    tabbed->SetOptions(CViewWnd::optionAutoDelete);
    ASSERT_TRUE(tabbed->Create(&m_main, CRect(0, 0, 300, 200), 5));
    EXPECT_EQ(tabbed->GetViewCount(), 0u);
    CAutomation::Pump();
    ASSERT_EQ(tabbed->GetViewCount(), 2u);
    EXPECT_EQ(TabTexts(*tabbed), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(Shown(*tabbed), "10");
    Heard().clear();
    m_main.SetBalloonMode(CMainWnd::balloonTracking);
    EXPECT_EQ(Heard(), (Lines{"first:balloon mode", "second:balloon mode"}));
}
