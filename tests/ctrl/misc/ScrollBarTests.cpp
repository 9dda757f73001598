#include "CScrollBar.hpp"
#include "MiscTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <cstdlib>

namespace {

enum Part { lineUp = 1, pageUp, thumb, pageDown, lineDown };

class ScrollBarTest : public MiscTestBase {
protected:
    // A 200 × 17 bar lying across, or a 17 × 200 one upright, with the range 0 to 100 at
    // position 50.
    CScrollBar * Add(DWORD style, UINT id = 50) {
        auto * bar = new CScrollBar;
        CRect const rect = (style & SBS_VERT) ? CRect(300, 20, 317, 220) : CRect(20, 20, 220, 37);
        EXPECT_TRUE(bar->Create("", style | WS_VISIBLE, rect, &m_parent, id));
        bar->SetScrollRange(0, 100);
        bar->SetScrollPos(50);
        return bar;
    }

    static SCROLLBARINFO Info(CScrollBar * bar) {
        SCROLLBARINFO info;
        EXPECT_TRUE(bar->GetScrollBarInfo(info));
        return info;
    }
    static bool Vertical(CScrollBar * bar) { return (bar->GetStyle() & SBS_VERT) != 0; }
    static int Length(CScrollBar * bar) {
        CRect const client = bar->GetClientRect();
        return Vertical(bar) ? client.Height() : client.Width();
    }
    // A client point `along` pixels down the bar, halfway across it.
    static CPoint AlongBar(CScrollBar * bar, int along) {
        CRect const client = bar->GetClientRect();
        return Vertical(bar) ? CPoint(client.Width() / 2, along)
                             : CPoint(along, client.Height() / 2);
    }
    // The middle of a part, as the bar reports where its parts are drawn.
    static CPoint PointOn(CScrollBar * bar, Part part) {
        SCROLLBARINFO const info = Info(bar);
        int const arrow = info.dxyLineButton;
        int const length = Length(bar);
        switch (part) {
        case lineUp:
            return AlongBar(bar, arrow / 2);
        case pageUp:
            return AlongBar(bar, (arrow + info.xyThumbTop) / 2);
        case thumb:
            return AlongBar(bar, (info.xyThumbTop + info.xyThumbBottom) / 2);
        case pageDown:
            return AlongBar(bar, (info.xyThumbBottom + length - arrow) / 2);
        default:
            return AlongBar(bar, length - arrow / 2);
        }
    }
    static bool Pressed(CScrollBar * bar, Part part) {
        return (Info(bar).rgstate[part] & STATE_SYSTEM_PRESSED) != 0;
    }
    static int TrackPos(CScrollBar * bar) {
        SCROLLINFO info;
        bar->GetScrollInfo(info, SIF_TRACKPOS);
        return info.nTrackPos;
    }
    void Press(CScrollBar * bar, CPoint client) {
        CPoint const at = Screen(bar, client);
        CInput::MouseMove(at);
        CInput::MouseDown(at, CInput::buttonLeft);
        CAutomation::Pump();
    }
    void MoveTo(CScrollBar * bar, CPoint client) { CAutomation::MoveMouse(Screen(bar, client)); }
    void Release(CScrollBar * bar, CPoint client) {
        CInput::MouseUp(Screen(bar, client), CInput::buttonLeft);
        CAutomation::Pump();
    }
};

} // namespace

TEST_F(ScrollBarTest, AClickOnEachPartAsksTheParentAndEndsWithEndScroll) {
    // clang-format off
    struct Row { char const * name; DWORD style; Part part; Lines heard; } const rows[] = {
        {"left arrow", SBS_HORZ, lineUp, {"H lineup", "H endscroll"}},
        {"right arrow", SBS_HORZ, lineDown, {"H linedown", "H endscroll"}},
        {"trough left of the thumb", SBS_HORZ, pageUp, {"H pageup", "H endscroll"}},
        {"trough right of the thumb", SBS_HORZ, pageDown, {"H pagedown", "H endscroll"}},
        {"thumb clicked without moving", SBS_HORZ, thumb, {"H thumbpos 50", "H endscroll"}},
        {"up arrow", SBS_VERT, lineUp, {"V lineup", "V endscroll"}},
        {"down arrow", SBS_VERT, lineDown, {"V linedown", "V endscroll"}},
        {"trough above the thumb", SBS_VERT, pageUp, {"V pageup", "V endscroll"}},
        {"trough below the thumb", SBS_VERT, pageDown, {"V pagedown", "V endscroll"}},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CScrollBar * bar = Add(row.style);
        Clear();
        CAutomation::Click(bar, PointOn(bar, row.part));
        EXPECT_EQ(Heard(), row.heard);
        // The bar leaves moving to its parent.
        EXPECT_EQ(bar->GetScrollPos(), 50);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_FALSE(Pressed(bar, row.part));
        bar->DestroyWindow();
    }
}

