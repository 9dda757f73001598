#include "internal/CWindowManager.hpp"

#include "CClock.hpp"
#include "CWndClass.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CDisplayLink.hpp"

CWindowManager & CWindowManager::Get() {
    // Never destroyed: windows of objects with static storage may go away after it would.
    static auto * manager = new CWindowManager;
    return *manager;
}

BOOL CWindowManager::Create(CWnd & object, DWORD exStyle, char const * className, char const * text,
                            DWORD style, CRect const & rect, HWND parent, UINT id) {
    CWndClass const * cls = CWndClass::Find(className ? className : AFX_WNDCLASS);
    if (!cls || object.m_hWnd)
        return FALSE;
    if (parent && !m_windows.Find(parent))
        return FALSE;
    if ((style & WS_CHILD) && !parent)
        return FALSE;

    CWindowRecord & rec = m_windows.Allocate(&object);
    rec.cls = cls;
    rec.parent = parent;
    rec.style = style;
    rec.exStyle = exStyle;
    rec.id = id;
    rec.text = text;
    rec.rect = rect;
    HWND const hwnd = rec.handle;
    object.m_hWnd = hwnd;
    m_windows.Link(rec);

    CREATESTRUCT create;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.Width();
    create.cy = rect.Height();
    create.hwndParent = parent;
    create.id = id;
    create.style = style;
    create.exStyle = exStyle;
    create.lpszName = text;
    create.lpszClass = cls->GetName();
    auto const lParam = reinterpret_cast<LPARAM>(&create);
    if (!Send(hwnd, WM_NCCREATE, 0, lParam) || Send(hwnd, WM_CREATE, 0, lParam) == -1 ||
        !m_windows.Find(hwnd)) {
        Destroy(hwnd);
        return FALSE;
    }
    if (style & WS_VISIBLE)
        m_painter.Invalidate(hwnd, m_windows.GetClientRect(rec), true);
    CDisplayLink::WindowCreated(hwnd, rect, style, text);
    Post(hwnd, WM_AFX_POSTCREATE, 0, 0);
    return TRUE;
}

void CWindowManager::Destroy(HWND hwnd) {
    CWindowRecord * rec = m_windows.Find(hwnd);
    if (!rec || rec->destroying)
        return;
    rec->destroying = true;
    m_input.LoseFocusWithin(hwnd);
    m_modals.WindowDestroyed(hwnd);

    // The children go with their parent: none takes itself out of the parent's list or
    // asks the parent to paint where it was, so a page is torn down in linear time.
    std::vector<HWND> const children = std::move(rec->children);
    rec->children.clear();
    for (HWND child : children)
        Destroy(child);
    // Owned top-level windows (pop-ups, tooltips) go with their owner.
    std::vector<HWND> const owned = m_windows.GetTopLevels();
    for (HWND other : owned)
        if (CWindowRecord * top = m_windows.Find(other); top && top->parent == hwnd)
            Destroy(other);

    Send(hwnd, WM_DESTROY, 0, 0);
    Send(hwnd, WM_NCDESTROY, 0, 0);

    rec = m_windows.Retained(hwnd);
    m_timers.KillAll(hwnd);
    m_queue.Remove(hwnd);
    m_windows.Unlink(*rec);
    if (rec->style & WS_CHILD) {
        CWindowRecord const * parent = m_windows.Find(rec->parent);
        if ((rec->style & WS_VISIBLE) && parent && !parent->destroying)
            m_painter.Invalidate(rec->parent, rec->rect, true);
    } else {
        CDisplayLink::WindowDestroyed(*rec);
    }
    rec->destroyed = true;
    if (rec->dispatching == 0)
        Finalize(*rec);
}

void CWindowManager::Finalize(CWindowRecord & rec) {
    if (CWnd * object = m_windows.Release(rec)) {
        object->m_hWnd = nullptr;
        object->PostNcDestroy();
    }
}

void CWindowManager::Forget(CWnd & object) {
    m_windows.Detach(object.m_hWnd, object);
    object.m_hWnd = nullptr;
}

LRESULT CWindowManager::Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowRecord * rec = m_windows.Find(hwnd);
    if (!rec)
        return 0;
    ++rec->dispatching;
    LRESULT result = 0;
    if (rec->object)
        result = rec->object->WndProc(message, wParam, lParam);
    else
        result = rec->cls->GetProcedure()(hwnd, message, wParam, lParam);
    // The record outlives the message even when the window was destroyed meanwhile.
    CWindowRecord & after = *m_windows.Retained(hwnd);
    if (--after.dispatching == 0 && after.destroyed)
        Finalize(after);
    return result;
}

BOOL CWindowManager::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_windows.Find(hwnd))
        return FALSE;
    m_queue.Push(
        MSG(hwnd, message, wParam, lParam, static_cast<DWORD>(CClock::GetCurrent().Now())));
    return TRUE;
}

bool CWindowManager::PumpOne() {
    MSG msg;
    if (!m_queue.Pop(msg))
        return false;
    Send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
}

void CWindowManager::Pump() {
    for (;;) {
        m_timers.PostDue();
        if (PumpOne())
            continue;
        if (!m_painter.PaintPending())
            break;
    }
}
