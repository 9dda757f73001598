#include "internal/CPainter.hpp"

#include "CDC.hpp"
#include "CDevice.hpp"
#include "CStdTools.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CDisplayLink.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>

bool CPainter::DrawingArea(HWND hwnd, CSurface *& surface, CPoint & origin, CRect & clip) {
    CWindowTable const & windows = m_manager.Windows();
    CWindowRecord * top = windows.Find(windows.GetTopLevel(hwnd));
    CWindowRecord const * rec = windows.Find(hwnd);
    if (!top || !rec)
        return false;
    CSize const size = top->rect.Size();
    if (!top->surface || top->surface->GetSize() != size)
        top->surface = CDevice::GetScreen().CreateSurface(size);
    surface = top->surface.get();
    CPoint const base = windows.ClientOrigin(top->handle);
    CPoint const client = windows.ClientOrigin(hwnd);
    origin = CPoint(client.x - base.x, client.y - base.y);
    clip = windows.GetClientRect(*rec) + CSize(origin.x, origin.y);
    // Nothing outside the client areas of the window's ancestors is drawn on.
    for (CWindowRecord const * up = rec; up && (up->style & WS_CHILD);) {
        up = windows.Find(up->parent);
        if (!up)
            break;
        CPoint const at = windows.ClientOrigin(up->handle);
        clip = clip.Intersect(windows.GetClientRect(*up) + CSize(at.x - base.x, at.y - base.y));
    }
    return surface != nullptr;
}

void CPainter::Invalidate(HWND hwnd, CRect const & rect, bool erase) {
    CWindowTable const & windows = m_manager.Windows();
    CWindowRecord * rec = windows.Find(hwnd);
    if (!rec)
        return;
    CRect const client = windows.GetClientRect(*rec);
    CRect const area = rect.Intersect(client);
    if (area.IsEmpty())
        return;
    if (rec->needsPaint)
        rec->invalid = CRect(
            std::min(rec->invalid.left, area.left), std::min(rec->invalid.top, area.top),
            std::max(rec->invalid.right, area.right), std::max(rec->invalid.bottom, area.bottom));
    else
        rec->invalid = area;
    rec->needsPaint = true;
    rec->needsErase = rec->needsErase || erase;
    // Children that lie in the area are painted again over the parent.
    for (HWND child : rec->children)
        if (CWindowRecord * sub = windows.Find(child))
            if (!sub->rect.Intersect(area).IsEmpty()) {
                CRect local = area - CSize(sub->rect.left, sub->rect.top);
                Invalidate(child, local, erase);
            }
}

bool CPainter::PaintPending() {
    CWindowTable const & windows = m_manager.Windows();
    bool painted = false;
    std::vector<HWND> const tops = windows.GetTopLevels();
    for (HWND top : tops) {
        if (!windows.IsVisible(top))
            continue;
        bool topPainted = false;
        PaintTree(top, topPainted);
        painted = painted || topPainted;
        if (CWindowRecord const * rec = windows.Find(top); topPainted && rec)
            CDisplayLink::Present(*rec);
    }
    return painted;
}

void CPainter::PaintFrame(CWindowRecord const & rec) {
    if (CWindowTable::FrameWidth(rec) == 0)
        return;
    CSurface * surface = nullptr;
    CPoint origin;
    CRect clip;
    if (!DrawingArea(rec.parent, surface, origin, clip))
        return;
    CDC dc(CDevice::GetScreen(), surface, origin, clip);
    CRect frame = rec.rect;
    CStdTools const & tools = *CStdTools::FindInstance();
    if (rec.style & WS_BORDER) {
        dc.FrameRect(frame, tools.GetBrush(CStdTools::color3DDarkShadow));
        frame = frame - 1;
    }
    if (rec.exStyle & WS_EX_CLIENTEDGE)
        dc.DrawEdge(frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    else if (rec.exStyle & WS_EX_STATICEDGE)
        dc.DrawEdge(frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

void CPainter::PaintTree(HWND hwnd, bool & painted) {
    CWindowTable const & windows = m_manager.Windows();
    CWindowRecord * rec = windows.Find(hwnd);
    if (!rec || !(rec->style & WS_VISIBLE))
        return;
    if (rec->needsPaint) {
        painted = true;
        PaintFrame(*rec);
        if (rec->needsErase) {
            rec->needsErase = false;
            CSurface * surface = nullptr;
            CPoint origin;
            CRect clip;
            DrawingArea(hwnd, surface, origin, clip);
            // Only the invalid part is erased: only it is painted again, by the window and
            // by the children that lie in it.
            CDC dc(CDevice::GetScreen(), surface, origin,
                   clip.Intersect(rec->invalid + CSize(origin.x, origin.y)));
            m_manager.Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
        }
        m_manager.Send(hwnd, WM_PAINT, 0, 0);
        // A handler that did not paint is taken as having nothing to paint.
        if (CWindowRecord * after = windows.Find(hwnd))
            after->needsPaint = false;
    }
    if (CWindowRecord * after = windows.Find(hwnd)) {
        std::vector<HWND> const children = after->children;
        for (HWND child : children)
            PaintTree(child, painted);
    }
}
