#include "CViewWnd.hpp"

#include "CMultiViewWnd.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <map>

AFX_IMPLEMENT_DYNCREATE(CViewWnd, CWnd)

namespace {

// The current view of each top-level window, by handle. Entries of windows that are gone are
// dropped as views become current; a handle is never reused, so a stale entry matches no
// living view meanwhile.
std::map<HWND, HWND> & CurrentViews() {
    static std::map<HWND, HWND> views;
    return views;
}

void DropStaleEntries() {
    std::erase_if(CurrentViews(), [](auto const & entry) {
        return !CWnd::IsWindow(entry.first) || !CWnd::IsWindow(entry.second);
    });
}

} // namespace

CViewWnd::~CViewWnd() {
    if (m_holder)
        m_holder->ForgetView(this);
}

BOOL CViewWnd::Create(CWnd * parent, CRect const & rect, UINT id) {
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

void CViewWnd::Attach(CItem * item) {
    m_item = item;
    OnAttach();
}

BOOL CViewWnd::IsCurrent() const {
    CWnd const * top = GetTopLevel();
    if (!top || !IsWindow())
        return FALSE;
    auto const found = CurrentViews().find(top->GetSafeHwnd());
    return found != CurrentViews().end() && found->second == GetSafeHwnd();
}

void CViewWnd::SetCurrent(BOOL current) {
    CWnd const * top = GetTopLevel();
    if (!top || !IsWindow())
        return;
    HWND const self = GetSafeHwnd();
    HWND const topHwnd = top->GetSafeHwnd();
    DropStaleEntries();
    auto & views = CurrentViews();
    auto const found = views.find(topHwnd);
    HWND const previous = found != views.end() ? found->second : nullptr;
    if (previous == self && current)
        return;
    if (previous != self && !current)
        return;
    // The old view stops being current before it hears so, and hears it first.
    if (previous) {
        views.erase(found);
        if (CWnd * old = CWnd::FromHandle(previous))
            old->SendMessage(WM_AFX_SETCURRENT, FALSE, 0);
    }
    // A handler that made another view current meanwhile, or destroyed this one, wins.
    if (!current || views.contains(topHwnd) || !CWnd::IsWindow(self))
        return;
    views[topHwnd] = self;
    SendMessage(WM_AFX_SETCURRENT, TRUE, 0);
}

void CViewWnd::PostNcDestroy() {
    if (m_options & optionAutoDelete)
        delete this;
    else
        CWnd::PostNcDestroy();
}
