#pragma once

#include "CAutomation.hpp"
#include "CEditCtrl.hpp"
#include "CInput.hpp"
#include "CMainWnd.hpp"
#include "CTestView.hpp"
#include "CThread.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

// A visible main window for the views of a test, and helpers that put views and edits on it.
class DeskTestBase : public ::testing::Test {
protected:
    using Lines = std::vector<std::string>;

    void SetUp() override {
        CAutomation::Start();
        CThread::FindInstance()->SetMainWnd(nullptr);
        ASSERT_TRUE(m_main.Create("main", CRect(0, 0, 600, 400), WS_VISIBLE));
        CAutomation::Pump();
        Heard().clear();
    }
    void TearDown() override {
        m_main.DestroyWindow();
        CThread::FindInstance()->SetMainWnd(nullptr);
        CInput::ReleaseAll();
        CAutomation::Stop();
        EXPECT_EQ(CTestView::s_living, 0) << "views released with their windows";
    }

    // A view released with its window.
    static CTestView * AddView(CWnd & parent, char const * name, CRect const & rect,
                               BOOL handlesCommands = TRUE) {
        auto * view = new CTestView(name, handlesCommands);
        view->SetOptions(CViewWnd::optionAutoDelete);
        EXPECT_TRUE(view->Create(&parent, rect, 0));
        return view;
    }
    static CEditCtrl * AddEdit(CWnd & parent, UINT id, CRect const & rect, char const * text = "",
                               DWORD style = WS_TABSTOP) {
        auto * edit = new CEditCtrl;
        EXPECT_TRUE(edit->Create(text, style | WS_VISIBLE, rect, &parent, id));
        return edit;
    }

    CMainWnd m_main;
};
