#include "internal/CMessageQueue.hpp"

#include <algorithm>

bool CMessageQueue::Pop(MSG & msg) {
    if (m_messages.empty())
        return false;
    msg = m_messages.front();
    m_messages.pop_front();
    return true;
}

bool CMessageQueue::Contains(HWND hwnd, UINT message, WPARAM wParam) const {
    return std::any_of(m_messages.begin(), m_messages.end(), [&](MSG const & msg) {
        return msg.hwnd == hwnd && msg.message == message && msg.wParam == wParam;
    });
}

void CMessageQueue::Remove(HWND hwnd) {
    std::erase_if(m_messages, [hwnd](MSG const & msg) { return msg.hwnd == hwnd; });
}

void CMessageQueue::Remove(HWND hwnd, UINT message, WPARAM wParam) {
    std::erase_if(m_messages, [&](MSG const & msg) {
        return msg.hwnd == hwnd && msg.message == message && msg.wParam == wParam;
    });
}
