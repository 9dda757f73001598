#include "CUIControl.hpp"

#include "CCtrlWnd.hpp"
#include "CStdTools.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CUIControl, CUIElement, &CObject::AfxConstruct)

CUIControl::~CUIControl() {
    for (CCtrlWnd * ctrl : m_unborn)
        delete ctrl;
}

BOOL CUIControl::CreateControl(CCtrlWnd & ctrl, char const * text, DWORD style, CRect const & rect,
                               CWnd & parent, unsigned int id) {
    return CreateControl(ctrl, text, style, 0, rect, parent, id);
}

BOOL CUIControl::CreateControl(CCtrlWnd & ctrl, char const * text, DWORD style, DWORD exStyle,
                               CRect const & rect, CWnd & parent, unsigned int id) {
    if (!ctrl.Create(text, style, exStyle, rect, &parent, id))
        return FALSE;
    for (UINT i = 0; i < m_unborn.GetCount(); ++i) {
        if (m_unborn[i] == &ctrl) {
            m_unborn.RemoveAt(i);
            break;
        }
    }
    ctrl.SetFont(&CStdTools::FindInstance()->GetCtrlFont());
    return TRUE;
}

void CUIControl::DestroyControl(CCtrlWnd * ctrl) {
    if (!ctrl)
        return;
    for (UINT i = 0; i < m_controls.GetCount(); ++i) {
        if (m_controls[i] == ctrl) {
            m_controls.RemoveAt(i);
            break;
        }
    }
    for (UINT i = 0; i < m_unborn.GetCount(); ++i) {
        if (m_unborn[i] == ctrl) {
            m_unborn.RemoveAt(i);
            delete ctrl;
            return;
        }
    }
    ctrl->DestroyWindow();
}

void CUIControl::AddControl(CCtrlWnd * ctrl) {
    m_controls.Append(ctrl);
}

void CUIControl::AddControl(CCtrlWnd * ctrl, unsigned int code) {
    m_mainId = ctrl->GetID();
    m_changeCode = code;
    m_controls.Append(ctrl);
}

void CUIControl::OnShow(int show) {
    for (CCtrlWnd * ctrl : m_controls)
        ctrl->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CUIControl::OnEnable(int enable) {
    for (CCtrlWnd * ctrl : m_controls)
        ctrl->EnableWindow(enable);
}

int CUIControl::OnNotify(unsigned int id, unsigned int code) {
    // Without a main control nothing is the element's, not even the identifier noId that
    // headings use.
    if (m_mainId == noId || id != m_mainId)
        return 0;
    if (m_saving == 0 && code == m_changeCode) {
        unsigned int const saved = SaveUI(0);
        if (saved == 0)
            return 0;
        if (saved == 1)
            return 1;
    }
    return code == codeForceUpdate ? 1 : 0;
}

void CUIControl::ForceUpdate() {
    if (m_controls.IsEmpty())
        return;
    CWnd * parent = m_controls[0]->GetParent();
    if (!parent)
        return;
    CWnd * main = parent->GetDlgItem(m_mainId);
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(m_mainId, codeForceUpdate),
                        reinterpret_cast<LPARAM>(main ? main->GetSafeHwnd() : nullptr));
}
