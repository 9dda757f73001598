#include "ToolTipTestBase.hpp"

#include <functional>

namespace {

// A tooltip that answers for the window of tools whose controls lie inside it: the mouse
// over a control in a tool owner counts as over the owner.
class COwnerToolTip : public CToolTip {
public:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT const result = CToolTip::WndProc(message, wParam, lParam);
        if (message != TTM_WINDOWFROMPOINT)
            return result;
        for (CWnd * wnd = CWnd::FromHandle(reinterpret_cast<HWND>(result)); wnd;
             wnd = wnd->GetParent())
            if (wnd->IsKindOf(CParentRecorder::AfxStaticClassInfo()))
                return reinterpret_cast<LRESULT>(wnd->GetSafeHwnd());
        return 0;
    }
};

class ToolTipHover : public ToolTipTestBase {
protected:
    using Action = std::function<void()>;
    struct Step {
        char const * what;
        Action act;
        Lines heard;
        bool shows;
    };

    void Run(std::vector<Step> const & steps) {
        for (Step const & step : steps) {
            SCOPED_TRACE(step.what);
            step.act();
            EXPECT_EQ(Take(), step.heard);
            EXPECT_EQ(Shows(), step.shows);
        }
    }

    Action Move(CPoint client) {
        return [this, client] { MoveTo(client); };
    }
    static Action Advance(std::uint64_t milliseconds) {
        return [milliseconds] { CAutomation::AdvanceClock(milliseconds); };
    }
    Action Click(CPoint client) {
        return [this, client] { CAutomation::ClickAt(Screen(client)); };
    }
    static Action Both(Action first, Action second) {
        return [first, second] {
            first();
            second();
        };
    }
};

CRect const first(10, 10, 110, 40);
CRect const second(110, 10, 210, 40);

} // namespace

TEST_F(ToolTipHover, ATipShowsAfterTheMouseRestsAndHidesAfterTheAutoPopDelay) {
    ASSERT_TRUE(AddTool(1, first, "Tip text"));
    Run({
        {"the mouse comes to rest on the tool", Move({20, 20}), {}, false},
        {"not yet", Advance(499), {}, false},
        {"moving within the tool starts the wait again", Move({25, 20}), {}, false},
        {"still not", Advance(499), {}, false},
        {"the initial delay", Advance(1), {"1:show"}, true},
        {"shown", Advance(4999), {}, true},
        {"the auto-pop delay", Advance(1), {"1:pop"}, false},
        {"resting on does not show it again", Advance(2000), {}, false},
        {"nor moving within the tool", Both(Move({30, 20}), Advance(1000)), {}, false},
        {"leaving the tool", Move({200, 20}), {}, false},
        {"coming back", Both(Move({20, 20}), Advance(500)), {"1:show"}, true},
        {"a button going down hides it", Click({20, 20}), {"1:pop"}, false},
        {"until the mouse leaves the tool", Advance(1000), {}, false},
        {"back on the tool",
         Both(Both(Move({200, 20}), Move({20, 20})), Advance(500)),
         {"1:show"},
         true},
        // The main window around the view is not watched: the tooltip looks by itself.
        {"the mouse leaves the view",
         [this] { CAutomation::MoveMouse(CPoint(550, 350)); },
         {},
         true},
        {"noticed within a tenth of a second", Advance(100), {"1:pop"}, false},
        {"and it stays away", Advance(10000), {}, false},
    });
    // The plain tip stands below the pointer, sized to its text: 8 characters of 7 pixels
    // in a frame of 1 and a padding of 4 by 2.
    EXPECT_EQ(TipRect(), CRect(CPoint(120, 140), CSize(66, 19)));
}

TEST_F(ToolTipHover, MovingFromAShownTipToAnotherToolShowsItAfterTheReshowDelay) {
    ASSERT_TRUE(AddTool(1, first, "First"));
    ASSERT_TRUE(AddTool(2, second, "Second"));
    Run({
        {"first", Both(Move({20, 20}), Advance(500)), {"1:show"}, true},
        {"on to the second", Move({120, 20}), {"1:pop"}, false},
        {"not yet", Advance(99), {}, false},
        {"the reshow delay", Advance(1), {"2:show"}, true},
        {"off both", Move({300, 100}), {"2:pop"}, false},
        {"back on the first: the initial delay again",
         Both(Move({20, 20}), Advance(499)),
         {},
         false},
        {"now", Advance(1), {"1:show"}, true},
    });
}

