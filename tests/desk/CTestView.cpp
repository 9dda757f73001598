#include "CTestView.hpp"

#include "CMainWnd.hpp"
#include "CPrintf.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

std::vector<std::string> & Heard() {
    static std::vector<std::string> lines;
    return lines;
}

int CTestView::s_living = 0;

AFX_IMPLEMENT_CLASS(CTestView, CDialogViewWnd, &CDialogViewWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CTestView, CDialogViewWnd)
AFX_ON_MESSAGE("V-1L", WM_AFX_SETCURRENT, &CTestView::OnSetCurrent)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, ID_VIEW_BALLOONMODE, ID_VIEW_BALLOONMODE,
             &CTestView::OnBalloonMode)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CTestView::OnCommand)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CTestView::OnGetMinMaxInfo)
AFX_END_MESSAGE_MAP()

CTestView::CTestView(char const * name, BOOL handlesCommands)
    : m_name(name), m_handlesCommands(handlesCommands) {
    ++s_living;
}

CTestView::~CTestView() {
    --s_living;
}

void CTestView::OnAttach() {
    auto const * item = static_cast<CNamedItem *>(GetItem());
    Hear("attach " + (item ? item->m_name : std::string("none")) +
         (IsWindow() ? " with window" : " without window"));
}

void CTestView::OnSetCurrent(BOOL current) {
    Hear(current ? "current" : "not current");
    if (!current && m_onNotCurrent)
        m_onNotCurrent();
}

BOOL CTestView::OnBalloonMode(UINT) {
    Hear("balloon mode");
    if (m_onBalloonMode)
        m_onBalloonMode();
    return FALSE;
}

BOOL CTestView::OnCommand(UINT id, UINT code, CWnd &) {
    if (code == BN_CLICKED)
        Hear(CPrintf("command %u", id).Str());
    return m_handlesCommands;
}

void CTestView::OnGetMinMaxInfo(MINMAXINFO & info) {
    if (m_minSize.cx || m_minSize.cy)
        info.ptMinTrackSize = CPoint(m_minSize.cx, m_minSize.cy);
}

AFX_IMPLEMENT_CLASS(CCommandRecorderWnd, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CCommandRecorderWnd, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CCommandRecorderWnd::OnCommand)
AFX_END_MESSAGE_MAP()

BOOL CCommandRecorderWnd::OnCommand(UINT id, UINT, CWnd & control) {
    bool const fromView = control.IsKindOf(CViewWnd::AfxStaticClassInfo());
    Heard().push_back(m_name + CPrintf(":command %u", id).Str() + (fromView ? " from a view" : ""));
    return TRUE;
}
