#include "AfxTrace.hpp"
#include "DeskTestBase.hpp"
#include "WinMessages.hpp"

#include <thread>

namespace {

class MainWindow : public DeskTestBase {};

} // namespace

TEST_F(MainWindow, ABalloonModeChangeReachesEveryViewBelowOnceAndNoChangeReachesNone) {
    CTestView * v1 = AddView(m_main, "v1", CRect(0, 0, 200, 200));
    AddView(*v1, "v1a", CRect(0, 0, 100, 100));
    CWnd panel;
    ASSERT_TRUE(
        panel.Create(nullptr, "panel", WS_CHILD | WS_VISIBLE, CRect(200, 0, 400, 200), &m_main, 0));
    AddView(panel, "v2", CRect(0, 0, 100, 100));
    AddEdit(m_main, 30, CRect(400, 0, 500, 20));
    Lines const all = {"v1:balloon mode", "v1a:balloon mode", "v2:balloon mode"};

    EXPECT_EQ(m_main.GetBalloonMode(), CMainWnd::balloonOff);
    // clang-format off
    struct Step { UINT mode; Lines heard; } const steps[] = {
        {CMainWnd::balloonHover, all},    {CMainWnd::balloonHover, {}},
        {CMainWnd::balloonTracking, all}, {CMainWnd::balloonOff, all},
        {CMainWnd::balloonOff, {}},
    };
    // clang-format on
    for (Step const & step : steps) {
        SCOPED_TRACE(step.mode);
        Heard().clear();
        m_main.SetBalloonMode(step.mode);
        EXPECT_EQ(m_main.GetBalloonMode(), step.mode);
        EXPECT_EQ(Heard(), step.heard);
    }
}

TEST_F(MainWindow, AViewDestroyedByAnotherViewsBalloonHandlerHearsNothing) {
    CTestView * v1 = AddView(m_main, "v1", CRect(0, 0, 200, 200));
    CTestView * v2 = AddView(m_main, "v2", CRect(200, 0, 400, 200));
    AddView(m_main, "v3", CRect(400, 0, 600, 200));
    v1->m_onBalloonMode = [v2] { v2->DestroyWindow(); };
    m_main.SetBalloonMode(CMainWnd::balloonTracking);
    EXPECT_EQ(Heard(), (Lines{"v1:balloon mode", "v3:balloon mode"}));
}

TEST_F(MainWindow, TheBalloonModeOfAWindowNotYetCreatedIsKept) {
    CMainWnd later;
    later.SetBalloonMode(CMainWnd::balloonHover);
    EXPECT_EQ(later.GetBalloonMode(), CMainWnd::balloonHover);
    ASSERT_TRUE(later.Create("later", CRect(0, 0, 100, 100)));
    AddView(later, "v", CRect(0, 0, 50, 50));
    later.SetBalloonMode(CMainWnd::balloonHover);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(MainWindow, TheFirstMainWindowBecomesTheThreadsMainWindowUntilItIsDestroyed) {
    CThread * thread = CThread::FindInstance();
    EXPECT_EQ(thread, CThread::FindInstance());
    EXPECT_EQ(thread->GetMainWnd(), &m_main);

    CMainWnd second;
    ASSERT_TRUE(second.Create("second", CRect(0, 0, 100, 100)));
    EXPECT_EQ(thread->GetMainWnd(), &m_main) << "a second frame does not take over";

    m_main.DestroyWindow();
    EXPECT_EQ(thread->GetMainWnd(), nullptr);

    thread->SetMainWnd(&second);
    EXPECT_EQ(thread->GetMainWnd(), &second);
    second.SendMessage(WM_CLOSE);
    EXPECT_FALSE(second.IsWindow());
    EXPECT_EQ(thread->GetMainWnd(), nullptr);

    CWnd unborn;
    thread->SetMainWnd(&unborn);
    EXPECT_EQ(thread->GetMainWnd(), nullptr) << "an object without a window is no main window";
}

TEST_F(MainWindow, EachThreadHasItsOwnObjectWithNoMainWindowOfItsOwn) {
    CThread * mine = CThread::FindInstance();
    CThread * theirs = nullptr;
    CWnd * theirMain = &m_main;
    std::thread other([&] {
        theirs = CThread::FindInstance();
        theirMain = theirs->GetMainWnd();
    });
    other.join();
    EXPECT_NE(theirs, mine);
    EXPECT_EQ(theirMain, nullptr);
    EXPECT_EQ(mine->GetMainWnd(), &m_main);
}

TEST_F(MainWindow, RunHandlesMessagesUntilTheMainWindowGoes) {
    struct Case {
        char const * name;
        bool withMain;
        bool closeMain;
        BOOL result;
        bool error;
    } const cases[] = {
        {"main window closed", true, true, TRUE, false},
        {"main window left open", true, false, FALSE, true},
        {"no main window", false, false, TRUE, false},
    };
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CMainWnd main;
        ASSERT_TRUE(main.Create("run", CRect(0, 0, 100, 100), WS_VISIBLE));
        CThread::FindInstance()->SetMainWnd(test.withMain ? &main : nullptr);
        CCommandRecorderWnd other("other");
        ASSERT_TRUE(other.Create(nullptr, "other", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        other.PostMessage(WM_COMMAND, 7, 0);
        if (test.closeMain)
            main.PostMessage(WM_CLOSE);
        Heard().clear();

        CTraceCapture trace;
        EXPECT_EQ(CThread::FindInstance()->Run(), test.result);
        EXPECT_EQ(Heard(), Lines{"other:command 7"}) << "queued messages are handled";
        EXPECT_EQ(main.IsWindow(), !test.closeMain);
        EXPECT_EQ(trace.Contains("ERROR: "), test.error);
        if (test.withMain) {
            EXPECT_EQ(CThread::FindInstance()->GetMainWnd(), test.closeMain ? nullptr : &main);
        }
        other.DestroyWindow();
        main.DestroyWindow();
    }
}
