#pragma once

#include "CWnd.hpp"
#include "WinConstants.hpp"

#include <functional>
#include <string>
#include <vector>

// A window that owns tools and records the tooltip notifications it hears, as "show <id>"
// and "pop <id>" (with " from another" when the sender is not the expected tooltip). A
// test may answer TTN_SHOW (m_onShow) after it has been recorded.
class CTipOwner : public CWnd {
    AFX_DECLARE_CLASS(CTipOwner)
    AFX_DECLARE_MESSAGE_MAP()
public:
    std::vector<std::string> m_heard;
    HWND m_tooltip = nullptr;
    // Whether the tooltip was visible, and its rectangle, when TTN_SHOW arrived.
    bool m_visibleAtShow = false;
    CRect m_rectAtShow;
    std::function<LRESULT(NMHDR & header)> m_onShow;

protected:
    LRESULT OnNotify(UINT id, NMHDR & header);
};