TEST_F(ScrollBarTest, TheThumbShowsThePositionWithinTheTroughBetweenTheArrows) {
    // clang-format off
    struct Row { char const * name; int min; int max; UINT page; int pos; } const rows[] = {
        {"at the minimum", 0, 100, 0, 0},   {"in the middle", 0, 100, 0, 50},
        {"at the maximum", 0, 100, 0, 100}, {"negative range", -40, -20, 0, -30},
        {"quarter page", 0, 99, 25, 0},     {"quarter page at the end", 0, 99, 25, 75},
    };
    // clang-format on
    for (DWORD style : {SBS_HORZ, SBS_VERT}) {
        CScrollBar * bar = Add(style);
        int const length = Length(bar);
        int const arrow = Info(bar).dxyLineButton;
        EXPECT_EQ(arrow, 17);
        int const trough = length - 2 * arrow;
        for (Row const & row : rows) {
            SCOPED_TRACE(row.name);
            SCROLLINFO info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMin = row.min;
            info.nMax = row.max;
            info.nPage = row.page;
            info.nPos = row.pos;
            bar->SetScrollInfo(info);
            SCROLLBARINFO const parts = Info(bar);
            int const thumbLength = parts.xyThumbBottom - parts.xyThumbTop;
            if (row.page == 0)
                EXPECT_EQ(thumbLength, 17) << "a square thumb";
            else
                EXPECT_NEAR(thumbLength,
                            trough * static_cast<int>(row.page) / (row.max - row.min + 1), 1);
            // Where the thumb's start lies in the room it can move in, as a share of the
            // positions.
            double const share =
                static_cast<double>(row.pos - row.min) / (bar->GetScrollLimit() - row.min);
            EXPECT_NEAR(parts.xyThumbTop, arrow + share * (trough - thumbLength), 1.0);
            EXPECT_GE(parts.xyThumbTop, arrow);
            EXPECT_LE(parts.xyThumbBottom, length - arrow);
        }
        bar->DestroyWindow();
    }
}

TEST_F(ScrollBarTest, HeldArrowsRepeatAfterTheDelayWhileThePointerStaysOnThem) {
    CScrollBar * bar = Add(SBS_HORZ);
    CPoint const arrow = PointOn(bar, lineDown);
    CPoint const trough = PointOn(bar, pageDown);
    Clear();
    Press(bar, arrow);
    EXPECT_EQ(m_parent.Count("linedown"), 1);
    EXPECT_TRUE(Pressed(bar, lineDown));
    CAutomation::AdvanceClock(CScrollBar::repeatDelay - 1);
    EXPECT_EQ(m_parent.Count("linedown"), 1);
    CAutomation::AdvanceClock(1);
    EXPECT_EQ(m_parent.Count("linedown"), 2);
    CAutomation::AdvanceClock(3 * CScrollBar::repeatInterval);
    EXPECT_EQ(m_parent.Count("linedown"), 5);

    // Off the arrow it shows released and stops asking; back on, it goes on.
    MoveTo(bar, trough);
    EXPECT_FALSE(Pressed(bar, lineDown));
    CAutomation::AdvanceClock(4 * CScrollBar::repeatInterval);
    EXPECT_EQ(m_parent.Count("linedown"), 5);
    EXPECT_EQ(m_parent.Count("pagedown"), 0);
    MoveTo(bar, arrow);
    EXPECT_TRUE(Pressed(bar, lineDown));
    CAutomation::AdvanceClock(CScrollBar::repeatInterval);
    EXPECT_EQ(m_parent.Count("linedown"), 6);

    Release(bar, arrow);
    EXPECT_EQ(Heard().back(), "H endscroll");
    CAutomation::AdvanceClock(1000);
    EXPECT_EQ(m_parent.Count("linedown"), 6);
    EXPECT_EQ(m_parent.Count("endscroll"), 1);
    EXPECT_FALSE(Pressed(bar, lineDown));
}

