#pragma once

#include "CAutomation.hpp"
#include "CParentRecorder.hpp"
#include "CToolTip.hpp"
#include "SystemMetrics.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A main window (at 100, 100 on the screen) that owns the tooltip, and a view inside it
// that owns the tools and hears the notifications. The mouse starts off the main window.
class ToolTipTestBase : public ::testing::Test {
protected:
    using Lines = std::vector<std::string>;

    void SetUp() override { Make(0); }
    void TearDown() override {
        m_main.DestroyWindow();
        CInput::ReleaseAll();
        AfxSetScreenSize(CSize(1920, 1080));
        CAutomation::Stop();
    }

    // Makes the windows, the tooltip with a style.
    void Make(DWORD style) {
        CAutomation::Start();
        ASSERT_TRUE(m_main.Create(nullptr, "main", WS_POPUP | WS_VISIBLE, CRect(100, 100, 600, 400),
                                  nullptr, 0));
        ASSERT_TRUE(m_view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200),
                                  &m_main, 1));
        MakeTip(style);
        CAutomation::MoveMouse(CPoint(5, 5));
    }
    // Replaces the tooltip with one of another style.
    void MakeTip(DWORD style, CToolTip * tip = nullptr) {
        if (m_tip && CWnd::IsWindow(m_tipHandle))
            m_tip->DestroyWindow();
        m_tip = tip ? tip : new CToolTip;
        ASSERT_TRUE(m_tip->Create(&m_main, style));
        m_tipHandle = m_tip->GetSafeHwnd();
        m_view.m_notifier = m_tipHandle;
    }

    BOOL AddTool(UINT id, CRect const & rect, char const * text, UINT flags = TTF_SUBCLASS,
                 CWnd * owner = nullptr) {
        TOOLINFO info;
        info.cbSize = TTTOOLINFO_V2_SIZE;
        info.uFlags = flags;
        info.hwnd = (owner ? owner : &m_view)->GetSafeHwnd();
        info.uId = id;
        info.rect = rect;
        info.lpszText = text;
        return m_tip->AddTool(info);
    }

    CPoint Screen(CPoint client) {
        m_view.ClientToScreen(client);
        return client;
    }
    void MoveTo(CPoint client) { CAutomation::MoveMouse(Screen(client)); }
    // What the view heard since the last time.
    Lines Take() {
        Lines lines = m_view.m_heard;
        m_view.m_heard.clear();
        return lines;
    }
    bool Shows() const {
        return CWnd::IsWindow(m_tipHandle) && (m_tip->GetStyle() & WS_VISIBLE) != 0;
    }
    CRect TipRect() const { return m_tip->GetWindowRect(); }

    CWnd m_main;
    CParentRecorder m_view;
    CToolTip * m_tip = nullptr; // released with its window
    HWND m_tipHandle = nullptr;
};
