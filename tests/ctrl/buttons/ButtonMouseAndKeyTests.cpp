#include "ButtonTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <string>

namespace {

class ButtonInput : public ButtonTestBase {};

// Points of a 80 × 30 button in its client coordinates.
CPoint const inside(40, 15);
CPoint const outside(-5, 15);

enum class Mouse { down, move, up };

struct MouseStep {
    Mouse action;
    CPoint where;
    bool pushedAfter;
};

struct MouseCase {
    char const * name;
    std::vector<MouseStep> steps;
    size_t clicks;
};

} // namespace

TEST_F(ButtonInput, MousePressesClickOnlyWhenReleasedOverTheButton) {
    // clang-format off
    std::vector<MouseCase> const cases = {
        {"click", {{Mouse::down, inside, true}, {Mouse::up, inside, false}}, 1},
        {"pressed elsewhere, released on it", {{Mouse::down, outside, false}, {Mouse::move, inside, false}, {Mouse::up, inside, false}}, 0},
        {"dragged off and released", {{Mouse::down, inside, true}, {Mouse::move, outside, false}, {Mouse::up, outside, false}}, 0},
        {"dragged off and back", {{Mouse::down, inside, true}, {Mouse::move, outside, false}, {Mouse::move, inside, true}, {Mouse::up, inside, false}}, 1},
    };
    // clang-format on
    UINT id = 100;
    for (MouseCase const & test : cases) {
        SCOPED_TRACE(test.name);
        CButton * button = Add(++id, BS_PUSHBUTTON);
        Clear();
        for (MouseStep const & step : test.steps) {
            CPoint const at = Screen(*button, step.where);
            if (step.action == Mouse::down)
                CInput::MouseDown(at, CInput::buttonLeft);
            else if (step.action == Mouse::move)
                CInput::MouseMove(at);
            else
                CInput::MouseUp(at, CInput::buttonLeft);
            EXPECT_EQ(Pushed(*button), step.pushedAfter);
        }
        EXPECT_EQ(Heard(), Commands(test.clicks, {id, BN_CLICKED}));
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        button->DestroyWindow();
    }
}

TEST_F(ButtonInput, SpaceClicksOnReleaseAndEscapeCancelsIt) {
    struct Key {
        bool down;
        UINT key;
        bool pushedAfter;
    };
    struct Case {
        char const * name;
        std::vector<Key> keys;
        Commands heard; // filled with the button's identifier below
    };
    UINT const id = 7;
    // clang-format off
    std::vector<Case> const cases = {
        {"space", {{true, VK_SPACE, true}, {false, VK_SPACE, false}}, {{id, BN_CLICKED}}},
        {"space held with repeats", {{true, VK_SPACE, true}, {true, VK_SPACE, true}, {false, VK_SPACE, false}}, {{id, BN_CLICKED}}},
        {"escape while space is held", {{true, VK_SPACE, true}, {true, VK_ESCAPE, false}, {false, VK_ESCAPE, false}, {false, VK_SPACE, false}}, {}},
        // Without a press to cancel, Escape is the dialog's.
        {"escape alone", {{true, VK_ESCAPE, false}, {false, VK_ESCAPE, false}}, {{IDCANCEL, 0}}},
    };
    // clang-format on
    m_parent.SetDialogStyle(TRUE);
    CButton * button = Add(id, BS_PUSHBUTTON | WS_TABSTOP);
    button->SetFocus();
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        Clear();
        for (Key const & key : test.keys) {
            if (key.down)
                CInput::KeyDown(key.key);
            else
                CInput::KeyUp(key.key);
            EXPECT_EQ(Pushed(*button), key.pushedAfter);
        }
        EXPECT_EQ(Heard(), test.heard);
    }
}

TEST_F(ButtonInput, DoubleClicksNotifyRadioAndOwnerDrawnButtonsAndPressOthersAgain) {
    // clang-format off
    struct Case { DWORD style; UINT second; int checkAfter; } const cases[] = {
        {BS_PUSHBUTTON, BN_CLICKED, BST_UNCHECKED},
        {BS_AUTOCHECKBOX, BN_CLICKED, BST_UNCHECKED}, // toggled twice
        {BS_AUTORADIOBUTTON, BN_DOUBLECLICKED, BST_CHECKED},
        {BS_RADIOBUTTON, BN_DOUBLECLICKED, BST_UNCHECKED},
        {BS_OWNERDRAW, BN_DOUBLECLICKED, BST_UNCHECKED},
    };
    // clang-format on
    UINT id = 20;
    for (Case const & test : cases) {
        SCOPED_TRACE(test.style);
        CButton * button = Add(++id, test.style | WS_GROUP);
        Clear();
        CAutomation::DoubleClick(button);
        EXPECT_EQ(Heard(), (Commands{{id, BN_CLICKED}, {id, test.second}}));
        EXPECT_EQ(button->GetCheck(), test.checkAfter);
        EXPECT_FALSE(Pushed(*button));
        button->DestroyWindow();
    }
}

