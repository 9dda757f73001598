#pragma once

#include "CWnd.hpp"
#include "WinConstants.hpp"

#include <functional>
#include <ostream>
#include <vector>

// A window that records what its controls tell it: each WM_COMMAND as an identifier and a
// code, each WM_DRAWITEM as a copy of its structure. A test may act on a command as it
// arrives (m_onCommand), after it has been recorded.
class CButtonParent : public CWnd {
    AFX_DECLARE_CLASS(CButtonParent)
    AFX_DECLARE_MESSAGE_MAP()
public:
    struct Command {
        UINT id = 0;
        UINT code = 0;
        bool operator==(Command const &) const = default;
        friend std::ostream & operator<<(std::ostream & out, Command const & command) {
            return out << "{" << command.id << ", " << command.code << "}";
        }
    };

    std::vector<Command> m_commands;
    std::vector<DRAWITEMSTRUCT> m_drawn;
    std::function<void(UINT id, UINT code, HWND control)> m_onCommand;

protected:
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    void OnDrawItem(UINT id, DRAWITEMSTRUCT & item);
};
