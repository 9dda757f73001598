#include "CMiscParentWnd.hpp"

#include "IPAddrMessages.hpp"
#include "TabCtrlMessages.hpp"
#include "WinMessages.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CMiscParentWnd, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CMiscParentWnd, CWnd)
AFX_ON_MESSAGE("V-5W6W2w", WM_HSCROLL, &CMiscParentWnd::OnHScroll)
AFX_ON_MESSAGE("V-5W6W2w", WM_VSCROLL, &CMiscParentWnd::OnVScroll)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CMiscParentWnd::OnCommand)
AFX_ON_MESSAGE("L-5L2V", WM_NOTIFY, &CMiscParentWnd::OnNotify)
AFX_END_MESSAGE_MAP()

namespace {

std::string ScrollName(UINT code) {
    static char const * const names[] = {"lineup",     "linedown", "pageup", "pagedown", "thumbpos",
                                         "thumbtrack", "top",      "bottom", "endscroll"};
    return code < 9 ? names[code] : "code " + std::to_string(code);
}

std::string CommandName(UINT code) {
    switch (code) {
    case EN_SETFOCUS:
        return "setfocus";
    case EN_KILLFOCUS:
        return "killfocus";
    case EN_CHANGE:
        return "change";
    default:
        return "code " + std::to_string(code);
    }
}

std::string NotifyName(NMHDR const & header) {
    switch (header.code) {
    case TCN_SELCHANGING:
        return "selchanging";
    case TCN_SELCHANGE:
        return "selchange";
    case IPN_FIELDCHANGED: {
        auto const & note = reinterpret_cast<NMIPADDRESS const &>(header);
        return "fieldchanged " + std::to_string(note.iField) + "=" + std::to_string(note.iValue);
    }
    default:
        return "notify " + std::to_string(static_cast<int>(header.code));
    }
}

} // namespace

int CMiscParentWnd::Count(char const * name) const {
    std::string const suffix(name);
    return static_cast<int>(
        std::count_if(m_heard.begin(), m_heard.end(), [&](std::string const & s) {
            return s.size() >= suffix.size() &&
                   s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
        }));
}

void CMiscParentWnd::Scrolled(char const * direction, UINT code, UINT pos, CWnd & bar) {
    std::string line = std::string(direction) + " " + ScrollName(code);
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION)
        line += " " + std::to_string(pos);
    m_heard.push_back(line);
    if (m_onScroll)
        m_onScroll(code, static_cast<int>(pos), bar);
}

void CMiscParentWnd::OnHScroll(UINT code, UINT pos, CWnd & bar) {
    Scrolled("H", code, pos, bar);
}

void CMiscParentWnd::OnVScroll(UINT code, UINT pos, CWnd & bar) {
    Scrolled("V", code, pos, bar);
}

BOOL CMiscParentWnd::OnCommand(UINT id, UINT code, CWnd &) {
    m_heard.push_back(std::to_string(id) + ":" + CommandName(code));
    if (m_onCommand)
        m_onCommand(id, code);
    return TRUE;
}

LRESULT CMiscParentWnd::OnNotify(UINT id, NMHDR & header) {
    m_heard.push_back(std::to_string(id) + ":" + NotifyName(header));
    return m_onNotify ? m_onNotify(header) : 0;
}
