#include "EditParentWnd.hpp"

#include "WinConstants.hpp"
#include "WinMessages.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CEditParentWnd, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CEditParentWnd, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CEditParentWnd::OnCommand)
AFX_END_MESSAGE_MAP()

std::string EditCodeName(UINT code) {
    switch (code) {
    case EN_SETFOCUS:
        return "setfocus";
    case EN_KILLFOCUS:
        return "killfocus";
    case EN_CHANGE:
        return "change";
    case EN_UPDATE:
        return "update";
    case EN_MAXTEXT:
        return "maxtext";
    default:
        return "code " + std::to_string(code);
    }
}

int CEditParentWnd::CountHeard(char const * codeName) const {
    std::string const suffix = std::string(":") + codeName;
    return static_cast<int>(
        std::count_if(m_heard.begin(), m_heard.end(), [&](std::string const & s) {
            return s.size() >= suffix.size() &&
                   s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
        }));
}

BOOL CEditParentWnd::OnCommand(UINT id, UINT code, CWnd &) {
    m_heard.push_back(std::to_string(id) + ":" + EditCodeName(code));
    if (m_onNotify)
        m_onNotify(id, code);
    return TRUE;
}