TEST_F(ScrollBarTest, AHeldPageAreaRepeatsUntilTheThumbReachesThePointer) {
    CScrollBar * bar = Add(SBS_VERT);
    bar->SetScrollPos(0);
    // The parent moves the bar as a view would: ten positions a page.
    m_parent.m_onScroll = [bar](UINT code, int, CWnd &) {
        if (code == SB_PAGEDOWN)
            bar->SetScrollPos(bar->GetScrollPos() + 10);
    };
    int const along = Info(bar).dxyLineButton + (Length(bar) - 2 * 17) * 3 / 4;
    CPoint const point = AlongBar(bar, along);
    Clear();
    Press(bar, point);
    CAutomation::AdvanceClock(2000);
    int const pages = m_parent.Count("pagedown");
    EXPECT_GE(pages, 3);
    SCROLLBARINFO const info = Info(bar);
    // The thumb now covers the pointer: no more pages, and the page area is not pressed.
    EXPECT_LE(info.xyThumbTop, along);
    EXPECT_GT(info.xyThumbBottom, along);
    EXPECT_LT(bar->GetScrollPos(), 100);
    EXPECT_FALSE(Pressed(bar, pageDown));
    Release(bar, point);
    EXPECT_EQ(m_parent.Count("pagedown"), pages);
    EXPECT_EQ(Heard().back(), "V endscroll");
}

TEST_F(ScrollBarTest, TheDraggedThumbFollowsThePointerWhileThePositionStays) {
    CScrollBar * bar = Add(SBS_HORZ);
    CPoint const from = PointOn(bar, thumb);
    int const top = Info(bar).xyThumbTop;
    Clear();
    Press(bar, from);
    EXPECT_TRUE(Heard().empty()) << "pressing the thumb asks for nothing yet";
    MoveTo(bar, from + CSize(30, 0));
    EXPECT_NEAR(Info(bar).xyThumbTop, top + 30, 1);
    EXPECT_EQ(bar->GetScrollPos(), 50);
    int const tracked = TrackPos(bar);
    EXPECT_GT(tracked, 60);
    EXPECT_EQ(Heard(), Lines{"H thumbtrack " + std::to_string(tracked)});
    // Moving across the bar changes no position: nothing more is heard.
    MoveTo(bar, from + CSize(30, 3));
    EXPECT_EQ(Heard().size(), 1u);
    // Beyond the end of the bar the thumb tracks the last position.
    MoveTo(bar, from + CSize(Length(bar) + 40, 3));
    EXPECT_EQ(TrackPos(bar), 100);
    Release(bar, from + CSize(Length(bar) + 40, 3));
    EXPECT_EQ(Heard(), (Lines{"H thumbtrack " + std::to_string(tracked), "H thumbtrack 100",
                              "H thumbpos 100", "H endscroll"}));
    // The parent set nothing, so the thumb goes back to the position.
    EXPECT_EQ(TrackPos(bar), 50);
    EXPECT_EQ(Info(bar).xyThumbTop, top);
}

TEST_F(ScrollBarTest, DraggingTheThumbToWhereAPositionIsDrawnGivesThatPosition) {
    for (DWORD style : {SBS_HORZ, SBS_VERT}) {
        CScrollBar * bar = Add(style);
        for (int pos : {1, 2, 13, 50, 67, 99, 100}) {
            SCOPED_TRACE(pos);
            bar->SetScrollPos(pos);
            int const drawnAt = Info(bar).xyThumbTop;
            bar->SetScrollPos(0);
            int const grip = 5;
            CPoint const from = AlongBar(bar, Info(bar).xyThumbTop + grip);
            Press(bar, from);
            MoveTo(bar, AlongBar(bar, drawnAt + grip));
            EXPECT_EQ(TrackPos(bar), pos);
            EXPECT_EQ(Info(bar).xyThumbTop, drawnAt);
            Release(bar, AlongBar(bar, drawnAt + grip));
        }
        bar->DestroyWindow();
    }
}

