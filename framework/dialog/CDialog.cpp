#include "CDialog.hpp"

#include "CDialogManager.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CDialog, CWnd, &CWnd::AfxConstruct)

namespace {

// The first control of the tab order below a window, looking inside children that hold
// controls of their own. The dialog is not shown yet, so each window's own WS_VISIBLE says
// whether it will be.
CWnd * FirstTabStop(CWnd const & parent) {
    for (UINT i = 0; i < parent.GetChildCount(); ++i) {
        CWnd * child = parent.GetChild(i);
        DWORD const style = child ? child->GetStyle() : 0;
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        if (child->GetExStyle() & WS_EX_CONTROLPARENT) {
            if (CWnd * inner = FirstTabStop(*child))
                return inner;
        } else if (style & WS_TABSTOP) {
            return child;
        }
    }
    return nullptr;
}

} // namespace

AFX_BEGIN_MESSAGE_MAP(CDialog, CWnd)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CDialog::OnInitDialog)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CDialog::OnCommand)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDOK, IDOK, &CDialog::OnCommandOK)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDCANCEL, IDCANCEL, &CDialog::OnCommandCancel)
AFX_ON_MESSAGE("V-", WM_CLOSE, &CDialog::OnClose)
AFX_END_MESSAGE_MAP()

CDialog::~CDialog() = default;

int CDialog::Execute(CWnd * parent) {
    if (m_running)
        return -1;
    CWnd * owner = parent ? parent->GetTopLevel() : nullptr;
    HWND const ownerHandle = owner ? owner->GetSafeHwnd() : nullptr;
    CWnd * focus = CWnd::GetFocus();
    HWND const focusHandle = focus ? focus->GetSafeHwnd() : nullptr;

    m_running = true;
    m_ended = false;
    m_code = 0;
    if (!OnCreateDialog(owner)) {
        DestroyWindow();
        m_running = false;
        return -1;
    }
    bool const ownerWasEnabled = owner && owner->IsWindowEnabled();
    if (ownerWasEnabled)
        owner->EnableWindow(FALSE);

    InitDialog();
    if (IsWindow() && !m_ended) {
        ShowWindow(SW_SHOW);
        RunModalLoop(0);
    }
    // Unless EndDialog gave a code, the dialog ends as cancelled (0): its window was
    // destroyed, or the loop had nothing left to wait for.
    m_running = false;
    DestroyWindow();

    if (ownerWasEnabled)
        if (CWnd * still = CWnd::FromHandle(ownerHandle); still && still->IsWindow())
            still->EnableWindow(TRUE);
    if (CWnd::IsWindow(focusHandle))
        CWnd::FromHandle(focusHandle)->SetFocus();
    return m_code;
}

void CDialog::EndDialog(int code) {
    if (!m_running || m_ended)
        return;
    m_ended = true;
    m_code = code;
    if (IsWindow())
        EndModalLoop(code);
}

void CDialog::SetDlgFocus(CWnd * control) {
    AfxSetDlgFocus(control);
}

void CDialog::SetCaption(char const * caption) {
    if (m_caption == caption)
        return;
    m_caption = caption;
    if (IsWindow())
        SetWindowText(m_caption);
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(0);
}

BOOL CDialog::CreateDialogWindow(char const * caption, CSize size, CWnd * owner, CPoint topLeft,
                                 DWORD style, DWORD exStyle) {
    CRect place(topLeft, size);
    if (owner) {
        CRect const over = owner->GetWindowRect();
        place = place.DragTopLeft(CPoint(over.left + (over.Width() - size.cx) / 2,
                                         over.top + (over.Height() - size.cy) / 2));
    }
    DWORD const kept = style & ~(WS_CHILD | WS_VISIBLE);
    if (!CreateEx(exStyle | WS_EX_CONTROLPARENT, nullptr, caption, kept | WS_POPUP, place, owner,
                  0))
        return FALSE;
    SetDialogStyle(TRUE);
    return TRUE;
}

void CDialog::InitDialog() {
    CWnd * first = FirstTabStop(*this);
    HWND const firstHandle = first ? first->GetSafeHwnd() : nullptr;
    LRESULT const setFocus = SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(firstHandle), 0);
    if (setFocus && IsWindow() && CWnd::IsWindow(firstHandle))
        SetDlgFocus(CWnd::FromHandle(firstHandle));
}

int CDialog::OnInitDialog(CWnd &, LPARAM) {
    return TRUE;
}

BOOL CDialog::OnCommand(UINT id, UINT code, CWnd &) {
    if (code != BN_CLICKED)
        return FALSE;
    SendMessage(WM_AFX_COMMAND, id, 0);
    return TRUE;
}

BOOL CDialog::OnCommandOK(UINT) {
    OnOK();
    return TRUE;
}

BOOL CDialog::OnCommandCancel(UINT) {
    OnCancel();
    return TRUE;
}

void CDialog::OnClose() {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
