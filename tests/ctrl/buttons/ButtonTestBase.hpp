#pragma once

#include "CAutomation.hpp"
#include "CButton.hpp"
#include "CButtonParent.hpp"
#include "CInput.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

// A visible top-level parent (dialog-style when a test asks) for buttons made on it, and
// the mouse and key steps that tests drive them with.
class ButtonTestBase : public ::testing::Test {
protected:
    using Commands = std::vector<CButtonParent::Command>;

    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_parent.Create(nullptr, "parent", WS_POPUP | WS_VISIBLE,
                                    CRect(10, 10, 410, 310), nullptr, 0));
        CAutomation::Pump();
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    // A button on the parent; the parent owns it from then on.
    CButton * Add(UINT id, DWORD style, CRect const & rect = CRect(10, 10, 90, 40),
                  char const * text = "Button") {
        auto * button = new CButton;
        EXPECT_TRUE(button->Create(text, style | WS_VISIBLE, rect, &m_parent, id));
        return button;
    }
    void Clear() {
        CAutomation::Pump();
        m_parent.m_commands.clear();
        m_parent.m_drawn.clear();
    }
    Commands const & Heard() const { return m_parent.m_commands; }

    static CPoint Screen(CWnd & wnd, CPoint client) {
        wnd.ClientToScreen(client);
        return client;
    }
    static bool Pushed(CButton & button) { return (button.GetState() & BST_PUSHED) != 0; }

    CButtonParent m_parent;
};
