#include "CDemoFrame.hpp"

#include "CEditCtrl.hpp"
#include "CItem.hpp"
#include "CStatic.hpp"
#include "CViewWnd.hpp"
#include "EditMessages.hpp"
#include "IDataAccess.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CDemoFrame, CMainWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CDemoFrame, CMainWnd)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CDemoFrame::OnSize)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CDemoFrame::OnGetMinMaxInfo)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CDemoFrame::OnCommand)
AFX_END_MESSAGE_MAP()

namespace {

constexpr LONG labelWidth = 96;
constexpr LONG fieldWidth = 200;
constexpr LONG margin = 8;

} // namespace

BOOL CDemoFrame::Create(char const * title, CItem & item, CViewWnd * view) {
    m_item = &item;
    if (!CMainWnd::Create(title, CRect(0, 0, 640, 480)))
        return FALSE;
    auto * label = new CStatic;
    auto * field = new CEditCtrl;
    IDataAccess const * name = item.GetDataAccess("Name");
    if (!label->Create("Device name:", WS_VISIBLE | SS_LEFT,
                       CRect(margin, 9, margin + labelWidth, stripHeight - 6), this, 0) ||
        !field->Create(
            name ? name->ReadString(&item).GetString() : "",
            WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
            CRect(margin + labelWidth, 5, margin + labelWidth + fieldWidth, stripHeight - 4), this,
            idName))
        return FALSE;
    view->Attach(&item);
    if (!view->Create(this, CRect(0, stripHeight, 640, 480), idView))
        return FALSE;
    m_view = view;
    MINMAXINFO info{};
    SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    MoveWindow(CRect(CPoint(0, 0), CSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y)));
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CDemoFrame::OnSize(UINT, CSize size) {
    if (m_view && m_view->IsWindow())
        m_view->MoveWindow(CRect(0, stripHeight, size.cx, std::max<LONG>(size.cy, stripHeight)));
}

void CDemoFrame::OnGetMinMaxInfo(MINMAXINFO & info) {
    MINMAXINFO asked{};
    if (m_view && m_view->IsWindow())
        m_view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&asked));
    info.ptMinTrackSize.x =
        std::max<LONG>({asked.ptMinTrackSize.x, margin * 2 + labelWidth + fieldWidth, 320});
    info.ptMinTrackSize.y = asked.ptMinTrackSize.y + stripHeight;
}

BOOL CDemoFrame::OnCommand(UINT id, UINT code, CWnd & control) {
    if (id != idName || code != EN_KILLFOCUS)
        return FALSE;
    if (IDataAccess const * name = m_item->GetDataAccess("Name"))
        name->WriteString(m_item, control.GetWindowText());
    return TRUE;
}
