#include "CPaintDC.hpp"

#include "CWnd.hpp"

CPaintDC::CPaintDC(CWnd * wnd) : CClientDC(PaintAreaOf(wnd)) {}

CClientDC::Area CPaintDC::PaintAreaOf(CWnd * wnd) {
    Area area = AreaOf(wnd);
    if (!wnd)
        return area;
    CRect const update = wnd->GetUpdateRect();
    if (!update.IsEmpty())
        area.clip = area.clip.Intersect(update + CSize(area.origin.x, area.origin.y));
    wnd->ValidateRect();
    return area;
}
