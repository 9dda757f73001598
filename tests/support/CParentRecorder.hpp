#pragma once

#include "CWnd.hpp"
#include "WinConstants.hpp"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// A parent window that records what its controls tell it, in order. Each WM_COMMAND is kept
// as an identifier and a code (m_commands), each WM_DRAWITEM as a copy of its structure
// (m_drawn), and every WM_COMMAND, WM_NOTIFY, WM_HSCROLL and WM_VSCROLL as a line of
// m_heard: "<id>:<code name>" for commands and notifications (see NotificationNames.hpp),
// "H linedown" or "V thumbtrack 40" for scroll requests (the position only with the thumb
// codes). A notification whose header names another sender than the identifier it came with,
// or another window than m_notifier when that is set, ends in " from another".
//
// A test may act on each message as it arrives, after it has been recorded: on its line
// (m_onHeard) and then on the message (m_onCommand, m_onNotify, m_onScroll); the action may
// destroy the control or this window. m_onNotify gives the answer to WM_NOTIFY, 0 without it.
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
    using Lines = std::vector<std::string>;

    Commands m_commands;
    std::vector<DRAWITEMSTRUCT> m_drawn;
    Lines m_heard;
    HWND m_notifier = nullptr;
    std::function<void(std::string const & line)> m_onHeard;
    std::function<void(UINT id, UINT code, HWND control)> m_onCommand;
    std::function<LRESULT(NMHDR & header)> m_onNotify;
    std::function<void(UINT code, int pos, CWnd & bar)> m_onScroll;

    // Forgets what was recorded so far.
    void Clear();
    // The commands as "<id>:<name>" lines, the names given by `codeName`.
    Lines CommandLines(std::string (*codeName)(UINT code)) const;
    // The commands heard with a code.
    int CountCommands(UINT code) const;
    // The lines heard that end with a name ("change", "linedown").
    int Count(char const * name) const;

protected:
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    void OnDrawItem(UINT id, DRAWITEMSTRUCT & item);
    LRESULT OnNotify(UINT id, NMHDR & header);
    void OnHScroll(UINT code, UINT pos, CWnd & bar);
    void OnVScroll(UINT code, UINT pos, CWnd & bar);

private:
    void Hear(std::string const & line);
    void Scrolled(char const * direction, UINT code, UINT pos, CWnd & bar);
};
