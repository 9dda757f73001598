#include "internal/CModalLoops.hpp"

#include "AfxTrace.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>

int CModalLoops::RunModalLoop(HWND hwnd, int cancelResult) {
    CWindowTable const & windows = m_manager.Windows();
    if (!windows.Find(hwnd))
        return cancelResult;
    m_modals.push_back({hwnd, false, cancelResult});
    std::size_t const level = m_modals.size() - 1;
    // The scripted user acts on the window once it has set itself up: what its creation
    // posted (WM_AFX_POSTCREATE) is handled first, as a display would before any input.
    m_manager.Pump();
    if (m_modalStart)
        m_modalStart(hwnd);
    for (;;) {
        m_manager.Pump();
        if (m_modals[level].ended || !windows.Find(hwnd))
            break;
        if (!m_wait || !m_wait()) {
            AfxTrace("ERROR: A modal loop had nothing more to wait for and was cancelled\n");
            m_modals[level].result = cancelResult;
            break;
        }
    }
    int const result = m_modals[level].ended ? m_modals[level].result : cancelResult;
    m_modals.resize(level);
    return result;
}

void CModalLoops::EndModalLoop(HWND hwnd, int result) {
    for (auto it = m_modals.rbegin(); it != m_modals.rend(); ++it)
        if (it->hwnd == hwnd && !it->ended) {
            it->ended = true;
            it->result = result;
            return;
        }
}

void CModalLoops::WindowDestroyed(HWND hwnd) {
    for (Modal & modal : m_modals)
        if (modal.hwnd == hwnd && !modal.ended) {
            modal.ended = true;
            modal.result = -1;
        }
}

HWND CModalLoops::GetModalWindow() const {
    for (auto it = m_modals.rbegin(); it != m_modals.rend(); ++it)
        if (!it->ended && m_manager.Windows().Find(it->hwnd))
            return it->hwnd;
    return nullptr;
}

bool CModalLoops::AcceptsInput(HWND hwnd) const {
    HWND const modal = GetModalWindow();
    if (!modal)
        return true;
    CWindowTable const & windows = m_manager.Windows();
    // The modal window, the windows below it and the top-level windows it owns.
    for (HWND top = windows.GetTopLevel(hwnd); top;) {
        if (top == modal)
            return true;
        CWindowRecord const * rec = windows.Find(top);
        top = rec ? windows.GetTopLevel(rec->parent) : nullptr;
    }
    return false;
}
