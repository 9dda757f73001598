// The run-time half of the view: its message map, the routing of control notifications to
// elements, change propagation and the operations items call back.
#include "CUIViewWnd.hpp"

#include "CMainWnd.hpp"
#include "CPrintf.hpp"
#include "CResourceException.hpp"
#include "CSet.hpp"
#include "CThread.hpp"
#include "CUIElement.hpp"
#include "CUIItem.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_BEGIN_MESSAGE_MAP(CUIViewWnd, CDialogViewWnd)
AFX_ON_MESSAGE("V-", WM_AFX_POSTCREATE, &CUIViewWnd::OnPostCreate)
AFX_ON_MESSAGE("V-", WM_CANCELMODE, &CUIViewWnd::OnCancelMode)
AFX_ON_MESSAGE("V-1L", WM_AFX_SETCURRENT, &CUIViewWnd::OnSetCurrent)
AFX_ON_MESSAGE("V-", WM_DESTROY, &CUIViewWnd::OnDestroy)
AFX_ON_MESSAGE("V-", WM_PAINT, static_cast<void (CUIViewWnd::*)()>(&CUIViewWnd::OnPaint))
AFX_ON_MESSAGE("L-1d", WM_ERASEBKGND, &CUIViewWnd::OnEraseBkGnd)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CUIViewWnd::OnSize)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CUIViewWnd::OnGetMinMaxInfo)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CUIViewWnd::OnCommand)
AFX_ON_MESSAGE("C-5L2V", WM_NOTIFY, &CUIViewWnd::OnNotify)
AFX_ON_MESSAGE("V-1L2w", WM_AFX_CHILDFOCUS, &CUIViewWnd::OnFocusNotify)
AFX_ON_MESSAGE("V-1w", WM_SETFOCUS, &CUIViewWnd::OnSetFocus)
AFX_ON_MESSAGE("V-1L2L", WM_SHOWWINDOW, &CUIViewWnd::OnShowWindow)
AFX_ON_MESSAGE("V-5W6W2w", WM_HSCROLL, &CUIViewWnd::OnHScroll)
AFX_ON_MESSAGE("V-5W6W2w", WM_VSCROLL, &CUIViewWnd::OnVScroll)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, ID_VIEW_BALLOONMODE, ID_VIEW_BALLOONMODE,
             &CUIViewWnd::OnBalloonMod)
AFX_ON_CODE("L-5L2V", WM_NOTIFY, TTN_SHOW, &CUIViewWnd::OnToolShow)
AFX_END_MESSAGE_MAP()

void CUIViewWnd::UpdateUI() {
    for (CUIElement * element : m_elements)
        element->UpdateUI();
}

void CUIViewWnd::UpdateUI(CItem * item) {
    for (CUIElement * element : m_elements)
        if (element->GetItem() == item)
            element->UpdateUI();
}

BOOL CUIViewWnd::UpdateUI(CItem * item, char const * tag) {
    CUIElement * element = FindUI(item, tag);
    if (!element)
        return FALSE;
    element->UpdateUI();
    return TRUE;
}

BOOL CUIViewWnd::UpdateUI(char const * tag) {
    CUIElement * element = FindUI(tag);
    if (!element)
        return FALSE;
    element->UpdateUI();
    return TRUE;
}

void CUIViewWnd::EnableUI(BOOL enable) {
    for (CUIElement * element : m_elements)
        element->EnableUI(enable);
}

void CUIViewWnd::EnableUI(CItem * item, BOOL enable) {
    for (CUIElement * element : m_elements)
        if (element->GetItem() == item)
            element->EnableUI(enable);
    // A blanket enable is followed by the item's rules, which may keep some disabled.
    if (enable)
        SendEnable(item);
}

BOOL CUIViewWnd::EnableUI(CItem * item, char const * tag, BOOL enable) {
    CUIElement * element = FindUI(item, tag);
    if (!element)
        return FALSE;
    element->EnableUI(enable);
    return TRUE;
}

BOOL CUIViewWnd::EnableUI(char const * tag, BOOL enable) {
    CUIElement * element = FindUI(tag);
    if (!element)
        return FALSE;
    element->EnableUI(enable);
    return TRUE;
}

void CUIViewWnd::ShowUI(BOOL show) {
    for (CUIElement * element : m_elements)
        element->ShowUI(show);
}

void CUIViewWnd::ShowUI(CItem * item, BOOL show) {
    for (CUIElement * element : m_elements)
        if (element->GetItem() == item)
            element->ShowUI(show);
}

BOOL CUIViewWnd::ShowUI(CItem * item, char const * tag, BOOL show) {
    CUIElement * element = FindUI(item, tag);
    if (!element)
        return FALSE;
    element->ShowUI(show && m_fits);
    return TRUE;
}

BOOL CUIViewWnd::ShowUI(char const * tag, BOOL show) {
    CUIElement * element = FindUI(tag);
    if (!element)
        return FALSE;
    element->ShowUI(show && m_fits);
    return TRUE;
}

