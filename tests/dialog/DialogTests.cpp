#include "AfxTrace.hpp"
#include "CButton.hpp"
#include "CEditCtrl.hpp"
#include "CRecordingDialog.hpp"
#include "DialogTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;
using Dialog = DialogTest;

int SelectedLength(CWnd * edit) {
    int start = 0;
    int end = 0;
    static_cast<CEditCtrl *>(edit)->GetSel(start, end);
    return end - start;
}

} // namespace

TEST_F(Dialog, ExecuteReturnsTheCodeTheDialogEndedWith) {
    // clang-format off
    struct Case {
        char const * name;
        CAutomation::ModalAction action;
        int code;
        Lines heard; // after WM_INITDIALOG and the first focus
    } const cases[] = {
        {"Return", CAutomation::Confirm(), IDOK, {"command 1", "ok"}},
        {"Escape", CAutomation::Cancel(), 0, {"command 2", "cancel"}},
        {"OK clicked", CAutomation::ClickButton(IDOK), IDOK, {"focus 1", "command 1", "ok"}},
        {"Cancel clicked", CAutomation::ClickButton(IDCANCEL), 0, {"focus 2", "command 2", "cancel"}},
        {"close box", [](CWnd & dialog) { dialog.SendMessage(WM_CLOSE); }, 0, {"command 2", "cancel"}},
        {"EndDialog(42)", CAutomation::ClickButton(CRecordingDialog::idEnd), 42, {"focus 12", "command 12"}},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CRecordingDialog dialog;
        CAutomation::OnNextModal(test.action);
        EXPECT_EQ(dialog.Execute(&m_owner), test.code);
        EXPECT_FALSE(dialog.IsWindow());
        ASSERT_GE(dialog.m_heard.size(), 2u);
        EXPECT_EQ(Lines(dialog.m_heard.begin() + 2, dialog.m_heard.end()), test.heard);
    }
    EXPECT_EQ(CAutomation::GetPendingModalActions(), 0u);
}

TEST_F(Dialog, ALoopWithNobodyToEndItIsCancelledWithoutOnCancel) {
    CTraceCapture trace;
    CRecordingDialog dialog;
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    EXPECT_TRUE(trace.Contains("ERROR: A modal loop"));
    EXPECT_EQ(dialog.m_heard, (Lines{"init focus=10 shown=0 owner=0", "focus 10"}));
}

TEST_F(Dialog, InitDialogComesOnceTheControlsExistAndDecidesTheFocus) {
    struct Case {
        char const * name;
        int answer;
        UINT setByHandler;
        UINT focused;
        int selected; // characters of the focused edit selected
    } const cases[] = {
        {"TRUE: the first tab stop, its text selected", TRUE, 0, CRecordingDialog::idEdit, 5},
        {"FALSE: where the handler put it", FALSE, CRecordingDialog::idCheck,
         CRecordingDialog::idCheck, -1},
        {"FALSE: the edit focused as it was, nothing selected", FALSE, CRecordingDialog::idEdit,
         CRecordingDialog::idEdit, 0},
    };
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CRecordingDialog dialog;
        dialog.m_initAnswer = test.answer;
        dialog.m_initFocus = test.setByHandler;
        UINT focused = 0;
        int selected = -1;
        std::size_t heardBefore = 0;
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(&modal, &dialog);
            EXPECT_TRUE(modal.IsWindowVisible());
            CWnd * focus = CWnd::GetFocus();
            focused = focus ? focus->GetID() : 0;
            if (focused == CRecordingDialog::idEdit)
                selected = SelectedLength(focus);
            heardBefore = dialog.m_heard.size();
            CAutomation::PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(dialog.Execute(&m_owner), 0);
        EXPECT_EQ(focused, test.focused);
        EXPECT_EQ(selected, test.selected);
        ASSERT_FALSE(dialog.m_heard.empty());
        // Sent once, with every control made, before the dialog shows; the owner is disabled.
        EXPECT_EQ(dialog.m_heard[0], "init focus=10 shown=0 owner=0");
        EXPECT_EQ(std::count_if(dialog.m_heard.begin(), dialog.m_heard.end(),
                                [](std::string const & line) { return line.starts_with("init"); }),
                  1);
        EXPECT_EQ(heardBefore, 2u) << "one focus change";
    }
}

