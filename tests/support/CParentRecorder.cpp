#include "CParentRecorder.hpp"

#include "NotificationNames.hpp"
#include "WinMessages.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CParentRecorder, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CParentRecorder, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CParentRecorder::OnCommand)
AFX_ON_MESSAGE("T-1L2V", WM_DRAWITEM, &CParentRecorder::OnDrawItem)
AFX_ON_MESSAGE("L-5L2V", WM_NOTIFY, &CParentRecorder::OnNotify)
AFX_ON_MESSAGE("V-5W6W2w", WM_HSCROLL, &CParentRecorder::OnHScroll)
AFX_ON_MESSAGE("V-5W6W2w", WM_VSCROLL, &CParentRecorder::OnVScroll)
AFX_END_MESSAGE_MAP()

void CParentRecorder::Clear() {
    m_commands.clear();
    m_drawn.clear();
    m_heard.clear();
}

CParentRecorder::Lines CParentRecorder::CommandLines(std::string (*codeName)(UINT code)) const {
    Lines lines;
    for (Command const & command : m_commands)
        lines.push_back(std::to_string(command.id) + ":" + codeName(command.code));
    return lines;
}

int CParentRecorder::CountCommands(UINT code) const {
    return static_cast<int>(
        std::count_if(m_commands.begin(), m_commands.end(),
                      [code](Command const & command) { return command.code == code; }));
}

int CParentRecorder::Count(char const * name) const {
    std::string const suffix(name);
    return static_cast<int>(
        std::count_if(m_heard.begin(), m_heard.end(), [&](std::string const & s) {
            return s.size() >= suffix.size() &&
                   s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
        }));
}

void CParentRecorder::Hear(std::string const & line) {
    m_heard.push_back(line);
    if (m_onHeard)
        m_onHeard(line);
}

BOOL CParentRecorder::OnCommand(UINT id, UINT code, CWnd & control) {
    m_commands.push_back({id, code});
    Hear(std::to_string(id) + ":" + CommandCodeName(control, code));
    if (m_onCommand)
        m_onCommand(id, code, control.GetSafeHwnd());
    return TRUE;
}

void CParentRecorder::OnDrawItem(UINT, DRAWITEMSTRUCT & item) {
    m_drawn.push_back(item);
}

LRESULT CParentRecorder::OnNotify(UINT id, NMHDR & header) {
    std::string line = std::to_string(id) + ":" + NotifyName(header);
    if (header.idFrom != id || (m_notifier && header.hwndFrom != m_notifier))
        line += " from another";
    Hear(line);
    return m_onNotify ? m_onNotify(header) : 0;
}

void CParentRecorder::Scrolled(char const * direction, UINT code, UINT pos, CWnd & bar) {
    std::string line = std::string(direction) + " " + ScrollCodeName(code);
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION)
        line += " " + std::to_string(pos);
    Hear(line);
    if (m_onScroll)
        m_onScroll(code, static_cast<int>(pos), bar);
}

void CParentRecorder::OnHScroll(UINT code, UINT pos, CWnd & bar) {
    Scrolled("H", code, pos, bar);
}

void CParentRecorder::OnVScroll(UINT code, UINT pos, CWnd & bar) {
    Scrolled("V", code, pos, bar);
}
