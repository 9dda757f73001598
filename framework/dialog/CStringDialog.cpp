#include "CStringDialog.hpp"

#include "CEditCtrl.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "internal/DialogModule.hpp"

AFX_IMPLEMENT_CLASS(CStringDialog, CStdDialog, &CStdDialog::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CStringDialog, CStdDialog)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CStringDialog::OnInitDialog)
AFX_END_MESSAGE_MAP()

CStringDialog::CStringDialog(char const * caption, char const * prompt, char const * text,
                             UINT maxLength)
    : m_prompt(prompt), m_text(text), m_maxLength(maxLength) {
    SetCaption(caption);
    SetName(CEntity(DialogModule(), "STRINGDLG"));
}

BOOL CStringDialog::OnCheckText(CString) {
    return TRUE;
}

int CStringDialog::OnInitDialog(CWnd &, LPARAM) {
    if (CWnd * prompt = GetDlgItem(idPrompt))
        prompt->SetWindowText(m_prompt);
    auto * edit = static_cast<CEditCtrl *>(GetDlgItem(idText));
    if (!edit)
        return TRUE;
    edit->LimitText(m_maxLength);
    edit->SetWindowText(m_text);
    SetDlgFocus(edit);
    return FALSE;
}

void CStringDialog::OnOK() {
    CWnd * edit = GetDlgItem(idText);
    if (!edit)
        return;
    HWND const self = GetSafeHwnd();
    CString const typed = edit->GetWindowText();
    if (!OnCheckText(typed)) {
        // The check may have shown a message box, or even closed the dialog.
        if (CWnd::IsWindow(self) && IsRunning())
            if (CWnd * still = GetDlgItem(idText))
                SetDlgFocus(still);
        return;
    }
    m_text = typed;
    EndDialog(IDOK);
}