BOOL CUIViewWnd::RenameUI(char const * tag, char const * name) {
    CUIElement * element = FindUI(tag);
    if (!element)
        return FALSE;
    element->RenameUI(name);
    return TRUE;
}

void CUIViewWnd::SendChange(CItem * item, CString tag) {
    if (item && item->IsKindOf(CUIItem::AfxStaticClassInfo()))
        static_cast<CUIItem *>(item)->OnUIChange(this, item, tag);
    OnUIChange(item, tag);
}

void CUIViewWnd::SendEnable(CItem * item) {
    SendChange(item, CString());
}

void CUIViewWnd::SendEnable() {
    // Each distinct item once, in the order of its first element, the view's own last. The
    // array may not change under the loop: items only update, enable, show and rename.
    CSet<CItem *> visited;
    visited.Insert(GetItem());
    for (UINT i = 0; i < m_elements.GetCount(); ++i) {
        CItem * item = m_elements[i]->GetItem();
        if (!item || !visited.Insert(item))
            continue;
        SendChange(item, CString());
    }
    SendChange(GetItem(), CString());
}

void CUIViewWnd::OnPostCreate() {
    ModifyStyle(0, WS_CLIPCHILDREN);
    try {
        OnUICreate();
    } catch (CResourceException const &) {
        // A page that could not be built whole shows what was built; the trace line that
        // says why has been written.
    }
    if (m_root)
        LayoutUI();
    CreateUI();
    CreateToolTip();
    SendEnable();
}

void CUIViewWnd::OnCancelMode() {
    HideToolTip();
}

void CUIViewWnd::OnSetCurrent(BOOL current) {
    if (!current)
        HideToolTip();
}

void CUIViewWnd::OnDestroy() {
    HideToolTip();
    DestroyToolTip();
}

BOOL CUIViewWnd::OnCommand(UINT id, UINT code, CWnd &) {
    if (id >= 0x8000) {
        // Menu and tool commands belong to the main window.
        if (CWnd * main = CThread::FindInstance()->GetMainWnd())
            main->PostMessage(WM_COMMAND, id, 0);
        return TRUE;
    }
    if (id >= 0x7F00 && id <= 0x7FFF) {
        CString const tag = CPrintf("Button%4.4X", id);
        CSet<CItem *> visited;
        for (UINT i = 0; i < m_elements.GetCount(); ++i) {
            CItem * item = m_elements[i]->GetItem();
            if (!item || !visited.Insert(item))
                continue;
            SendChange(item, tag);
        }
        return TRUE;
    }
    if (id == IDOK) {
        // Moving the focus out and back makes the control commit its edit.
        if (CWnd * focus = CWnd::FromHandle(m_focus)) {
            ClearFocus();
            SetDlgFocus(focus);
        }
        return TRUE;
    }
    if (id < m_firstId || id >= m_nextId)
        return FALSE;
    return Offer(id, code) ? TRUE : FALSE;
}

BOOL CUIViewWnd::OnNotify(UINT id, NMHDR & header) {
    if (id < m_firstId || id >= m_nextId)
        return FALSE;
    return Offer(id, header) ? TRUE : FALSE;
}

int CUIViewWnd::Answered(CUIElement * element, int answer) {
    if (!answer)
        return 0;
    SendChange(element->GetItem(), element->GetTag());
    return 1;
}

void CUIViewWnd::OnFocusNotify(UINT, CWnd & ctrl) {
    SetCurrent(TRUE);
    m_focus = ctrl.GetSafeHwnd();
    TrackToolTip(&ctrl);
}

void CUIViewWnd::OnSetFocus(CWnd & old) {
    if (CWnd * focus = CWnd::FromHandle(m_focus)) {
        SetDlgFocus(focus);
        return;
    }
    CDialogViewWnd::OnSetFocus(old);
}

void CUIViewWnd::OnShowWindow(BOOL show, UINT) {
    if (show) {
        SendEnable();
        return;
    }
    m_focus = nullptr;
    HideToolTip();
}

void CUIViewWnd::OnHScroll(UINT code, int pos, CWnd & bar) {
    OnScroll(code, pos, bar);
}

void CUIViewWnd::OnVScroll(UINT code, int pos, CWnd & bar) {
    OnScroll(code, pos, bar);
}

void CUIViewWnd::OnScroll(UINT code, int pos, CWnd & bar) {
    UINT const id = bar.GetID();
    if (id < m_firstId || id >= m_nextId)
        return;
    unsigned int const value = ((code & 0xFFFF) << 16) | (static_cast<unsigned>(pos) & 0xFFFF);
    for (UINT i = 0; i < m_elements.GetCount(); ++i)
        if (m_elements[i]->NotifyUI(id, value))
            SendChange(m_elements[i]->GetItem(), m_elements[i]->GetTag());
}

BOOL CUIViewWnd::OnBalloonMod(UINT) {
    DestroyToolTip();
    CreateToolTip();
    TrackToolTip(CWnd::FromHandle(m_focus));
    return FALSE;
}
