#include "CButton.hpp"
#include "DeskTestBase.hpp"
#include "VirtualKeys.hpp"

#include <functional>

namespace {

class DialogViews : public DeskTestBase {
protected:
    static std::string FocusText() {
        CWnd * focus = CWnd::GetFocus();
        return focus ? focus->GetWindowText().Str() : "none";
    }
};

} // namespace

TEST_F(DialogViews, TabAndShiftTabMoveThroughTheViewsTabStopsAndWrapInsideIt) {
    CTestView * view = AddView(m_main, "v", CRect(0, 0, 300, 300));
    CEditCtrl * a = AddEdit(*view, 10, CRect(10, 10, 110, 30), "a");
    AddEdit(*view, 11, CRect(10, 40, 110, 60), "b", WS_TABSTOP | WS_DISABLED);
    AddEdit(*view, 12, CRect(10, 70, 110, 90), "c", 0);
    AddEdit(*view, 13, CRect(10, 100, 110, 120), "d");
    AddEdit(m_main, 20, CRect(400, 10, 500, 30), "outside");
    CAutomation::Click(a);

    // clang-format off
    struct Step { UINT modifiers; char const * focus; } const steps[] = {
        {0, "d"},
        {0, "a"}, // wraps inside the view, never to the main window's edit
        {CAutomation::modShift, "d"},
        {CAutomation::modShift, "a"},
        {CAutomation::modShift, "d"},
    };
    // clang-format on
    for (Step const & step : steps) {
        SCOPED_TRACE(step.focus);
        CAutomation::PressKey(VK_TAB, step.modifiers);
        EXPECT_EQ(FocusText(), step.focus);
    }
    CWnd * focus = CWnd::GetFocus();
    int start = -1;
    int end = -1;
    static_cast<CEditCtrl *>(focus)->GetSel(start, end);
    EXPECT_EQ(start, 0) << "Tab selects the whole text of the edit it reaches";
    EXPECT_EQ(end, 1);
}

TEST_F(DialogViews, ReturnAndEscapeCommandTheViewAndWhatItLeavesGoesToItsParent) {
    // clang-format off
    struct Case {
        char const * name;
        BOOL viewHandles;
        std::function<void(CWnd & view)> act;
        Lines heard;
    } const cases[] = {
        {"Return handled", TRUE, [](CWnd &) { CAutomation::PressKey(VK_RETURN); }, {"v:command 1"}},
        {"Escape handled", TRUE, [](CWnd &) { CAutomation::PressKey(VK_ESCAPE); }, {"v:command 2"}},
        {"Return left", FALSE, [](CWnd &) { CAutomation::PressKey(VK_RETURN); }, {"v:command 1", "parent:command 1 from a view"}},
        {"Escape left", FALSE, [](CWnd &) { CAutomation::PressKey(VK_ESCAPE); }, {"v:command 2", "parent:command 2 from a view"}},
        {"other command left", FALSE, [](CWnd & view) { CAutomation::ClickItem(&view, 5); }, {"v:command 5"}},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CCommandRecorderWnd parent("parent");
        ASSERT_TRUE(parent.Create(nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300),
                                  nullptr, 0));
        CTestView * view = AddView(parent, "v", CRect(0, 0, 300, 300), test.viewHandles);
        CEditCtrl * edit = AddEdit(*view, 10, CRect(10, 10, 110, 30));
        auto * button = new CButton;
        ASSERT_TRUE(
            button->Create("Press", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 50, 90, 80), view, 5));
        CAutomation::Click(edit);
        Heard().clear();
        test.act(*view);
        EXPECT_EQ(Heard(), test.heard);
        parent.DestroyWindow();
    }
}

TEST_F(DialogViews, SetDlgFocusGivesTheFocusAndSelectsAnEditsWholeText) {
    CTestView * view = AddView(m_main, "v", CRect(0, 0, 300, 300));
    CEditCtrl * edit = AddEdit(*view, 10, CRect(10, 10, 110, 30), "hello");
    CEditCtrl * other = AddEdit(*view, 11, CRect(10, 40, 110, 60), "other");
    other->SetFocus();
    view->SetDlgFocus(nullptr);
    EXPECT_EQ(CWnd::GetFocus(), other);
    view->SetDlgFocus(edit);
    EXPECT_EQ(CWnd::GetFocus(), edit);
    int start = -1;
    int end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
}

TEST_F(DialogViews, TheFocusGivenToTheViewGoesOnToItsFirstTabStop) {
    CTestView * empty = AddView(m_main, "empty", CRect(300, 0, 400, 100));
    CTestView * view = AddView(m_main, "v", CRect(0, 0, 300, 300));
    AddEdit(*view, 10, CRect(10, 10, 110, 30), "disabled", WS_TABSTOP | WS_DISABLED);
    AddEdit(*view, 11, CRect(10, 40, 110, 60), "no tab stop", 0);
    CEditCtrl * first = AddEdit(*view, 12, CRect(10, 70, 110, 90), "first");
    AddEdit(*view, 13, CRect(10, 100, 110, 120), "second");
    Heard().clear();
    view->SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), first);
    EXPECT_EQ(Heard(), Lines{"v:current"});
    empty->SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), empty) << "a view without tab stops keeps the focus";
}
