#pragma once

#include "CWnd.hpp"

#include <functional>
#include <ostream>
#include <vector>

// A window that records what its controls tell it through WM_COMMAND, as an identifier and
// a code each, in order. A test may act on a command as it arrives (m_onCommand), after it
// has been recorded; the action may destroy the control or this window.
class CListParent : public CWnd {
    AFX_DECLARE_CLASS(CListParent)
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
    std::function<void(UINT id, UINT code)> m_onCommand;

protected:
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
};
