#pragma once

#include "CAutomation.hpp"
#include "CInput.hpp"
#include "CMiscParentWnd.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A visible, dialog-style top-level parent for the controls a test makes on it, so that
// keys take the real road through the dialog manager.
class MiscTestBase : public ::testing::Test {
protected:
    using Lines = std::vector<std::string>;

    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_parent.Create(nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 480, 320),
                                    nullptr, 0));
        m_parent.SetDialogStyle(TRUE);
        CAutomation::Pump();
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        CAutomation::Pump();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    void Clear() {
        CAutomation::Pump();
        m_parent.m_heard.clear();
    }
    Lines const & Heard() const { return m_parent.m_heard; }

    static CPoint Screen(CWnd * wnd, CPoint client) {
        wnd->ClientToScreen(client);
        return client;
    }

    CMiscParentWnd m_parent;
};
