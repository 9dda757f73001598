#pragma once

#include "CWnd.hpp"
#include "internal/CInputState.hpp"
#include "internal/CMessageQueue.hpp"
#include "internal/CModalLoops.hpp"
#include "internal/CPainter.hpp"
#include "internal/CTimerList.hpp"
#include "internal/CWindowTable.hpp"

// The window system of the one UI thread: creates and destroys windows, sends and posts
// their messages, and holds the parts that keep the rest of its state (the handle table,
// the queue, focus and capture, timers, painting, modal loops). Destroying a window is the
// one step that touches them all: it is done here.
class CWindowManager {
public:
    static CWindowManager & Get();

    CWindowTable & Windows() { return m_windows; }
    CMessageQueue & Queue() { return m_queue; }
    CInputState & Input() { return m_input; }
    CTimerList & Timers() { return m_timers; }
    CPainter & Painter() { return m_painter; }
    CModalLoops & Modals() { return m_modals; }

    BOOL Create(CWnd & object, DWORD exStyle, char const * className, char const * text,
                DWORD style, CRect const & rect, HWND parent, UINT id);
    void Destroy(HWND hwnd);
    // Forgets an object that is being deleted while its window's messages are still on the
    // stack, so that nothing reaches it afterwards.
    void Forget(CWnd & object);

    LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Handles one queued message; false when the queue is empty.
    bool PumpOne();
    // Handles queued messages, due timers and pending painting until none is left.
    void Pump();

    // Beeps (MessageBeep): counted, so that the automation can tell how many sounded.
    void Beep() { ++m_beeps; }
    UINT GetBeepCount() const { return m_beeps; }
    void ClearBeeps() { m_beeps = 0; }

private:
    CWindowManager() = default;
    // Lets go of a destroyed window's record once none of its messages is on the stack.
    void Finalize(CWindowRecord & rec);

    CWindowTable m_windows;
    CMessageQueue m_queue;
    CInputState m_input{*this};
    CTimerList m_timers{*this};
    CPainter m_painter{*this};
    CModalLoops m_modals{*this};
    UINT m_beeps = 0;
};
