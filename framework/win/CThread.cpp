#include "CThread.hpp"

#include "AfxTrace.hpp"
#include "CWnd.hpp"
#include "internal/CWindowManager.hpp"

CThread * CThread::FindInstance() {
    thread_local CThread thread;
    return &thread;
}

CWnd * CThread::GetMainWnd() const {
    // A handle of a destroyed window names no window ever again, so the main window clears
    // itself when it goes.
    return CWnd::FromHandle(m_mainWnd);
}

void CThread::SetMainWnd(CWnd * wnd) {
    m_mainWnd = wnd ? wnd->GetSafeHwnd() : nullptr;
}

BOOL CThread::Run() {
    CWindowManager & manager = CWindowManager::Get();
    for (;;) {
        manager.Pump();
        if (!GetMainWnd())
            return TRUE;
        if (!manager.Modals().Wait()) {
            AfxTrace("ERROR: The message loop had nothing more to wait for and ended\n");
            return FALSE;
        }
    }
}
