#pragma once

#include "CButton.hpp"
#include "ParentTestBase.hpp"

// Buttons made on the recording parent (dialog-style when a test asks).
class ButtonTestBase : public ParentTestBase {
protected:
    ButtonTestBase() : ParentTestBase(CRect(10, 10, 410, 310)) {}

    // A button on the parent; the parent owns it from then on.
    CButton * Add(UINT id, DWORD style, CRect const & rect = CRect(10, 10, 90, 40),
                  char const * text = "Button") {
        auto * button = new CButton;
        EXPECT_TRUE(button->Create(text, style | WS_VISIBLE, rect, &m_parent, id));
        return button;
    }
    static bool Pushed(CButton & button) { return (button.GetState() & BST_PUSHED) != 0; }
};