TEST_F(ScrollBarTest, ACancelledDragReturnsToWhereItStarted) {
    CWnd * other = new CWnd;
    ASSERT_TRUE(
        other->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(20, 100, 60, 120), &m_parent, 99));
    other->SetAutoDelete(TRUE);
    struct Row {
        char const * name;
        std::function<void(CScrollBar *)> cancel;
    } const rows[] = {
        {"escape", [](CScrollBar *) { CAutomation::PressKey(VK_ESCAPE); }},
        {"capture taken", [other](CScrollBar *) { other->SetCapture(); }},
        {"focus taken", [other](CScrollBar *) { other->SetFocus(); }},
        {"disabled", [](CScrollBar * bar) { bar->EnableWindow(FALSE); }},
    };
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CScrollBar * bar = Add(SBS_HORZ | WS_TABSTOP);
        CPoint const from = PointOn(bar, thumb);
        Press(bar, from);
        EXPECT_EQ(CWnd::GetFocus(), bar) << "a bar in the tab order takes the focus";
        MoveTo(bar, from + CSize(40, 0));
        Clear();
        row.cancel(bar);
        CAutomation::Pump();
        EXPECT_EQ(Heard(), (Lines{"H thumbpos 50", "H endscroll"}));
        EXPECT_NE(CWnd::GetCapture(), bar);
        EXPECT_EQ(TrackPos(bar), 50);
        // The button let go afterwards ends nothing more.
        Release(bar, from + CSize(40, 0));
        EXPECT_EQ(Heard().size(), 2u);
        CWnd::ReleaseCapture();
        bar->DestroyWindow();
    }
}

TEST_F(ScrollBarTest, EscapeStopsAHeldArrowAndIsTheDialogsOtherwise) {
    CScrollBar * bar = Add(SBS_HORZ | WS_TABSTOP);
    CPoint const arrow = PointOn(bar, lineUp);
    Clear();
    Press(bar, arrow);
    CAutomation::PressKey(VK_ESCAPE);
    EXPECT_EQ(Heard(), (Lines{"H lineup", "H endscroll"}));
    CAutomation::AdvanceClock(1000);
    Release(bar, arrow);
    EXPECT_EQ(Heard().size(), 2u);
    // Without a press the dialog cancels.
    Clear();
    CAutomation::PressKey(VK_ESCAPE);
    EXPECT_EQ(Heard(), Lines{std::to_string(IDCANCEL) + ":code 0"});
}

TEST_F(ScrollBarTest, KeysOfAFocusedBarAskTheParentAndTheirReleaseEndsTheScroll) {
    // clang-format off
    struct Row { UINT key; char const * request; } const rows[] = {
        {VK_LEFT, "lineup"},  {VK_UP, "lineup"},     {VK_RIGHT, "linedown"}, {VK_DOWN, "linedown"},
        {VK_PRIOR, "pageup"}, {VK_NEXT, "pagedown"}, {VK_HOME, "top"},       {VK_END, "bottom"},
    };
    // clang-format on
    for (DWORD style : {SBS_HORZ, SBS_VERT}) {
        CScrollBar * bar = Add(style | WS_TABSTOP);
        bar->SetFocus();
        std::string const side = (style & SBS_VERT) ? "V " : "H ";
        for (Row const & row : rows) {
            SCOPED_TRACE(row.request);
            Clear();
            CAutomation::PressKey(row.key);
            EXPECT_EQ(Heard(), (Lines{side + row.request, side + "endscroll"}));
            EXPECT_EQ(CWnd::GetFocus(), bar) << "the dialog's arrows did not move the focus";
        }
        // The keyboard's repeat asks again; one release ends it.
        Clear();
        CAutomation::KeyDown(VK_NEXT);
        CAutomation::KeyDown(VK_NEXT);
        CAutomation::KeyDown(VK_NEXT);
        CAutomation::KeyUp(VK_NEXT);
        EXPECT_EQ(Heard(), (Lines{side + "pagedown", side + "pagedown", side + "pagedown",
                                  side + "endscroll"}));
        EXPECT_EQ(bar->GetScrollPos(), 50);
        bar->DestroyWindow();
    }
}

