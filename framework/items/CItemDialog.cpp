#include "CItemDialog.hpp"

#include "AfxTrace.hpp"
#include "CButton.hpp"
#include "CDialogManager.hpp"
#include "CItem.hpp"
#include "CMessageBox.hpp"
#include "CViewWnd.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <algorithm>
#include <utility>

namespace {

// Posted to the dialog after the view's window has been made, so that it arrives after the
// view's own WM_AFX_POSTCREATE: by then the view has built what it shows and knows its size.
constexpr UINT WM_VIEWREADY = WM_USER + 1;

constexpr UINT idView = 100;
constexpr LONG margin = 8;
constexpr LONG buttonWidth = 75;
constexpr LONG buttonHeight = 23;
constexpr LONG buttonGap = 6;
// The view's size until it tells its minimum.
constexpr CSize defaultViewSize(200, 100);

bool IsWithin(CWnd const * wnd, CWnd const * ancestor) {
    for (; wnd; wnd = (wnd->GetStyle() & WS_CHILD) ? wnd->GetParent() : nullptr)
        if (wnd == ancestor)
            return true;
    return false;
}

} // namespace

AFX_IMPLEMENT_CLASS(CItemDialog, CDialog, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CItemDialog, CDialog)
AFX_ON_MESSAGE("V-", WM_VIEWREADY, &CItemDialog::OnViewReady)
AFX_ON_RANGE("C-5W6W2w", WM_COMMAND, IDOK, IDOK, &CItemDialog::OnCommandOK)
AFX_END_MESSAGE_MAP()

CItemDialog::CItemDialog(CItem * item, char const * caption) : m_item(item) {
    SetCaption(caption);
}

CItemDialog::~CItemDialog() {
    DestroyWindow();
    ReleaseView();
}

int CItemDialog::Execute(CWnd * parent) {
    if (IsRunning())
        return 0;
    m_view = m_item ? m_item->CreateItemView() : nullptr;
    if (!m_view) {
        AfxTrace("ERROR: The item of class %s has no view to show in a dialog\n",
                 m_item ? m_item->AfxObjectClassInfo()->GetClassNameA() : "(none)");
        return 0;
    }
    m_view->Attach(m_item);
    int const code = CDialog::Execute(parent);
    ReleaseView();
    return code > 0 ? code : 0;
}

BOOL CItemDialog::OnCreateDialog(CWnd * owner) {
    if (!CreateDialogWindow(GetCaption(), CSize(400, 200), owner, CPoint(100, 100),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU, 0))
        return FALSE;
    // The view comes first in the tab order, the buttons after it.
    if (!m_view->Create(this, CRect(CPoint(margin, margin), defaultViewSize), idView)) {
        AfxTrace("ERROR: The view of the item of class %s could not be made\n",
                 m_item->AfxObjectClassInfo()->GetClassNameA());
        return FALSE;
    }
    m_viewHwnd = m_view->GetSafeHwnd();
    m_viewReleasedWithWindow = (m_view->GetOptions() & CViewWnd::optionAutoDelete) != 0;
    auto * ok = new CButton;
    auto * cancel = new CButton;
    if (!ok->Create(CMessageBox::GetButtonText(IDOK),
                    BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, CRect(), this, IDOK) ||
        !cancel->Create(CMessageBox::GetButtonText(IDCANCEL),
                        BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, CRect(), this, IDCANCEL)) {
        // A control that never got a window is not the framework's to delete.
        if (!ok->IsWindow())
            delete ok;
        if (!cancel->IsWindow())
            delete cancel;
        return FALSE;
    }
    Layout();
    PostMessage(WM_VIEWREADY);
    return TRUE;
}

void CItemDialog::OnViewReady() {
    Layout();
    CWnd * view = CWnd::FromHandle(m_viewHwnd);
    if (!view || IsWithin(CWnd::GetFocus(), view))
        return;
    if (CWnd * first = GetNextDlgTabItem(view, nullptr, FALSE))
        SetDlgFocus(first);
}

void CItemDialog::Layout() {
    CWnd * view = CWnd::FromHandle(m_viewHwnd);
    if (!view || !IsWindow())
        return;
    MINMAXINFO info;
    view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    CSize viewSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y);
    if (viewSize.cx <= 0 || viewSize.cy <= 0)
        viewSize = view->GetWindowRect().Size();
    LONG const buttonsWidth = 2 * buttonWidth + buttonGap;
    LONG const inner = std::max(viewSize.cx, buttonsWidth);
    CSize const client(inner + 2 * margin, viewSize.cy + buttonHeight + 3 * margin);

    CRect place = GetWindowRect();
    if (CWnd const * owner = GetParent()) {
        CRect const over = owner->GetWindowRect();
        place = CRect(CPoint(over.left + (over.Width() - client.cx) / 2,
                             over.top + (over.Height() - client.cy) / 2),
                      client);
    } else {
        place = CRect(place.TopLeft(), client);
    }
    MoveWindow(place);
    view->MoveWindow(CRect(CPoint(margin, margin), viewSize));
    LONG const top = margin + viewSize.cy + margin;
    LONG const right = client.cx - margin;
    if (CWnd * cancel = GetDlgItem(IDCANCEL))
        cancel->MoveWindow(right - buttonWidth, top, buttonWidth, buttonHeight);
    if (CWnd * ok = GetDlgItem(IDOK))
        ok->MoveWindow(right - buttonsWidth, top, buttonWidth, buttonHeight);
}

BOOL CItemDialog::OnCommandOK(UINT, UINT code, CWnd & control) {
    m_okFromView = code == BN_CLICKED && m_viewHwnd && control.GetSafeHwnd() == m_viewHwnd;
    // The dialog's own handling goes on to OnOK.
    return FALSE;
}

void CItemDialog::OnOK() {
    bool const viewHadIt = std::exchange(m_okFromView, false);
    if (!viewHadIt)
        if (CWnd * view = CWnd::FromHandle(m_viewHwnd))
            view->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    CDialog::OnOK();
}

void CItemDialog::ReleaseView() {
    if (!m_view)
        return;
    // A view released with its window goes with it; any other is ours to delete.
    if (m_viewReleasedWithWindow && m_viewHwnd) {
        if (CWnd::IsWindow(m_viewHwnd))
            m_view->DestroyWindow();
    } else {
        delete m_view;
    }
    m_view = nullptr;
    m_viewHwnd = nullptr;
    m_viewReleasedWithWindow = false;
}
