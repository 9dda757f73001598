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
    CRect const area = rect.Intersect(windows.GetClientRect(*rec));
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
    Queue(*rec);
}

void CPainter::Queue(CWindowRecord & rec) {
    CWindowTable const & windows = m_manager.Windows();
    for (CWindowRecord * child = &rec; (child->style & WS_CHILD) && !child->queued;) {
        CWindowRecord * parent = windows.Find(child->parent);
        if (!parent)
            return;
        child->queued = true;
        parent->dirtyChildren.push_back(child->handle);
        child = parent;
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

void CPainter::PaintWindow(CWindowRecord & rec, bool & painted) {
    HWND const hwnd = rec.handle;
    CSurface * surface = nullptr;
    CPoint origin;
    CRect clip;
    DrawingArea(hwnd, surface, origin, clip);
    CRect const area = rec.invalid;
    bool const erase = rec.needsErase;
    // A window that its ancestors clip away entirely has nothing to show; a parent that
    // grows over it later paints it again through the children under its own area.
    if (clip.Intersect(area + CSize(origin.x, origin.y)).IsEmpty()) {
        rec.needsPaint = false;
        rec.needsErase = false;
        return;
    }
    painted = true;
    PaintFrame(rec);
    if (erase) {
        rec.needsErase = false;
        // Only the invalid part is erased: only it is painted again, by the window and by
        // the children that lie in it.
        CDC dc(CDevice::GetScreen(), surface, origin,
               clip.Intersect(area + CSize(origin.x, origin.y)));
        m_manager.Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
    }
    m_manager.Send(hwnd, WM_PAINT, 0, 0);
    CWindowTable const & windows = m_manager.Windows();
    CWindowRecord * after = windows.Find(hwnd);
    if (!after)
        return;
    // A handler that did not paint is taken as having nothing to paint.
    after->needsPaint = false;
    // The children in the painted area are painted again over it.
    for (HWND child : after->children) {
        CWindowRecord const * sub = windows.Find(child);
        if (sub && (sub->style & WS_VISIBLE) && !sub->rect.Intersect(area).IsEmpty())
            Invalidate(child, area - CSize(sub->rect.left, sub->rect.top), erase);
    }
}

void CPainter::PaintTree(HWND hwnd, bool & painted) {
    CWindowTable const & windows = m_manager.Windows();
    CWindowRecord * rec = windows.Find(hwnd);
    if (!rec)
        return;
    // While this window's pass runs, what its children ask for lands in its own list.
    bool const wasQueued = rec->queued;
    rec->queued = true;
    std::vector<HWND> dirty;
    auto const take = [&windows, &dirty](CWindowRecord & from) {
        for (HWND child : from.dirtyChildren)
            if (CWindowRecord * sub = windows.Find(child)) {
                sub->queued = false;
                dirty.push_back(child);
            }
        from.dirtyChildren.clear();
    };
    take(*rec);
    // A hidden window paints nothing; showing it invalidates it again.
    if (!(rec->style & WS_VISIBLE)) {
        rec->queued = wasQueued;
        return;
    }
    if (rec->needsPaint)
        PaintWindow(*rec, painted);
    if (CWindowRecord * after = windows.Find(hwnd))
        take(*after);
    // Siblings in z-order, each once: later ones lie above earlier ones.
    std::vector<std::pair<std::uint64_t, HWND>> ordered;
    ordered.reserve(dirty.size());
    for (HWND child : dirty)
        if (CWindowRecord const * sub = windows.Find(child))
            ordered.emplace_back(sub->order, child);
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    for (auto const & [order, child] : ordered)
        PaintTree(child, painted);
    // What was asked for after its turn is painted in the next pass.
    if (CWindowRecord * after = windows.Find(hwnd)) {
        after->queued = wasQueued;
        if (!after->dirtyChildren.empty() || after->needsPaint)
            Queue(*after);
    }
}