TEST_F(ToolTipHover, DelaysAreSetOneByOneOrTogetherAndDefaultsComeBack) {
    // clang-format off
    struct Case {
        char const * name;
        std::vector<std::pair<UINT, int>> set;
        int initial;
        int autoPop;
        int reshow;
    } const cases[] = {
        {"defaults", {}, 500, 5000, 100},
        {"automatic", {{TTDT_AUTOMATIC, 1000}}, 1000, 10000, 200},
        {"one by one", {{TTDT_INITIAL, 200}, {TTDT_AUTOPOP, 30000}, {TTDT_RESHOW, 50}}, 200, 30000, 50},
        {"automatic back to the defaults", {{TTDT_AUTOMATIC, 1000}, {TTDT_AUTOMATIC, -1}}, 500, 5000, 100},
        {"one back to its default", {{TTDT_AUTOMATIC, 1000}, {TTDT_RESHOW, -1}}, 1000, 10000, 100},
    };
    // clang-format on
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        MakeTip(0);
        for (auto const & [which, time] : test.set)
            m_tip->SetDelayTime(which, time);
        EXPECT_EQ(m_tip->GetDelayTime(TTDT_INITIAL), test.initial);
        EXPECT_EQ(m_tip->GetDelayTime(TTDT_AUTOPOP), test.autoPop);
        EXPECT_EQ(m_tip->GetDelayTime(TTDT_RESHOW), test.reshow);
    }
    // The delays the view sets take effect.
    MakeTip(TTS_BALLOON);
    m_tip->SetDelayTime(TTDT_INITIAL, 200);
    m_tip->SetDelayTime(TTDT_AUTOPOP, 30000);
    ASSERT_TRUE(AddTool(1, first, "Tip"));
    Run({
        {"initial", Both(Move({20, 20}), Advance(200)), {"1:show"}, true},
        {"shown", Advance(29999), {}, true},
        {"auto-pop", Advance(1), {"1:pop"}, false},
    });
}

TEST_F(ToolTipHover, NewToolRectMovesTheHotArea) {
    ASSERT_TRUE(AddTool(1, first, "Tip"));
    CRect const moved(200, 100, 300, 150);
    m_tip->NewToolRect(&m_view, 1, moved);
    TOOLINFO info;
    info.cbSize = TTTOOLINFO_V2_SIZE;
    ASSERT_TRUE(m_tip->GetToolInfo(info, &m_view, 1));
    EXPECT_EQ(info.rect, moved);
    Run({
        {"the old place", Both(Move({20, 20}), Advance(1000)), {}, false},
        {"the new place", Both(Move({250, 120}), Advance(500)), {"1:show"}, true},
        // Moved away from under the mouse, the tip hides at once.
        {"moved back", [&] { m_tip->NewToolRect(&m_view, 1, first); }, {"1:pop"}, false},
        {"and waits for the mouse there", Both(Move({20, 20}), Advance(500)), {"1:show"}, true},
    });
}

TEST_F(ToolTipHover, DelToolHidesItsTipAndForgetsIt) {
    ASSERT_TRUE(AddTool(1, first, "One"));
    ASSERT_TRUE(AddTool(2, second, "Two"));
    Run({
        {"shown", Both(Move({20, 20}), Advance(500)), {"1:show"}, true},
        {"deleted", [&] { m_tip->DelTool(&m_view, 1); }, {"1:pop"}, false},
        {"unknown tools", [&] { m_tip->DelTool(&m_view, 9); }, {}, false},
        {"gone", Both(Move({25, 20}), Advance(1000)), {}, false},
        {"the other stays", Both(Move({120, 20}), Advance(500)), {"2:show"}, true},
    });
    EXPECT_EQ(m_tip->GetToolCount(), 1);
}

