#pragma once

#include "CPrintf.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <string>
#include <vector>

// What the windows of a test heard, in order, as "name:message" lines.
inline std::vector<std::string> & Heard() {
    static std::vector<std::string> lines;
    return lines;
}

// A window that records the messages its tests care about, and a control class that takes
// the focus on a click and answers WM_GETDLGCODE as the test sets.
class CRecorderWnd : public CWnd {
    AFX_DECLARE_CLASS(CRecorderWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    explicit CRecorderWnd(char const * name = "") : m_name(name) {}

    UINT m_dlgCode = 0;

    static char const * ControlClass();

    // Creates a child at (x, y), 20 × 10, with a style and identifier.
    BOOL CreateChild(CWnd & parent, UINT id, DWORD style, int x = 0, int y = 0) {
        return Create(ControlClass(), m_name.c_str(), WS_CHILD | WS_VISIBLE | style,
                      CRect(x, y, x + 20, y + 10), &parent, id);
    }

protected:
    void Hear(std::string const & what) { Heard().push_back(m_name + ":" + what); }

    void OnSetFocus(CWnd & old);
    void OnKillFocus(CWnd & next);
    void OnDestroy();
    void OnNcDestroy();
    LRESULT OnGetDlgCode(MSG * msg);
    void OnKeyDown(UINT key, DWORD flags);
    void OnChar(UINT ch, DWORD flags);
    void OnLButtonDown(UINT keys, LPARAM where);
    void OnLButtonDblClk(UINT keys, LPARAM where);
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    void OnChildFocus(UINT, CWnd & control);
    void OnTimer(UINT id);
    void OnClicked(UINT, LPARAM);

    std::string m_name;
};