TEST_F(ButtonInput, DisabledButtonsIgnoreClicksKeysAndBMClick) {
    DWORD const styles[] = {BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON, BS_OWNERDRAW};
    UINT id = 30;
    for (DWORD style : styles) {
        SCOPED_TRACE(style);
        CButton * other = Add(++id, BS_PUSHBUTTON, CRect(100, 100, 150, 120));
        CButton * button = Add(++id, style);
        other->SetFocus();
        button->EnableWindow(FALSE);
        Clear();
        CAutomation::Click(button);
        CAutomation::DoubleClick(button);
        // Keys reach a disabled button only when sent to it: it cannot have the focus.
        button->SendMessage(WM_KEYDOWN, VK_SPACE, 1);
        button->SendMessage(WM_KEYUP, VK_SPACE, 1);
        button->Click();
        EXPECT_EQ(Heard(), Commands{});
        EXPECT_EQ(button->GetCheck(), BST_UNCHECKED);
        EXPECT_EQ(CWnd::GetFocus(), other) << "a disabled button does not take the focus";
        // Enabled again, the same click counts.
        button->EnableWindow(TRUE);
        CAutomation::Click(button);
        EXPECT_EQ(Heard(), (Commands{{id, BN_CLICKED}}));
        button->DestroyWindow();
        other->DestroyWindow();
    }
}

TEST_F(ButtonInput, CancelledPressesReleaseWithoutAClick) {
    struct Case {
        char const * name;
        bool bySpace;
        std::function<void(CButton & button, CButton & other)> cancel;
    };
    // clang-format off
    std::vector<Case> const cases = {
        {"disabled while pressed by the mouse", false, [](CButton & button, CButton &) { button.EnableWindow(FALSE); }},
        {"disabled while pressed by space", true, [](CButton & button, CButton &) { button.EnableWindow(FALSE); }},
        {"capture taken by another window", false, [](CButton &, CButton & other) { other.SetCapture(); }},
        {"capture released", false, [](CButton &, CButton &) { CWnd::ReleaseCapture(); }},
        {"focus moved while pressed by space", true, [](CButton &, CButton & other) { other.SetFocus(); }},
        {"focus moved while pressed by the mouse", false, [](CButton &, CButton & other) { other.SetFocus(); }},
    };
    // clang-format on
    UINT id = 40;
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CButton * other = Add(++id, BS_PUSHBUTTON, CRect(100, 100, 150, 120));
        CButton * button = Add(++id, BS_AUTOCHECKBOX);
        Clear();
        CPoint const at = Screen(*button, inside);
        if (test.bySpace) {
            button->SetFocus();
            CInput::KeyDown(VK_SPACE);
        } else {
            CInput::MouseDown(at, CInput::buttonLeft);
        }
        ASSERT_TRUE(Pushed(*button));
        test.cancel(*button, *other);
        EXPECT_FALSE(Pushed(*button));
        if (test.bySpace)
            CInput::KeyUp(VK_SPACE);
        else
            CInput::MouseUp(at, CInput::buttonLeft);
        EXPECT_EQ(Heard(), Commands{});
        EXPECT_EQ(button->GetCheck(), BST_UNCHECKED);
        if (CWnd::GetCapture() == other)
            CWnd::ReleaseCapture();
        button->DestroyWindow();
        other->DestroyWindow();
    }
}

TEST_F(ButtonInput, NotifyButtonsReportFocusChanges) {
    CButton * notify = Add(51, BS_PUSHBUTTON | BS_NOTIFY, CRect(10, 10, 90, 40));
    CButton * quiet = Add(52, BS_PUSHBUTTON, CRect(10, 50, 90, 80));
    Clear();
    notify->SetFocus();
    quiet->SetFocus();
    CAutomation::Click(notify);
    EXPECT_EQ(
        Heard(),
        (Commands{{51, BN_SETFOCUS}, {51, BN_KILLFOCUS}, {51, BN_SETFOCUS}, {51, BN_CLICKED}}));
    EXPECT_EQ(notify->GetState() & BST_FOCUS, BST_FOCUS);
    EXPECT_EQ(quiet->GetState() & BST_FOCUS, 0u);
}

TEST_F(ButtonInput, AParentMayDestroyTheButtonWhileHearingOfIt) {
    struct Row {
        DestroyRow destroy;
        DWORD style;
        std::function<void(CButton & button)> act;
    };
    // clang-format off
    Row const rows[] = {
        {{"on a mouse click", "61:clicked", false, {}}, BS_AUTOCHECKBOX, [](CButton & b) { CAutomation::Click(&b); }},
        {{"on space", "61:clicked", false, {}}, BS_AUTORADIOBUTTON, [](CButton & b) { b.SetFocus(); CAutomation::PressKey(VK_SPACE); }},
        {{"on BM_CLICK", "61:clicked", false, {}}, BS_PUSHBUTTON, [](CButton & b) { b.Click(); }},
        {{"on the focus taken by a press", "61:setfocus", false, {}}, BS_PUSHBUTTON | BS_NOTIFY, [](CButton & b) { CAutomation::Click(&b); }},
        {{"on the focus lost", "61:killfocus", false, {}}, BS_PUSHBUTTON | BS_NOTIFY, [](CButton & b) { b.SetFocus(); CWnd::ClearFocus(); }},
        {{"on a double click", "61:doubleclicked", false, {}}, BS_AUTORADIOBUTTON, [](CButton & b) { CAutomation::DoubleClick(&b); }},
    };
    // clang-format on
    for (Row const & row : rows) {
        CButton * button = Add(61, row.style | WS_GROUP);
        CheckDestroyedByHandler(row.destroy, *button, [&] { row.act(*button); });
    }
}
