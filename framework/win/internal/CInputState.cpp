#include "internal/CInputState.hpp"

#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CWindowManager.hpp"

HWND CInputState::SetFocus(HWND hwnd) {
    CWindowTable const & windows = m_manager.Windows();
    HWND const old = m_focus;
    if (hwnd) {
        CWindowRecord * rec = windows.Find(hwnd);
        if (!rec || rec->destroying || (rec->style & WS_DISABLED))
            return old;
    }
    if (hwnd == old)
        return old;
    m_focus = hwnd;
    if (windows.Find(old))
        m_manager.Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (!hwnd || m_focus != hwnd)
        return old;
    m_manager.Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(windows.Find(old) ? old : nullptr),
                   0);
    if (m_focus == hwnd)
        if (CWindowRecord * rec = windows.Find(hwnd))
            if (HWND dialog = windows.NearestDialog(rec->parent))
                m_manager.Send(dialog, WM_AFX_CHILDFOCUS, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

void CInputState::SetCapture(HWND hwnd) {
    HWND const old = m_capture;
    m_capture = m_manager.Windows().Find(hwnd) ? hwnd : nullptr;
    if (old && old != m_capture)
        m_manager.Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_capture));
}

void CInputState::LoseFocusWithin(HWND hwnd) {
    CWindowTable const & windows = m_manager.Windows();
    if (m_focus && windows.IsAncestorOrSelf(hwnd, m_focus))
        SetFocus(nullptr);
    if (m_capture && windows.IsAncestorOrSelf(hwnd, m_capture))
        SetCapture(nullptr);
}
