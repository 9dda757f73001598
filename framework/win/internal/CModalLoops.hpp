#pragma once

#include "WinTypes.hpp"

#include <functional>
#include <vector>

class CWindowManager;

// The nested message loops of dialogs, message boxes and pop-up menus. RunModalLoop handles
// messages until EndModalLoop is called for the window (or it is destroyed) and returns the
// result given there. While one runs, input reaches only the window, the windows below it
// and the windows it owns.
class CModalLoops {
public:
    explicit CModalLoops(CWindowManager & manager) : m_manager(manager) {}

    int RunModalLoop(HWND hwnd, int cancelResult);
    void EndModalLoop(HWND hwnd, int result);
    // Ends the loops of a window that goes, with -1.
    void WindowDestroyed(HWND hwnd);
    HWND GetModalWindow() const;
    bool AcceptsInput(HWND hwnd) const;

    // What a message loop (these and the thread's own) does when nothing is left to handle:
    // the display waits for events. It returns false when nothing more will ever come, and
    // a modal loop is then cancelled.
    using WaitFunction = std::function<bool()>;
    void SetWaitFunction(WaitFunction wait) { m_wait = std::move(wait); }
    // Waits as a modal loop does; false when nothing more will ever come.
    bool Wait() const { return m_wait && m_wait(); }
    // Run when a modal loop starts, once the messages queued so far have been handled and
    // before it waits; the automation's scripted actions.
    using ModalStartFunction = std::function<void(HWND)>;
    void SetModalStartFunction(ModalStartFunction start) { m_modalStart = std::move(start); }

private:
    struct Modal {
        HWND hwnd;
        bool ended;
        int result;
    };

    CWindowManager & m_manager;
    std::vector<Modal> m_modals;
    WaitFunction m_wait;
    ModalStartFunction m_modalStart;
};
