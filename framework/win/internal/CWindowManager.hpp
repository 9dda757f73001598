#pragma once

#include "CWnd.hpp"
#include "internal/CWindowRecord.hpp"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// The window manager: the handle table, the message queue, focus, capture, timers, painting
// and modal loops of the one UI thread.
class CWindowManager {
public:
    static CWindowManager & Get();

    // Records. Find gives live windows (also while they are being destroyed); null for a
    // handle that names none.
    CWindowRecord * Find(HWND hwnd) const;
    CWindowRecord & Allocate(CWnd * object);
    std::vector<HWND> const & GetTopLevels() const { return m_topLevels; }

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

    // Focus and capture.
    HWND GetFocus() const { return m_focus; }
    HWND SetFocus(HWND hwnd);
    HWND GetCapture() const { return m_capture; }
    void SetCapture(HWND hwnd);
    // Removes the focus or capture when it lies in the given window or below it.
    void LoseFocusWithin(HWND hwnd);

    // Ancestry and geometry.
    bool IsAncestorOrSelf(HWND ancestor, HWND hwnd) const;
    HWND GetTopLevel(HWND hwnd) const;
    HWND NearestDialog(HWND hwnd) const;
    bool IsVisible(HWND hwnd) const;
    CRect GetClientRect(CWindowRecord const & rec) const;
    CPoint ClientOrigin(HWND hwnd) const; // the client area's top-left on the screen

    // Painting. DrawingArea gives where a window's client area lies in its top-level
    // window's picture (made on the screen device at the window's size when needed) and the
    // part of it that the window may draw on; false when there is no picture.
    bool DrawingArea(HWND hwnd, CSurface *& surface, CPoint & origin, CRect & clip);
    void Invalidate(HWND hwnd, CRect const & rect, bool erase);
    bool PaintPending();

    // Timers.
    UINT AllocTimerID() { return ++m_lastTimerId; }
    void SetTimer(HWND hwnd, UINT id, UINT milliseconds);
    bool KillTimer(HWND hwnd, UINT id);
    // Posts WM_TIMER for every timer that has run out; the earliest time one will next.
    void PostDueTimers();
    bool NextTimerDue(std::uint64_t & due) const;

    // Modal loops: RunModalLoop handles messages until EndModalLoop is called for the window
    // (or it is destroyed) and returns the result given there. While one runs, input reaches
    // only the window, the windows below it and the windows it owns.
    int RunModalLoop(HWND hwnd, int cancelResult);
    void EndModalLoop(HWND hwnd, int result);
    bool IsInModalLoop(HWND hwnd) const;
    HWND GetModalWindow() const;
    bool AcceptsInput(HWND hwnd) const;

    // What a modal loop does when nothing is left to handle: the display waits for events,
    // the automation runs its next scripted step. It returns false when nothing more will
    // ever come, and the loop is then cancelled.
    using WaitFunction = std::function<bool()>;
    void SetWaitFunction(WaitFunction wait) { m_wait = std::move(wait); }
    // Waits as a modal loop does; false when nothing more will ever come.
    bool Wait() const { return m_wait && m_wait(); }
    // Run when a modal loop starts, once the messages queued so far have been handled and
    // before it waits; the automation's scripted actions.
    using ModalStartFunction = std::function<void(HWND)>;
    void SetModalStartFunction(ModalStartFunction start) { m_modalStart = std::move(start); }

    // Beeps (MessageBeep): counted, so that the automation can tell how many sounded.
    void Beep() { ++m_beeps; }
    UINT GetBeepCount() const { return m_beeps; }
    void ClearBeeps() { m_beeps = 0; }

private:
    CWindowManager() = default;
    void Finalize(CWindowRecord & rec);
    void PaintTree(HWND hwnd, bool & painted);
    // Draws the border that a child window's styles give it, outside its client area.
    void PaintFrame(CWindowRecord const & rec);
    void RemoveQueued(HWND hwnd, UINT message, WPARAM wParam, bool anyMessage);

    struct Slot {
        std::uint32_t generation = 1;
        std::unique_ptr<CWindowRecord> record;
    };
    struct Timer {
        HWND hwnd;
        UINT id;
        UINT interval;
        std::uint64_t due;
    };
    struct Modal {
        HWND hwnd;
        bool ended;
        int result;
    };

    std::vector<Slot> m_slots{1}; // slot 0 is never used, so no handle is null
    std::vector<std::uint32_t> m_freeSlots;
    std::vector<HWND> m_topLevels;
    std::deque<MSG> m_queue;
    std::vector<Timer> m_timers;
    std::vector<Modal> m_modals;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
    UINT m_lastTimerId = 0;
    UINT m_beeps = 0;
    WaitFunction m_wait;
    ModalStartFunction m_modalStart;
};