TEST_F(Dialog, TheOwnerIsDisabledWhileItRunsAndTheFocusComesBack) {
    CEditCtrl * field = new CEditCtrl;
    ASSERT_TRUE(field->Create("x", WS_VISIBLE | WS_TABSTOP, CRect(5, 5, 100, 25), &m_owner, 77));
    field->SetFocus();
    CRect place;
    bool ownerEnabled = true;
    CAutomation::OnNextModal([&](CWnd & modal) {
        place = modal.GetWindowRect();
        ownerEnabled = m_owner.IsWindowEnabled();
        // Clicks on the owner do not reach it while the dialog runs.
        CAutomation::Click(&m_owner, CPoint(10, 400));
        EXPECT_EQ(CWnd::GetFocus()->GetTopLevel(), &modal);
        CAutomation::PressKey(VK_RETURN);
    });
    CRecordingDialog dialog;
    EXPECT_EQ(dialog.Execute(field), IDOK);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    EXPECT_EQ(CWnd::GetFocus(), field);
    // Centred over the owner's window (640 x 480 at 100, 50).
    EXPECT_EQ(place, CRect(270, 190, 570, 390));
}

TEST_F(Dialog, AnOwnerDisabledBeforeStaysDisabled) {
    m_owner.EnableWindow(FALSE);
    CAutomation::OnNextModal(CAutomation::Confirm());
    CRecordingDialog dialog;
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
    EXPECT_FALSE(m_owner.IsWindowEnabled());
}

TEST_F(Dialog, DestroyingTheOwnerEndsTheDialogAsCancelled) {
    CRecordingDialog dialog;
    CAutomation::OnNextModal([&](CWnd &) { m_owner.DestroyWindow(); });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(std::count(dialog.m_heard.begin(), dialog.m_heard.end(), "cancel"), 0);
}

TEST_F(Dialog, EndDialogDuringInitDialogNeverShowsIt) {
    CRecordingDialog dialog;
    dialog.m_endAtInit = 5;
    CAutomation::OnNextModal(CAutomation::Cancel());
    EXPECT_EQ(dialog.Execute(&m_owner), 5);
    EXPECT_EQ(CAutomation::GetPendingModalActions(), 1u) << "no modal loop started";
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    CAutomation::Stop();
    CAutomation::Start();
}

TEST_F(Dialog, ADialogRunsAgainAndNotWhileRunning) {
    CRecordingDialog dialog;
    int nested = 0;
    CAutomation::OnNextModal([&](CWnd &) {
        nested = dialog.Execute(&m_owner);
        CAutomation::PressKey(VK_RETURN);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
    EXPECT_EQ(nested, -1);
    CAutomation::OnNextModal(CAutomation::Cancel());
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    CAutomation::OnNextModal(CAutomation::Confirm());
    EXPECT_EQ(dialog.Execute(nullptr), IDOK) << "without owner";
}

TEST_F(Dialog, TheProgramsOwnCommandActsAsTheButton) {
    // A command with code 0 and no control, as a double click in a list may send.
    CRecordingDialog dialog;
    CAutomation::OnNextModal(
        [](CWnd & modal) { modal.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); });
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
    EXPECT_EQ(dialog.m_heard.back(), "ok");
}

TEST_F(Dialog, ADisabledCancelButtonKeepsEscapeFromCancelling) {
    CRecordingDialog dialog;
    CAutomation::OnNextModal([](CWnd & modal) {
        modal.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        CAutomation::PressKey(VK_ESCAPE);
        EXPECT_TRUE(modal.IsWindow());
        CAutomation::PressKey(VK_RETURN);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
}

TEST_F(Dialog, SetDlgFocusSelectsAnEditsWholeText) {
    CRecordingDialog dialog;
    CAutomation::OnNextModal([&](CWnd & modal) {
        CWnd * edit = modal.GetDlgItem(CRecordingDialog::idEdit);
        CWnd * check = modal.GetDlgItem(CRecordingDialog::idCheck);
        dialog.SetDlgFocus(check);
        EXPECT_EQ(CWnd::GetFocus(), check);
        static_cast<CEditCtrl *>(edit)->SetSel(1, 1);
        dialog.SetDlgFocus(edit);
        EXPECT_EQ(CWnd::GetFocus(), edit);
        EXPECT_EQ(SelectedLength(edit), 5);
        CAutomation::PressKey(VK_ESCAPE);
    });
    dialog.Execute(&m_owner);
}