TEST_F(ScrollBarTest, RangesAndPositionsAreClampedAndTheProgramsChangesAreNotHeard) {
    struct Row {
        char const * name;
        int min;
        int max;
        UINT page;
        int set;
        int pos;
        int limit;
    } const rows[] = {
        {"inside", 0, 100, 0, 40, 40, 100},
        {"above the maximum", 0, 100, 0, 150, 100, 100},
        {"below the minimum", 10, 20, 0, 3, 10, 20},
        {"negative range", -50, -10, 0, -30, -30, -10},
        {"maximum below the minimum", 10, 5, 0, 7, 10, 10},
        {"a page shortens the limit", 0, 16, 8, 12, 9, 9},
        {"a page larger than the range", 0, 9, 50, 5, 0, 0},
    };
    CScrollBar * bar = Add(SBS_HORZ);
    Clear();
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        bar->SetScrollRange(row.min, row.max);
        SCROLLINFO info;
        info.fMask = SIF_PAGE;
        info.nPage = row.page;
        bar->SetScrollInfo(info);
        int const before = bar->GetScrollPos();
        EXPECT_EQ(bar->SetScrollPos(row.set), before);
        EXPECT_EQ(bar->GetScrollPos(), row.pos);
        EXPECT_EQ(bar->GetScrollLimit(), row.limit);
        int min = 0;
        int max = 0;
        bar->GetScrollRange(min, max);
        EXPECT_EQ(min, row.min);
        EXPECT_EQ(max, std::max(row.min, row.max));
    }
    // A new range takes the position with it.
    bar->SetScrollInfo(SCROLLINFO{SIF_PAGE, 0, 0, 0, 0, 0});
    bar->SetScrollRange(0, 100);
    bar->SetScrollPos(80);
    bar->SetScrollRange(0, 50, FALSE);
    EXPECT_EQ(bar->GetScrollPos(), 50);
    SCROLLINFO all;
    EXPECT_TRUE(bar->GetScrollInfo(all));
    EXPECT_EQ(all.nMin, 0);
    EXPECT_EQ(all.nMax, 50);
    EXPECT_EQ(all.nPage, 0u);
    EXPECT_EQ(all.nPos, 50);
    EXPECT_EQ(all.nTrackPos, 50);
    CAutomation::Pump();
    EXPECT_TRUE(Heard().empty());
}

TEST_F(ScrollBarTest, ABarWithNothingToScrollShowsNoThumbAndItsTroughIsInert) {
    CScrollBar * bar = Add(SBS_HORZ);
    bar->SetScrollRange(5, 5);
    SCROLLBARINFO const info = Info(bar);
    EXPECT_EQ(info.xyThumbTop, 0);
    EXPECT_EQ(info.xyThumbBottom, 0);
    EXPECT_TRUE(info.rgstate[thumb] & STATE_SYSTEM_INVISIBLE);
    Clear();
    CAutomation::Click(bar, AlongBar(bar, Length(bar) / 2));
    EXPECT_TRUE(Heard().empty());
    CAutomation::Click(bar, PointOn(bar, lineDown));
    EXPECT_EQ(Heard(), (Lines{"H linedown", "H endscroll"}));
}

TEST_F(ScrollBarTest, DisabledBarsIgnoreTheMouseAndTheKeys) {
    CScrollBar * bar = Add(SBS_HORZ | WS_TABSTOP);
    CPoint const arrow = PointOn(bar, lineDown);
    bar->SetFocus();
    bar->EnableWindow(FALSE);
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
    SCROLLBARINFO const info = Info(bar);
    EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(info.xyThumbBottom, 0) << "no thumb on a disabled bar";
    Clear();
    CAutomation::Click(bar, arrow);
    CAutomation::PressKey(VK_RIGHT);
    bar->SendMessage(WM_KEYDOWN, VK_RIGHT);
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(static_cast<unsigned>(arrow.x), static_cast<unsigned>(arrow.y)));
    CAutomation::AdvanceClock(1000);
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    bar->EnableWindow(TRUE);
    CAutomation::Click(bar, arrow);
    EXPECT_EQ(Heard(), (Lines{"H linedown", "H endscroll"}));
}

TEST_F(ScrollBarTest, AParentMayDestroyTheBarWhileItAsks) {
    // A bar that is going away says no more, not even that the press ended.
    // clang-format off
    struct Row { DestroyRow destroy; Part part; };
    Row const rows[] = {
        {{"on the arrow's request", "H linedown", false, {}}, lineDown},
        {{"on the end of the press", "H endscroll", false, {}}, lineDown},
        {{"while the thumb is dragged", "H thumbtrack", false, {}}, thumb},
        {{"on the thumb's final position", "H thumbpos", false, {}}, thumb},
    };
    // clang-format on
    for (Row const & row : rows) {
        CScrollBar * bar = Add(SBS_HORZ);
        CPoint const from = Screen(bar, PointOn(bar, row.part));
        CheckDestroyedByHandler(row.destroy, *bar, [&] {
            CAutomation::Drag(from, from + CSize(30, 0), 3);
            CAutomation::AdvanceClock(1000);
        });
    }
}
