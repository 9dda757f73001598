#include "CAutomation.hpp"
#include "CClock.hpp"
#include "CDisplay.hpp"
#include "CThread.hpp"
#include "CWnd.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string RectText(CRect const & r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.Width()) +
           "x" + std::to_string(r.Height());
}

// Writes down what the window system tells it, by the order in which windows were made.
class CRecordingDisplay : public CDisplay {
public:
    Lines m_heard;
    std::vector<HWND> m_windows;
    std::vector<int> m_waits;
    std::function<bool(int)> m_onWait;

    std::string Name(HWND hwnd) {
        for (std::size_t i = 0; i < m_windows.size(); ++i)
            if (m_windows[i] == hwnd)
                return "w" + std::to_string(i + 1);
        return "?";
    }
    void WindowCreated(HWND hwnd, CRect const & rect, DWORD style, char const * caption) override {
        m_windows.push_back(hwnd);
        m_heard.push_back("created " + Name(hwnd) + " " + RectText(rect) + " \"" + caption + "\"" +
                          ((style & WS_VISIBLE) ? " visible" : ""));
    }
    void WindowDestroyed(HWND hwnd) override { m_heard.push_back("destroyed " + Name(hwnd)); }
    void WindowMoved(HWND hwnd, CRect const & rect) override {
        m_heard.push_back("moved " + Name(hwnd) + " " + RectText(rect));
    }
    void WindowShown(HWND hwnd, bool show) override {
        m_heard.push_back((show ? "shown " : "hidden ") + Name(hwnd));
    }
    void CaptionChanged(HWND hwnd, char const * caption) override {
        m_heard.push_back("caption " + Name(hwnd) + " \"" + caption + "\"");
    }
    void Present(HWND hwnd, CSurface const &) override {
        m_heard.push_back("present " + Name(hwnd));
    }
    bool WaitEvents(int milliseconds) override {
        m_waits.push_back(milliseconds);
        return m_onWait && m_onWait(milliseconds);
    }
};

class DisplayHooks : public ::testing::Test {
protected:
    void SetUp() override {
        CClock::SetCurrent(&m_clock);
        CDisplay::SetCurrent(&m_display);
    }
    void TearDown() override {
        CDisplay::SetCurrent(nullptr);
        CClock::SetCurrent(nullptr);
    }

    CManualClock m_clock;
    CRecordingDisplay m_display;
};

} // namespace

TEST_F(DisplayHooks, TopLevelWindowsAreReportedAndChildWindowsAreNot) {
    CWnd main;
    ASSERT_TRUE(
        main.Create(nullptr, "Main", WS_POPUP | WS_CAPTION, CRect(10, 20, 310, 220), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(
        child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &main, 1));
    CWnd popup;
    ASSERT_TRUE(popup.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(40, 60, 140, 90), &main, 0));
    CAutomation::Pump();
    main.ShowWindow(SW_SHOW);
    CAutomation::Pump();
    main.MoveWindow(CRect(10, 20, 410, 320));
    main.MoveWindow(CRect(10, 20, 410, 320)); // no change, nothing to tell
    child.MoveWindow(CRect(5, 5, 60, 30));
    main.SetWindowText("Renamed");
    child.SetWindowText("child text");
    main.ShowWindow(SW_HIDE);
    main.ShowWindow(SW_HIDE);
    main.DestroyWindow();

    Lines const expected = {
        "created w1 10,20 300x200 \"Main\"",
        "created w2 40,60 100x30 \"\" visible",
        "present w2",
        "shown w1",
        "present w1",
        "moved w1 10,20 400x300",
        "caption w1 \"Renamed\"",
        "hidden w1",
        "destroyed w2", // owned windows go before their owner
        "destroyed w1",
    };
    EXPECT_EQ(m_display.m_heard, expected);
}

TEST_F(DisplayHooks, NothingIsPresentedWhenNothingWasPainted) {
    CWnd main;
    ASSERT_TRUE(
        main.Create(nullptr, "Main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CAutomation::Pump();
    m_display.m_heard.clear();
    CAutomation::Pump();
    EXPECT_TRUE(m_display.m_heard.empty());
    main.Invalidate(TRUE);
    CAutomation::Pump();
    EXPECT_EQ(m_display.m_heard, Lines{"present w1"});
    main.DestroyWindow();
}

TEST_F(DisplayHooks, TheMessageLoopWaitsForEventsUntilTheNextTimer) {
    CWnd main;
    ASSERT_TRUE(
        main.Create(nullptr, "Main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CThread::FindInstance()->SetMainWnd(&main);
    UINT const timer = CWnd::AllocTimerID();
    main.SetTimer(timer, 30);
    m_clock.Advance(10);
    // The desktop's events take as long as the display was allowed to wait; on the third
    // wait the user closes the window after the timer was killed.
    m_display.m_onWait = [&](int milliseconds) {
        if (m_display.m_waits.size() == 3) {
            main.KillTimer(timer);
            return true;
        }
        if (m_display.m_waits.size() == 4) {
            main.SendMessage(WM_CLOSE, 0, 0);
            return true;
        }
        m_clock.Advance(static_cast<std::uint64_t>(milliseconds));
        return true;
    };
    EXPECT_TRUE(CThread::FindInstance()->Run());
    EXPECT_EQ(m_display.m_waits, (std::vector<int>{20, 30, 30, -1}));
    EXPECT_FALSE(main.IsWindow());
}

TEST_F(DisplayHooks, ALoopEndsWhenTheDisplayCanGiveNoMoreEvents) {
    CWnd main;
    ASSERT_TRUE(
        main.Create(nullptr, "Main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CThread::FindInstance()->SetMainWnd(&main);
    EXPECT_FALSE(CThread::FindInstance()->Run());
    EXPECT_EQ(m_display.m_waits, std::vector<int>{-1});
    main.DestroyWindow();
    CDisplay::SetCurrent(nullptr);
    m_display.m_waits.clear();
    CWnd other;
    ASSERT_TRUE(
        other.Create(nullptr, "Other", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    CThread::FindInstance()->SetMainWnd(&other);
    // Uninstalled, the display is asked nothing.
    EXPECT_FALSE(CThread::FindInstance()->Run());
    EXPECT_TRUE(m_display.m_waits.empty());
    other.DestroyWindow();
}
