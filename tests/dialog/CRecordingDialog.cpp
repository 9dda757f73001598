#include "CRecordingDialog.hpp"

#include "CButton.hpp"
#include "CEditCtrl.hpp"
#include "CEntity.hpp"
#include "CStatic.hpp"
#include "TestModule.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CRecordingDialog, CStdDialog, &CStdDialog::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CRecordingDialog, CStdDialog)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CRecordingDialog::OnInitDialog)
AFX_ON_MESSAGE("C-1L", WM_AFX_COMMAND, &CRecordingDialog::OnAnyCommand)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, CRecordingDialog::idEnd, CRecordingDialog::idEnd,
             &CRecordingDialog::OnEnd)
AFX_ON_MESSAGE("V-1L2w", WM_AFX_CHILDFOCUS, &CRecordingDialog::OnChildFocus)
AFX_END_MESSAGE_MAP()

void CRecordingDialog::UseTemplate(char const * name) {
    SetName(CEntity(TestModule(), name));
    m_fromTemplate = true;
}

BOOL CRecordingDialog::OnCreateDialog(CWnd * owner) {
    if (m_fromTemplate)
        return CStdDialog::OnCreateDialog(owner);
    if (!CreateDialogWindow("Recorder", CSize(300, 200), owner, CPoint(0, 0),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU, 0))
        return FALSE;
    struct Control {
        CCtrlWnd * control;
        char const * text;
        DWORD style;
        CRect rect;
        UINT id;
    } const controls[] = {
        {new CStatic, "Name:", 0, CRect(10, 12, 60, 28), 0},
        {new CEditCtrl, "PSU-1", WS_BORDER | WS_TABSTOP, CRect(70, 10, 200, 30), idEdit},
        {new CButton, "Output on", BS_AUTOCHECKBOX | WS_TABSTOP, CRect(10, 40, 120, 60), idCheck},
        {new CButton, "End", WS_TABSTOP, CRect(10, 160, 80, 185), idEnd},
        {new CButton, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(130, 160, 205, 185), IDOK},
        {new CButton, "Cancel", WS_TABSTOP, CRect(215, 160, 290, 185), IDCANCEL},
    };
    for (Control const & c : controls)
        if (!c.control->Create(c.text, c.style | WS_VISIBLE, c.rect, this, c.id))
            return FALSE;
    return TRUE;
}

void CRecordingDialog::OnOK() {
    m_heard.push_back("ok");
    CStdDialog::OnOK();
}

void CRecordingDialog::OnCancel() {
    m_heard.push_back("cancel");
    CStdDialog::OnCancel();
}

int CRecordingDialog::OnInitDialog(CWnd & focus, LPARAM) {
    CWnd * owner = GetParent();
    m_heard.push_back("init focus=" + std::to_string(focus.GetID()) +
                      " shown=" + std::to_string(IsWindowVisible()) +
                      " owner=" + std::to_string(owner && owner->IsWindowEnabled()));
    if (m_endAtInit != -1)
        EndDialog(m_endAtInit);
    if (!m_initAnswer)
        if (CWnd * control = GetDlgItem(m_initFocus))
            control->SetFocus();
    return m_initAnswer;
}

BOOL CRecordingDialog::OnAnyCommand(UINT id) {
    m_heard.push_back("command " + std::to_string(id));
    return FALSE;
}

BOOL CRecordingDialog::OnEnd(UINT) {
    EndDialog(42);
    return TRUE;
}

void CRecordingDialog::OnChildFocus(UINT, CWnd & control) {
    m_heard.push_back("focus " + std::to_string(control.GetID()));
}
