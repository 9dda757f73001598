#include "CParentRecorder.hpp"

#include "WinMessages.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CParentRecorder, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CParentRecorder, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CParentRecorder::OnCommand)
AFX_ON_MESSAGE("T-1L2V", WM_DRAWITEM, &CParentRecorder::OnDrawItem)
AFX_END_MESSAGE_MAP()

void CParentRecorder::Clear() {
    m_commands.clear();
    m_drawn.clear();
}

std::vector<std::string> CParentRecorder::CommandLines(std::string (*codeName)(UINT code)) const {
    std::vector<std::string> lines;
    for (Command const & command : m_commands)
        lines.push_back(std::to_string(command.id) + ":" + codeName(command.code));
    return lines;
}

int CParentRecorder::CountCommands(UINT code) const {
    return static_cast<int>(
        std::count_if(m_commands.begin(), m_commands.end(),
                      [code](Command const & command) { return command.code == code; }));
}

BOOL CParentRecorder::OnCommand(UINT id, UINT code, CWnd & control) {
    m_commands.push_back({id, code});
    if (m_onCommand)
        m_onCommand(id, code, control.GetSafeHwnd());
    return TRUE;
}

void CParentRecorder::OnDrawItem(UINT, DRAWITEMSTRUCT & item) {
    m_drawn.push_back(item);
}
