#include "ListTestBase.hpp"

#include "CButton.hpp"
#include "CEditCtrl.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"

namespace {

constexpr UINT kEdit = 10;
constexpr UINT kList = 11;
constexpr UINT kDropList = 12;
constexpr UINT kDropDown = 13;

// A dialog with an edit, a list box, a drop-down list, a drop-down and the default
// button, in that tab order.
class ListDialog : public ListTestBase {
protected:
    void SetUp() override {
        ListTestBase::SetUp();
        m_parent.SetDialogStyle(TRUE);
        m_edit = new CEditCtrl;
        ASSERT_TRUE(
            m_edit->Create("", WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 130, 30), &m_parent, kEdit));
        m_list = AddList(kList, LBS_NOTIFY, 5, CPoint(10, 40));
        Fill(*m_list, {"one", "two", "three"});
        m_dropList = AddCombo(kDropList, CBS_DROPDOWNLIST, CPoint(150, 10));
        Fill(*m_dropList, {"Red", "Green", "Blue"});
        m_dropDown = AddCombo(kDropDown, CBS_DROPDOWN, CPoint(150, 40));
        Fill(*m_dropDown, {"10", "20", "50"});
        m_ok = new CButton;
        ASSERT_TRUE(m_ok->Create("OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                 CRect(300, 250, 380, 275), &m_parent, IDOK));
        CAutomation::Pump();
    }

    // Where the focus is, as the control that holds it.
    CWnd * FocusedControl() const {
        CWnd * focus = CWnd::GetFocus();
        return focus && focus->GetParent() == m_dropDown ? m_dropDown : focus;
    }

    CEditCtrl * m_edit = nullptr;
    CListBox * m_list = nullptr;
    CComboBox * m_dropList = nullptr;
    CComboBox * m_dropDown = nullptr;
    CButton * m_ok = nullptr;
};

} // namespace

TEST_F(ListDialog, TabMovesThroughTheListsAndOnAndShiftTabComesBack) {
    m_edit->SetFocus();
    CWnd * const forward[] = {m_list, m_dropList, m_dropDown, m_ok, m_edit};
    for (CWnd * expected : forward) {
        CAutomation::PressKey(VK_TAB);
        EXPECT_EQ(FocusedControl(), expected) << expected->GetID();
    }
    EXPECT_EQ(CWnd::GetFocus(), m_edit);
    CWnd * const backward[] = {m_ok, m_dropDown, m_dropList, m_list, m_edit};
    for (CWnd * expected : backward) {
        CAutomation::PressKey(VK_TAB, CAutomation::modShift);
        EXPECT_EQ(FocusedControl(), expected) << expected->GetID();
    }

    // Tabbing into a drop-down gives its edit field the focus with the text selected.
    m_dropDown->SetCurSel(2);
    m_dropList->SetFocus();
    CAutomation::PressKey(VK_TAB);
    auto * edit = static_cast<CEditCtrl *>(m_dropDown->GetDlgItem(CComboBox::editId));
    EXPECT_EQ(CWnd::GetFocus(), edit);
    int start = -1;
    int end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
}

TEST_F(ListDialog, ArrowKeysStayInsideTheLists) {
    for (CWnd * control : {static_cast<CWnd *>(m_list), static_cast<CWnd *>(m_dropList),
                           static_cast<CWnd *>(m_dropDown)}) {
        SCOPED_TRACE(control->GetID());
        control->SetFocus();
        Clear();
        CAutomation::PressKey(VK_DOWN);
        CAutomation::PressKey(VK_DOWN);
        CAutomation::PressKey(VK_UP);
        EXPECT_EQ(FocusedControl(), control);
        EXPECT_EQ(Heard(),
                  (Commands{{control->GetID(), 1}, {control->GetID(), 1}, {control->GetID(), 1}}))
            << "LBN_SELCHANGE and CBN_SELCHANGE are both 1";
        UINT const getCurSel = control == m_list ? LB_GETCURSEL : CB_GETCURSEL;
        EXPECT_EQ(control->SendMessage(getCurSel), 0);
    }
}

TEST_F(ListDialog, ReturnAndEscapeCloseAnOpenListInsteadOfTheDialog) {
    for (CComboBox * combo : {m_dropList, m_dropDown}) {
        UINT const id = combo->GetID();
        SCOPED_TRACE(id);
        combo->SetCurSel(0);
        combo->SetFocus();
        // clang-format off
        struct Step { UINT key; Commands heard; } const steps[] = {
            {VK_F4, {{id, CBN_DROPDOWN}}},
            {VK_DOWN, {{id, CBN_SELCHANGE}}},
            {VK_RETURN, {{id, CBN_SELENDOK}, {id, CBN_CLOSEUP}}},
            {VK_RETURN, {{IDOK, BN_CLICKED}}},
            {VK_F4, {{id, CBN_DROPDOWN}}},
            {VK_ESCAPE, {{id, CBN_SELENDCANCEL}, {id, CBN_CLOSEUP}}},
            {VK_ESCAPE, {{IDCANCEL, BN_CLICKED}}},
        };
        // clang-format on
        for (Step const & step : steps) {
            Clear();
            CAutomation::PressKey(step.key);
            EXPECT_EQ(Heard(), step.heard) << step.key;
        }
        EXPECT_EQ(combo->GetCurSel(), 1);
    }
}

TEST_F(ListDialog, TabFromAnOpenListClosesItAndMovesOn) {
    m_dropList->SetFocus();
    CAutomation::PressKey(VK_F4);
    CAutomation::PressKey(VK_DOWN);
    Clear();
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(Heard(), (Commands{{kDropList, CBN_SELENDCANCEL},
                                 {kDropList, CBN_CLOSEUP},
                                 {kDropList, CBN_SELCHANGE},
                                 {kDropList, CBN_KILLFOCUS},
                                 {kDropDown, CBN_SETFOCUS}}));
    EXPECT_FALSE(m_dropList->GetDroppedState());
    EXPECT_EQ(m_dropList->GetCurSel(), CB_ERR);
    EXPECT_EQ(FocusedControl(), m_dropDown);
}
