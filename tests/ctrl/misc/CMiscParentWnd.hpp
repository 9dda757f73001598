#pragma once

#include "CWnd.hpp"
#include "WinConstants.hpp"

#include <functional>
#include <string>
#include <vector>

// A parent window that writes down what its controls tell it, one line each:
// "H linedown", "V thumbtrack 40" for scroll requests (the position only with the thumb
// codes), "<id>:change" for WM_COMMAND and "<id>:selchanging" for WM_NOTIFY. A test may act
// on each as it arrives, after it has been written down, and answers WM_NOTIFY.
class CMiscParentWnd : public CWnd {
    AFX_DECLARE_CLASS(CMiscParentWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    std::vector<std::string> m_heard;
    std::function<void(UINT code, int pos, CWnd & bar)> m_onScroll;
    std::function<void(UINT id, UINT code)> m_onCommand;
    std::function<LRESULT(NMHDR & header)> m_onNotify;

    // The lines heard that end with a name ("change", "linedown").
    int Count(char const * name) const;

protected:
    void OnHScroll(UINT code, UINT pos, CWnd & bar);
    void OnVScroll(UINT code, UINT pos, CWnd & bar);
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    LRESULT OnNotify(UINT id, NMHDR & header);

private:
    void Scrolled(char const * direction, UINT code, UINT pos, CWnd & bar);
};
