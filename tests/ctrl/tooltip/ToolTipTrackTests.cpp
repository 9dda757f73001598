#include "CStdTools.hpp"
#include "ToolTipTestBase.hpp"

#include <functional>

namespace {

class ToolTipTrack : public ToolTipTestBase {
protected:
    // Shows the tip of a new tracking tool at a point of the screen.
    void ShowTracked(UINT id, char const * text, CPoint at, UINT flags = 0) {
        ASSERT_TRUE(AddTool(id, CRect(), text, TTF_TRACK | flags));
        m_tip->TrackPosition(at.x, at.y);
        m_tip->TrackActivate(TRUE, &m_view, id);
    }
};

} // namespace

TEST_F(ToolTipTrack, ATrackingTipShowsWhileActivatedAtTheTrackPoint) {
    ASSERT_TRUE(AddTool(1, CRect(10, 10, 110, 40), "Hover", TTF_SUBCLASS));
    ASSERT_TRUE(AddTool(5, CRect(), "Five", TTF_TRACK));
    ASSERT_TRUE(AddTool(6, CRect(), "Six", TTF_TRACK));
    struct Step {
        char const * what;
        std::function<void()> act;
        Lines heard;
        bool shows;
        CPoint topLeft; // checked while it shows
    };
    // clang-format off
    Step const steps[] = {
        {"a position alone shows nothing", [&] { m_tip->TrackPosition(300, 250); }, {}, false, {}},
        {"activated", [&] { m_tip->TrackActivate(TRUE, &m_view, 5); }, {"5:show"}, true, {300, 250}},
        {"it never hides by itself", [] { CAutomation::AdvanceClock(60000); }, {}, true, {300, 250}},
        {"hovering shows nothing meanwhile", [&] { MoveTo({20, 20}); CAutomation::AdvanceClock(1000); }, {}, true, {300, 250}},
        {"moved", [&] { m_tip->TrackPosition(320, 260); }, {}, true, {320, 260}},
        {"another tool deactivated", [&] { m_tip->TrackActivate(FALSE, &m_view, 6); }, {}, true, {320, 260}},
        {"another tool activated", [&] { m_tip->TrackActivate(TRUE, &m_view, 6); }, {"5:pop", "6:show"}, true, {320, 260}},
        {"deactivated", [&] { m_tip->TrackActivate(FALSE, &m_view, 6); }, {"6:pop"}, false, {}},
        {"a hover tool is no tracking tool", [&] { m_tip->TrackActivate(TRUE, &m_view, 1); }, {}, false, {}},
        {"an identifier without a tool", [&] { m_tip->TrackActivate(TRUE, &m_view, 77); }, {}, false, {}},
        {"activated again", [&] { m_tip->TrackActivate(TRUE, &m_view, 5); }, {"5:show"}, true, {320, 260}},
        {"popped", [&] { m_tip->Pop(); }, {"5:pop"}, false, {}},
        {"and no longer active", [&] { m_tip->TrackPosition(330, 270); }, {}, false, {}},
        {"hovering works again", [&] { MoveTo({25, 20}); CAutomation::AdvanceClock(500); }, {"1:show"}, true, Screen({25, 40})},
    };
    // clang-format on
    for (Step const & step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(Take(), step.heard);
        EXPECT_EQ(Shows(), step.shows);
        if (step.shows) {
            EXPECT_EQ(TipRect().TopLeft(), step.topLeft);
            TOOLINFO current;
            current.cbSize = TTTOOLINFO_V1_SIZE;
            EXPECT_TRUE(m_tip->GetCurrentTool(current));
        }
    }
}

