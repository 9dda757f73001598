#pragma once

#include "WinTypes.hpp"

#include <deque>

// The posted messages of the UI thread, first in first out. It holds messages only; the
// window manager checks the windows they go to and dispatches them.
class CMessageQueue {
public:
    void Push(MSG const & msg) { m_messages.push_back(msg); }
    // Takes the oldest message; false when there is none.
    bool Pop(MSG & msg);
    // Whether a message for a window with this message and wParam is waiting.
    bool Contains(HWND hwnd, UINT message, WPARAM wParam) const;
    // Drops the messages of a window: all of them, or those with a message and wParam.
    void Remove(HWND hwnd);
    void Remove(HWND hwnd, UINT message, WPARAM wParam);

private:
    std::deque<MSG> m_messages;
};
