#include "CClientDC.hpp"

#include "CWnd.hpp"
#include "internal/CWindowManager.hpp"

CClientDC::CClientDC(CWnd * wnd) : CClientDC(AreaOf(wnd)) {}

CClientDC::CClientDC(Area const & area)
    : CDC(CDevice::GetScreen(), area.surface, area.origin, area.clip) {}

CClientDC::Area CClientDC::AreaOf(CWnd * wnd) {
    Area area;
    if (wnd)
        CWindowManager::Get().Painter().DrawingArea(wnd->GetSafeHwnd(), area.surface, area.origin,
                                                    area.clip);
    return area;
}