TEST_F(ToolTipTrack, TheTooltipPlacesItsTipOnTheScreen) {
    AfxSetScreenSize(CSize(800, 600));
    // "A longer tip text": 17 characters of 7 pixels. A plain tip adds 10 by 6, a balloon
    // 18 by 14 and its stem of 14.
    char const * text = "A longer tip text";
    CSize const plain(119 + 10, 13 + 6);
    CSize const balloon(119 + 18, 13 + 14 + 14);
    // clang-format off
    struct Case {
        char const * name;
        DWORD style;
        UINT flags;
        CPoint point;
        CRect expected;
    } const cases[] = {
        {"plain at its point", 0, 0, {300, 300}, CRect({300, 300}, plain)},
        {"plain near the bottom stands above", 0, 0, {300, 590}, CRect({300, 571}, plain)},
        {"plain near the right is moved in", 0, 0, {790, 300}, CRect({800 - 129, 300}, plain)},
        {"balloon hangs from its stem", TTS_BALLOON, 0, {300, 300}, CRect({284, 300}, balloon)},
        {"balloon near the right lies left of the point", TTS_BALLOON, 0, {700, 300}, CRect({717 - 137, 300}, balloon)},
        {"balloon near the bottom stands above", TTS_BALLOON, 0, {300, 580}, CRect({284, 581 - 41}, balloon)},
        {"absolute balloon", TTS_BALLOON, TTF_ABSOLUTE, {300, 300}, CRect({300, 300}, balloon)},
        {"off the screen", TTS_BALLOON, TTF_ABSOLUTE, {-40, 900}, CRect({0, 600 - 41}, balloon)},
    };
    // clang-format on
    UINT id = 10;
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        MakeTip(test.style);
        ShowTracked(++id, text, test.point, test.flags);
        EXPECT_TRUE(Shows());
        EXPECT_EQ(TipRect(), test.expected);
    }
    // A hover tip stands below the pointer.
    MakeTip(0);
    ASSERT_TRUE(AddTool(1, CRect(0, 0, 400, 200), text));
    MoveTo({50, 60});
    CAutomation::AdvanceClock(500);
    EXPECT_EQ(TipRect(), CRect(Screen({50, 80}), plain));
}

TEST_F(ToolTipTrack, ATipIsSizedToItsTextAndTitle) {
    // clang-format off
    struct Case {
        char const * name;
        DWORD style;
        int maxWidth;
        UINT icon;
        char const * title;
        char const * text;
        CSize size;
    } const cases[] = {
        {"one line", 0, -1, TTI_NONE, nullptr, "Tip text", {66, 19}},
        {"prefixes dropped", 0, -1, TTI_NONE, nullptr, "A&&B&C", {28 + 10, 19}},
        {"no prefixes", TTS_NOPREFIX, -1, TTI_NONE, nullptr, "A&&B&C", {42 + 10, 19}},
        {"two lines", 0, -1, TTI_NONE, nullptr, "one\ntwo", {21 + 10, 26 + 6}},
        {"wrapped as narrow as its lines", 0, 60, TTI_NONE, nullptr, "aaaa bb cc", {35 + 10, 32}},
        {"a wide enough width does not wrap", 0, 300, TTI_NONE, nullptr, "aaaa bb cc", {80, 19}},
        {"a word wider than the width", 0, 30, TTI_NONE, nullptr, "abcdefghij", {80, 19}},
        {"a title with an icon", 0, -1, TTI_INFO, "Title", "Tip", {16 + 6 + 35 + 10, 16 + 4 + 13 + 6}},
        {"a title without an icon", 0, -1, TTI_NONE, "Title", "Tip", {35 + 10, 13 + 4 + 13 + 6}},
        {"a balloon", TTS_BALLOON, -1, TTI_NONE, nullptr, "Tip", {40, 13 + 14 + 14}},
    };
    // clang-format on
    UINT id = 0;
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        MakeTip(test.style);
        EXPECT_EQ(m_tip->SetMaxTipWidth(test.maxWidth), -1);
        EXPECT_EQ(m_tip->GetMaxTipWidth(), test.maxWidth);
        EXPECT_TRUE(m_tip->SetTitle(test.icon, test.title));
        ShowTracked(++id, test.text, {300, 300});
        EXPECT_EQ(TipRect().Size(), test.size);
    }
    Take();
    // Without text there is no tip.
    MakeTip(0);
    ShowTracked(++id, "", {300, 300});
    EXPECT_FALSE(Shows());
    EXPECT_EQ(Take(), Lines{});
}

