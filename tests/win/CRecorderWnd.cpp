#include "CRecorderWnd.hpp"

#include "CInput.hpp"
#include "VirtualKeys.hpp"

AFX_IMPLEMENT_CLASS(CRecorderWnd, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CRecorderWnd, CWnd)
AFX_ON_MESSAGE("V-1w", WM_SETFOCUS, &CRecorderWnd::OnSetFocus)
AFX_ON_MESSAGE("V-1w", WM_KILLFOCUS, &CRecorderWnd::OnKillFocus)
AFX_ON_MESSAGE("V-", WM_DESTROY, &CRecorderWnd::OnDestroy)
AFX_ON_MESSAGE("V-", WM_NCDESTROY, &CRecorderWnd::OnNcDestroy)
AFX_ON_MESSAGE("L-2L", WM_GETDLGCODE, &CRecorderWnd::OnGetDlgCode)
AFX_ON_MESSAGE("V-1L2L", WM_KEYDOWN, &CRecorderWnd::OnKeyDown)
AFX_ON_MESSAGE("V-1L2L", WM_CHAR, &CRecorderWnd::OnChar)
AFX_ON_MESSAGE("V-1L2L", WM_LBUTTONDOWN, &CRecorderWnd::OnLButtonDown)
AFX_ON_MESSAGE("V-1L2L", WM_LBUTTONDBLCLK, &CRecorderWnd::OnLButtonDblClk)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CRecorderWnd::OnCommand)
AFX_ON_MESSAGE("V-1L2w", WM_AFX_CHILDFOCUS, &CRecorderWnd::OnChildFocus)
AFX_ON_MESSAGE("V-1L", WM_TIMER, &CRecorderWnd::OnTimer)
AFX_ON_MESSAGE("V-1L2L", BM_CLICK, &CRecorderWnd::OnClicked)
AFX_END_MESSAGE_MAP()

char const * CRecorderWnd::ControlClass() {
    static CWndClass const * cls = CWndClass::Register(
        "TestControl", &DefWindowProc, CWndClass::classFocusOnClick | CWndClass::classDoubleClicks);
    return cls->GetName();
}

static std::string NameOf(CWnd & wnd) {
    return wnd.GetSafeHwnd() ? wnd.GetWindowText().Str() : "none";
}

void CRecorderWnd::OnSetFocus(CWnd & old) {
    Hear("setfocus from " + NameOf(old));
}

void CRecorderWnd::OnKillFocus(CWnd & next) {
    Hear("killfocus to " + NameOf(next));
}

void CRecorderWnd::OnDestroy() {
    Hear("destroy");
}

void CRecorderWnd::OnNcDestroy() {
    Hear("ncdestroy");
}

LRESULT CRecorderWnd::OnGetDlgCode(MSG *) {
    return m_dlgCode;
}

void CRecorderWnd::OnKeyDown(UINT key, DWORD) {
    Hear(CPrintf("keydown %u%s", key, GetKeyState(VK_SHIFT) < 0 ? " shift" : "").Str());
}

void CRecorderWnd::OnChar(UINT ch, DWORD) {
    Hear(CPrintf("char %u", ch).Str());
}

void CRecorderWnd::OnLButtonDown(UINT, LPARAM where) {
    Hear(CPrintf("lbuttondown %d,%d", GET_X_LPARAM(where), GET_Y_LPARAM(where)).Str());
}

void CRecorderWnd::OnLButtonDblClk(UINT, LPARAM where) {
    Hear(CPrintf("lbuttondblclk %d,%d", GET_X_LPARAM(where), GET_Y_LPARAM(where)).Str());
}

BOOL CRecorderWnd::OnCommand(UINT id, UINT code, CWnd & control) {
    Hear(CPrintf("command %u %u from %s", id, code, NameOf(control).c_str()).Str());
    return TRUE;
}

void CRecorderWnd::OnChildFocus(UINT, CWnd & control) {
    Hear("childfocus " + NameOf(control));
}

void CRecorderWnd::OnTimer(UINT id) {
    Hear(CPrintf("timer %u", id).Str());
}

void CRecorderWnd::OnClicked(UINT, LPARAM) {
    Hear("clicked");
}
