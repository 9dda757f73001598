#include "CMultiViewWnd.hpp"

#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <algorithm>
#include <vector>

AFX_IMPLEMENT_DYNCREATE(CMultiViewWnd, CViewWnd)

AFX_BEGIN_MESSAGE_MAP(CMultiViewWnd, CViewWnd)
AFX_ON_MESSAGE("L-2V", WM_CREATE, &CMultiViewWnd::OnCreate)
AFX_ON_MESSAGE("V-", WM_AFX_POSTCREATE, &CMultiViewWnd::OnPostCreate)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CMultiViewWnd::OnSize)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CMultiViewWnd::OnGetMinMaxInfo)
AFX_ON_ENTRY("V-5L2V", WM_NOTIFY, idTabs, idTabs, TCN_SELCHANGE, &CMultiViewWnd::OnTabSelChange)
AFX_END_MESSAGE_MAP()

CMultiViewWnd::~CMultiViewWnd() {
    // Views released with their windows leave the list as they go.
    DestroyWindow();
    while (!m_views.IsEmpty()) {
        UINT const last = m_views.GetCount() - 1;
        CViewWnd * view = m_views[last].view;
        m_views.RemoveAt(last);
        view->m_holder = nullptr;
        delete view;
    }
}

BOOL CMultiViewWnd::Create(CWnd * parent, CRect const & rect, UINT id) {
    // The tab control and the views' controls take part in an enclosing dialog's tab order.
    return CreateEx(WS_EX_CONTROLPARENT, nullptr, "", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

int CMultiViewWnd::AddView(char const * name, CViewWnd * view) {
    if (!view)
        return -1;
    view->m_holder = this;
    UINT const index = m_views.Append(Page{CString(name), view});
    if (m_active < 0)
        m_active = static_cast<int>(index);
    if (IsWindow()) {
        m_tabs.InsertItem(static_cast<int>(index), name);
        m_tabs.SetCurSel(m_active);
        CreateViewWindow(index);
    }
    return static_cast<int>(index);
}

CViewWnd * CMultiViewWnd::GetView(UINT index) const {
    return index < m_views.GetCount() ? m_views[index].view : nullptr;
}

CViewWnd * CMultiViewWnd::GetActiveView() const {
    return m_active >= 0 ? GetView(static_cast<UINT>(m_active)) : nullptr;
}

void CMultiViewWnd::SetActiveView(UINT index) {
    if (index >= m_views.GetCount() || static_cast<int>(index) == m_active)
        return;
    m_active = static_cast<int>(index);
    if (!IsWindow())
        return;
    m_tabs.SetCurSel(m_active);
    ShowActive();
}

void CMultiViewWnd::SetTabStyle(UINT style) {
    if (style == m_tabStyle)
        return;
    m_tabStyle = style;
    if (!IsWindow())
        return;
    m_tabs.ShowWindow(m_tabStyle == tabStyleNone ? SW_HIDE : SW_SHOW);
    PlaceViews();
}

void CMultiViewWnd::OnPostCreate() {
    for (UINT i = 0; i < m_views.GetCount(); ++i)
        if (!m_views[i].view->GetSafeHwnd())
            CreateViewWindow(i);
    m_tabs.SetCurSel(m_active);
    ShowActive();
}

int CMultiViewWnd::OnCreate(CREATESTRUCT &) {
    DWORD const shown = m_tabStyle == tabStyleNone ? 0 : WS_VISIBLE;
    if (!m_tabs.Create("", shown | WS_TABSTOP, GetClientRect(), this, idTabs))
        return -1;
    // A member, not the framework's to delete.
    m_tabs.SetAutoDelete(FALSE);
    for (UINT i = 0; i < m_views.GetCount(); ++i)
        m_tabs.InsertItem(static_cast<int>(i), m_views[i].name);
    m_tabs.SetCurSel(m_active);
    return 0;
}

void CMultiViewWnd::OnSize(UINT, CSize) {
    PlaceViews();
}

void CMultiViewWnd::OnGetMinMaxInfo(MINMAXINFO & info) {
    CSize largest;
    for (Page const & page : m_views) {
        if (!page.view->IsWindow())
            continue;
        MINMAXINFO asked;
        page.view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&asked));
        largest.cx = std::max(largest.cx, asked.ptMinTrackSize.x);
        largest.cy = std::max(largest.cy, asked.ptMinTrackSize.y);
    }
    CRect frame(CPoint(), largest);
    if (m_tabStyle != tabStyleNone)
        m_tabs.AdjustRect(TRUE, frame);
    info.ptMinTrackSize = CPoint(frame.Width(), frame.Height());
}

void CMultiViewWnd::OnTabSelChange(UINT, NMHDR &) {
    int const selected = m_tabs.GetCurSel();
    if (selected < 0 || selected == m_active)
        return;
    m_active = selected;
    ShowActive();
}

void CMultiViewWnd::ForgetView(CViewWnd * view) {
    auto const found = std::find_if(m_views.begin(), m_views.end(),
                                    [view](Page const & page) { return page.view == view; });
    if (found == m_views.end())
        return;
    int const index = static_cast<int>(found - m_views.begin());
    m_views.RemoveAt(static_cast<UINT>(index));
    int const count = static_cast<int>(m_views.GetCount());
    if (index < m_active)
        --m_active;
    else if (index == m_active)
        m_active = count ? std::min(index, count - 1) : -1;
    if (m_tabs.IsWindow()) {
        m_tabs.DeleteItem(index);
        m_tabs.SetCurSel(m_active);
    }
    if (IsWindow())
        ShowActive();
}

void CMultiViewWnd::CreateViewWindow(UINT index) {
    CViewWnd * view = m_views[index].view;
    if (!view->Create(this, GetDisplayRect(), idFirstView + index))
        return;
    if (static_cast<int>(index) != m_active)
        view->ShowWindow(SW_HIDE);
}

CRect CMultiViewWnd::GetDisplayRect() const {
    CRect rect = GetClientRect();
    if (m_tabStyle != tabStyleNone)
        m_tabs.AdjustRect(FALSE, rect);
    return rect;
}

void CMultiViewWnd::PlaceViews() {
    if (m_tabs.IsWindow())
        m_tabs.MoveWindow(GetClientRect());
    CRect const display = GetDisplayRect();
    std::vector<HWND> views;
    for (Page const & page : m_views)
        if (page.view->IsWindow())
            views.push_back(page.view->GetSafeHwnd());
    // A view's WM_SIZE handler may destroy other views; those that are gone are skipped.
    for (HWND view : views)
        if (CWnd * wnd = CWnd::FromHandle(view))
            wnd->MoveWindow(display);
}

void CMultiViewWnd::ShowActive() {
    CViewWnd * active = GetActiveView();
    HWND const shown = active ? active->GetSafeHwnd() : nullptr;
    std::vector<HWND> hidden;
    for (Page const & page : m_views)
        if (page.view->IsWindow() && page.view != active)
            hidden.push_back(page.view->GetSafeHwnd());
    // The views that go are hidden before the one that comes is shown, so that a focus
    // inside them is given up first.
    for (HWND view : hidden)
        if (CWnd * wnd = CWnd::FromHandle(view))
            wnd->ShowWindow(SW_HIDE);
    if (CWnd * wnd = CWnd::FromHandle(shown))
        wnd->ShowWindow(SW_SHOW);
}