TEST_F(ToolTipTrack, ChangesToAShownTipFitItFromTheCornerItsStemPointsFrom) {
    AfxSetScreenSize(CSize(800, 600));
    struct Case {
        char const * name;
        DWORD style;
        CPoint point;
        bool keepsLeft;
        bool keepsTop;
    } const cases[] = {
        {"plain", 0, {300, 300}, true, true},
        {"balloon below and right", TTS_BALLOON, {300, 300}, true, true},
        {"balloon above", TTS_BALLOON, {300, 590}, true, false},
        {"balloon to the left", TTS_BALLOON, {790, 300}, false, true},
    };
    UINT id = 0;
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        MakeTip(test.style);
        ShowTracked(++id, "A tip of some length", test.point);
        CRect const before = TipRect();
        m_tip->SetTitle(TTI_WARNING, "A title longer than the tip's text");
        m_tip->UpdateTipText("Two\nlines", &m_view, id);
        CRect const after = TipRect();
        EXPECT_GT(after.Width(), before.Width());
        EXPECT_GT(after.Height(), before.Height());
        EXPECT_EQ(test.keepsLeft ? after.left : after.right,
                  test.keepsLeft ? before.left : before.right);
        EXPECT_EQ(test.keepsTop ? after.top : after.bottom,
                  test.keepsTop ? before.top : before.bottom);
        EXPECT_EQ(Take(), Lines{std::to_string(id) + ":show"});
    }
}

TEST_F(ToolTipTrack, TheToolsWindowMayPlaceTheTipWhenItIsAboutToShow) {
    ASSERT_TRUE(AddTool(1, CRect(), "Tip text", TTF_TRACK));
    struct Case {
        char const * name;
        CRect moveTo;  // empty: the window leaves it where the tooltip put it
        bool setTitle; // after moving, as the view does
        CRect shown;
    } const cases[] = {
        {"left alone", CRect(), false, CRect(300, 300, 366, 319)},
        {"moved", CRect(50, 60, 116, 79), false, CRect(50, 60, 116, 79)},
        {"moved and given a title", CRect(50, 60, 116, 79), true,
         CRect(50, 60, 50 + 16 + 6 + 35 + 10, 60 + 16 + 4 + 13 + 6)},
        {"hidden in an empty rectangle", CRect(0, 0, 0, 0), true, CRect(0, 0, 0, 0)},
    };
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        m_tip->SetTitle(TTI_NONE, nullptr);
        bool visibleAtShow = true;
        CRect rectAtShow;
        m_view.m_onNotify = [&](NMHDR & header) -> LRESULT {
            CWnd * tip = CWnd::FromHandle(header.hwndFrom);
            if (header.code != TTN_SHOW)
                return 0;
            visibleAtShow = (tip->GetStyle() & WS_VISIBLE) != 0;
            rectAtShow = tip->GetWindowRect();
            bool const moves = !test.moveTo.IsEmpty() || test.setTitle;
            if (!moves)
                return 0;
            tip->MoveWindow(test.moveTo, FALSE);
            if (test.setTitle)
                m_tip->SetTitle(TTI_INFO, "Title");
            return 1;
        };
        m_tip->TrackPosition(300, 300);
        m_tip->TrackActivate(TRUE, &m_view, 1);
        EXPECT_EQ(Take(), Lines{"1:show"});
        // When told, the tooltip had its size and place but did not show yet.
        EXPECT_FALSE(visibleAtShow);
        EXPECT_EQ(rectAtShow, CRect(300, 300, 366, 319));
        EXPECT_TRUE(Shows());
        EXPECT_EQ(TipRect(), test.shown);
        m_tip->TrackActivate(FALSE, &m_view, 1);
        EXPECT_EQ(Take(), Lines{"1:pop"});
    }
}

