#include "ButtonTestBase.hpp"
#include "CDC.hpp"
#include "CStatic.hpp"
#include "WinMessages.hpp"
#include "internal/StaticText.hpp"

#include <string>

namespace {

class StaticControl : public ButtonTestBase {
protected:
    CStatic * AddStatic(UINT id, DWORD style, char const * text = "Label") {
        auto * label = new CStatic;
        EXPECT_TRUE(
            label->Create(text, style | WS_VISIBLE, CRect(10, 100, 200, 120), &m_parent, id));
        return label;
    }
};

} // namespace

TEST_F(StaticControl, NotifyingStaticsReportClicksAndNeverTakeTheFocus) {
    // clang-format off
    struct Case { DWORD style; bool enabled; size_t clicks; } const cases[] = {
        {SS_NOTIFY, true, 3}, // one click, then the two presses of a double click
        {SS_LEFT, true, 0},
        {SS_NOTIFY | SS_CENTER, false, 0},
    };
    // clang-format on
    CButton * button = Add(1, BS_PUSHBUTTON);
    UINT id = 30;
    for (Case const & test : cases) {
        SCOPED_TRACE(test.style);
        CStatic * label = AddStatic(++id, test.style);
        label->EnableWindow(test.enabled);
        button->SetFocus();
        Clear();
        CAutomation::Click(label);
        CAutomation::DoubleClick(label);
        EXPECT_EQ(Heard(), Commands(test.clicks, {id, STN_CLICKED}));
        EXPECT_EQ(CWnd::GetFocus(), button);
        EXPECT_EQ(label->SendMessage(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_STATIC));
        label->DestroyWindow();
    }
}

TEST_F(StaticControl, TheStyleChoosesHowTheTextIsDrawn) {
    // clang-format off
    struct Case { DWORD style; UINT flags; } const cases[] = {
        {SS_LEFT, DT_LEFT | DT_WORDBREAK},
        {SS_CENTER, DT_CENTER | DT_WORDBREAK},
        {SS_RIGHT | SS_NOPREFIX, DT_RIGHT | DT_WORDBREAK | DT_NOPREFIX},
        {SS_LEFTNOWORDWRAP, DT_LEFT},
        {SS_SIMPLE, DT_SINGLELINE},
        {SS_LEFT | SS_ENDELLIPSIS, DT_END_ELLIPSIS},
        {SS_CENTER | SS_WORDELLIPSIS, DT_CENTER | DT_WORD_ELLIPSIS},
        {SS_RIGHT | SS_PATHELLIPSIS | SS_NOTIFY, DT_RIGHT | DT_END_ELLIPSIS},
    };
    // clang-format on
    for (Case const & test : cases)
        EXPECT_EQ(StaticText::DrawFlags(test.style), test.flags) << test.style;
}

TEST_F(StaticControl, AWordEllipsisKeepsWholeWords) {
    struct Case {
        char const * line;
        char const * room; // a text as wide as the room given
        UINT flags;
        char const * shown;
    } const cases[] = {
        {"one two three", "one two three", 0, "one two three"},
        {"one two three", "one two thre", 0, "one two..."},
        {"one two three", "one two", 0, "one..."},
        {"one two  three", "one two  th", 0, "one two..."},
        {"extraordinary words", "extra", 0, "ex..."},
        {"extraordinary", "ab", 0, "..."},
        {"&Save as", "Save as", 0, "&Save as"},
        {"&Save as", "Save as", DT_NOPREFIX, "&Sav..."},
    };
    CDC dc(CDevice::GetScreen());
    for (Case const & test : cases) {
        SCOPED_TRACE(test.line);
        LONG const width = dc.GetTextExtent(test.room).cx;
        EXPECT_EQ(StaticText::WordEllipsis(dc, test.line, width, test.flags), test.shown);
    }
}

TEST_F(StaticControl, StaticsAndButtonsOfEveryKindPaint) {
    DWORD const buttonStyles[] = {
        BS_PUSHBUTTON,      BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX, BS_AUTO3STATE | BS_LEFTTEXT,
        BS_AUTORADIOBUTTON, BS_GROUPBOX,      BS_OWNERDRAW};
    UINT id = 50;
    for (DWORD style : buttonStyles) {
        CButton * button = Add(++id, style | WS_GROUP);
        button->SetFocus();
        button->SetCheck(BST_CHECKED);
        button->SetState(TRUE);
    }
    AddStatic(++id, SS_WORDELLIPSIS, "a text too long for its rectangle\nand a second line");
    AddStatic(++id, SS_CENTER | WS_DISABLED, "grey");
    m_parent.Invalidate(TRUE);
    CAutomation::Pump();
    // Painting is the paint handler's alone: it changes no state and tells nobody.
    EXPECT_EQ(m_parent.m_commands.size(), 0u);
    EXPECT_EQ(m_parent.m_drawn.size(), 1u);
}

TEST_F(StaticControl, LabelsAndGroupBoxesLetClicksThroughToTheControlsBeneath) {
    // clang-format off
    struct Case { char const * name; bool groupBox; DWORD style; Commands heard; } const cases[] = {
        {"plain label", false, SS_LEFT, {{1, BN_CLICKED}}},
        {"notifying label", false, SS_NOTIFY, {{40, STN_CLICKED}}},
        {"group box", true, BS_GROUPBOX, {{1, BN_CLICKED}}},
    };
    // clang-format on
    CButton * below = Add(1, BS_PUSHBUTTON, CRect(20, 20, 120, 60));
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        // Created after the button, so it lies above it.
        CRect const frame(10, 10, 200, 90);
        CWnd * over = nullptr;
        if (test.groupBox) {
            over = Add(40, test.style, frame);
        } else {
            auto * label = new CStatic;
            ASSERT_TRUE(label->Create("Over", test.style | WS_VISIBLE, frame, &m_parent, 40));
            over = label;
        }
        Clear();
        CAutomation::Click(below);
        EXPECT_EQ(Heard(), test.heard);
        over->DestroyWindow();
    }
}
