#pragma once

#include "CWnd.hpp"
#include "WinConstants.hpp"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// A parent window that records what its controls tell it, in order: each WM_COMMAND as an
// identifier and a code, each WM_DRAWITEM as a copy of its structure. A test may act on a
// command as it arrives (m_onCommand), after it has been recorded; the action may destroy
// the control or this window.
class CParentRecorder : public CWnd {
    AFX_DECLARE_CLASS(CParentRecorder)
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
    using Commands = std::vector<Command>;

    Commands m_commands;
    std::vector<DRAWITEMSTRUCT> m_drawn;
    std::function<void(UINT id, UINT code, HWND control)> m_onCommand;

    // Forgets what was recorded so far.
    void Clear();
    // The commands as "<id>:<name>" lines, the names given by `codeName`.
    std::vector<std::string> CommandLines(std::string (*codeName)(UINT code)) const;
    // The commands heard with a code.
    int CountCommands(UINT code) const;

protected:
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    void OnDrawItem(UINT id, DRAWITEMSTRUCT & item);
};