TEST_F(ToolTipTrack, ToolsAreCheckedWhenAddedAndReadBack) {
    CWnd gone;
    ASSERT_TRUE(gone.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    HWND const goneHandle = gone.GetSafeHwnd();
    gone.DestroyWindow();
    struct Case {
        char const * name;
        UINT cbSize;
        HWND hwnd;
        std::uintptr_t id;
        BOOL added;
        LPARAM kept; // the lParam read back with a V2 TOOLINFO
    } const cases[] = {
        {"no size", 0, m_view.GetSafeHwnd(), 1, FALSE, 0},
        {"first version", TTTOOLINFO_V1_SIZE, m_view.GetSafeHwnd(), 1, TRUE, 0},
        {"same tool again", TTTOOLINFO_V2_SIZE, m_view.GetSafeHwnd(), 1, FALSE, 0},
        {"second version", TTTOOLINFO_V2_SIZE, m_view.GetSafeHwnd(), 2, TRUE, 42},
        {"same identifier, other window", sizeof(TOOLINFO), m_main.GetSafeHwnd(), 1, TRUE, 42},
        {"no window", TTTOOLINFO_V2_SIZE, nullptr, 3, FALSE, 0},
        {"a window that is gone", TTTOOLINFO_V2_SIZE, goneHandle, 4, FALSE, 0},
    };
    int count = 0;
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        TOOLINFO info;
        info.cbSize = test.cbSize;
        info.uFlags = TTF_SUBCLASS;
        info.hwnd = test.hwnd;
        info.uId = test.id;
        info.rect = CRect(1, 2, 3, 4);
        info.lpszText = test.name;
        info.lParam = 42;
        EXPECT_EQ(m_tip->AddTool(info), test.added);
        count += test.added ? 1 : 0;
        EXPECT_EQ(m_tip->GetToolCount(), count);
        if (!test.added)
            continue;
        TOOLINFO read;
        read.cbSize = TTTOOLINFO_V2_SIZE;
        read.lParam = -1;
        ASSERT_TRUE(m_tip->GetToolInfo(read, CWnd::FromHandle(test.hwnd), test.id));
        EXPECT_EQ(read.uFlags, TTF_SUBCLASS);
        EXPECT_EQ(read.rect, CRect(1, 2, 3, 4));
        EXPECT_STREQ(read.lpszText, test.name);
        EXPECT_EQ(read.lParam, test.kept);
        // A first-version TOOLINFO has no lParam to fill in.
        TOOLINFO old;
        old.cbSize = TTTOOLINFO_V1_SIZE;
        old.lParam = -1;
        ASSERT_TRUE(m_tip->GetToolInfo(old, CWnd::FromHandle(test.hwnd), test.id));
        EXPECT_EQ(old.lParam, -1);
    }
    TOOLINFO missing;
    missing.cbSize = TTTOOLINFO_V2_SIZE;
    EXPECT_FALSE(m_tip->GetToolInfo(missing, &m_view, 9));
    m_tip->UpdateTipText("changed", &m_view, 2);
    TOOLINFO changed;
    changed.cbSize = TTTOOLINFO_V2_SIZE;
    ASSERT_TRUE(m_tip->GetToolInfo(changed, &m_view, 2));
    EXPECT_STREQ(changed.lpszText, "changed");
    EXPECT_FALSE(m_tip->GetCurrentTool(changed));
}

TEST_F(ToolTipTrack, TitlesAndColoursAreKept) {
    EXPECT_TRUE(m_tip->SetTitle(TTI_ERROR, "Error"));
    EXPECT_FALSE(m_tip->SetTitle(TTI_ERROR + 1, "Unknown"));
    CColor const info = CStdTools::FindInstance()->GetColor(CStdTools::colorInfoBk);
    EXPECT_EQ(m_tip->GetTipBkColor(), info);
    m_tip->SetTipBkColor(CColor(255, 255, 200));
    m_tip->SetTipTextColor(CColor(0, 0, 128));
    EXPECT_EQ(m_tip->GetTipBkColor(), CColor(255, 255, 200));
    EXPECT_EQ(m_tip->GetTipTextColor(), CColor(0, 0, 128));
    EXPECT_EQ(m_tip->SetMaxTipWidth(300), -1);
    EXPECT_EQ(m_tip->SetMaxTipWidth(-5), 300);
    EXPECT_EQ(m_tip->GetMaxTipWidth(), -1);
}