TEST_F(ToolTipHover, ToolsThatDoNotSubclassHearOnlyRelayedMoves) {
    ASSERT_TRUE(AddTool(1, first, "Tip", 0));
    MSG move(m_view.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    Run({
        {"unseen", Both(Move({20, 20}), Advance(1000)), {}, false},
        {"relayed", [&] { m_tip->RelayEvent(&move); }, {}, false},
        {"shown", Advance(500), {"1:show"}, true},
    });
}

TEST_F(ToolTipHover, TheTooltipAsksItselfForTheWindowUnderTheMouse) {
    for (bool answersForOwner : {false, true}) {
        SCOPED_TRACE(answersForOwner);
        MakeTip(0, answersForOwner ? new COwnerToolTip : new CToolTip);
        // A control inside the view covers the tool.
        CWnd control;
        ASSERT_TRUE(control.Create(nullptr, "control", WS_CHILD | WS_VISIBLE, first, &m_view, 5));
        ASSERT_TRUE(AddTool(1, first, "Tip"));
        MoveTo({20, 20});
        CAutomation::AdvanceClock(500);
        EXPECT_EQ(Take(), answersForOwner ? Lines{"1:show"} : Lines{});
        EXPECT_EQ(Shows(), answersForOwner);
        CAutomation::MoveMouse(CPoint(5, 5));
        CAutomation::AdvanceClock(100);
        Take();
    }
}

TEST_F(ToolTipHover, ADeactivatedTooltipShowsNothing) {
    ASSERT_TRUE(AddTool(1, first, "Tip"));
    Run({
        {"shown", Both(Move({20, 20}), Advance(500)), {"1:show"}, true},
        {"deactivated", [&] { m_tip->Activate(FALSE); }, {"1:pop"}, false},
        {"hovering", Both(Both(Move({200, 20}), Move({20, 20})), Advance(1000)), {}, false},
        {"activated", [&] { m_tip->Activate(TRUE); }, {}, false},
        {"hovering again", Both(Move({25, 20}), Advance(500)), {"1:show"}, true},
        {"popped", [&] { m_tip->Pop(); }, {"1:pop"}, false},
        {"until the mouse moves again", Advance(1000), {}, false},
        {"it moves", Both(Move({30, 20}), Advance(500)), {"1:show"}, true},
    });
}

TEST_F(ToolTipHover, DestroyingWindowsWhileATipShows) {
    struct Case {
        char const * name;
        // Given the main window, the tool owner and the tooltip, destroys something.
        std::function<void(CWnd & main, CParentRecorder & owner, CToolTip & tip)> destroy;
        bool tooltipLives;
    };
    // clang-format off
    std::vector<Case> const cases = {
        {"the tools' window", [](CWnd &, CParentRecorder & owner, CToolTip &) { owner.DestroyWindow(); }, true},
        {"the tooltip's owner", [](CWnd & main, CParentRecorder &, CToolTip &) { main.DestroyWindow(); }, false},
        {"the tooltip", [](CWnd &, CParentRecorder &, CToolTip & tip) { tip.DestroyWindow(); }, false},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CWnd main;
        ASSERT_TRUE(
            main.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(700, 100, 900, 300), nullptr, 0));
        CParentRecorder owner;
        ASSERT_TRUE(
            owner.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &main, 1));
        auto * tip = new CToolTip;
        ASSERT_TRUE(tip->Create(&main, TTS_BALLOON));
        HWND const tipHandle = tip->GetSafeHwnd();
        owner.m_notifier = tipHandle;
        TOOLINFO info;
        info.cbSize = TTTOOLINFO_V2_SIZE;
        info.uFlags = TTF_SUBCLASS;
        info.hwnd = owner.GetSafeHwnd();
        info.uId = 1;
        info.rect = CRect(0, 0, 100, 100);
        info.lpszText = "Tip";
        ASSERT_TRUE(tip->AddTool(info));
        CAutomation::MoveMouse(CPoint(750, 150));
        CAutomation::AdvanceClock(500);
        ASSERT_EQ(owner.m_heard, Lines{"1:show"});
        test.destroy(main, owner, *tip);
        CAutomation::AdvanceClock(100);
        EXPECT_EQ(CWnd::IsWindow(tipHandle), test.tooltipLives);
        if (test.tooltipLives) {
            EXPECT_FALSE(tip->GetStyle() & WS_VISIBLE);
        }
        // The destroyed tool window hears nothing more.
        EXPECT_EQ(owner.m_heard, Lines{"1:show"});
        CAutomation::AdvanceClock(10000);
        main.DestroyWindow();
        CAutomation::MoveMouse(CPoint(5, 5));
    }
}

TEST_F(ToolTipHover, ATooltipDestroyedByItsShowNotificationShowsNothing) {
    ASSERT_TRUE(AddTool(1, first, "Tip"));
    m_view.m_onNotify = [this](NMHDR &) {
        m_tip->DestroyWindow();
        return 0;
    };
    MoveTo({20, 20});
    CAutomation::AdvanceClock(500);
    EXPECT_EQ(Take(), Lines{"1:show"});
    EXPECT_FALSE(CWnd::IsWindow(m_tipHandle));
    MoveTo({25, 20});
    CAutomation::AdvanceClock(10000);
    EXPECT_EQ(Take(), Lines{});
}

TEST_F(ToolTipHover, AToolThatIsAWindowCoversItsWholeClientArea) {
    CWnd control;
    ASSERT_TRUE(
        control.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(200, 100, 260, 130), &m_view, 5));
    TOOLINFO info;
    info.cbSize = TTTOOLINFO_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = m_view.GetSafeHwnd();
    info.uId = reinterpret_cast<std::uintptr_t>(control.GetSafeHwnd());
    info.lpszText = "Whole window";
    ASSERT_TRUE(m_tip->AddTool(info));
    TOOLINFO current;
    current.cbSize = TTTOOLINFO_V2_SIZE;
    struct Case {
        CPoint at;
        bool shows;
    } const cases[] = {
        {{150, 110}, false}, {{201, 101}, true}, {{259, 129}, true}, {{261, 110}, false}};
    for (auto const & test : cases) {
        SCOPED_TRACE(testing::Message() << test.at.x << "," << test.at.y);
        MoveTo(test.at);
        CAutomation::AdvanceClock(500);
        EXPECT_EQ(Shows(), test.shows);
        EXPECT_EQ(m_tip->GetCurrentTool(current), test.shows);
        if (test.shows) {
            EXPECT_EQ(current.uId, info.uId);
            EXPECT_STREQ(current.lpszText, "Whole window");
        }
        MoveTo({5, 190});
        CAutomation::AdvanceClock(100);
        ASSERT_FALSE(Shows());
    }
}
