#include "internal/CWindowManager.hpp"

#include "AfxTrace.hpp"
#include "CClock.hpp"
#include "CDC.hpp"
#include "CDevice.hpp"
#include "CDisplay.hpp"
#include "CStdTools.hpp"
#include "CWndClass.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <algorithm>

namespace {

HWND MakeHandle(std::uint32_t index, std::uint32_t generation) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(generation) << 32 | index);
}

std::uint32_t IndexOf(HWND hwnd) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd) & 0xFFFFFFFF);
}

std::uint32_t GenerationOf(HWND hwnd) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd) >> 32);
}

// The width of the frame that a child window's styles draw around its client area.
LONG FrameWidth(CWindowRecord const & rec) {
    if (!(rec.style & WS_CHILD))
        return 0;
    LONG width = 0;
    if (rec.style & WS_BORDER)
        width += 1;
    if (rec.exStyle & WS_EX_CLIENTEDGE)
        width += 2;
    if (rec.exStyle & WS_EX_STATICEDGE)
        width += 1;
    return width;
}

} // namespace

CWindowManager & CWindowManager::Get() {
    // Never destroyed: windows of objects with static storage may go away after it would.
    static auto * manager = new CWindowManager;
    return *manager;
}

CWindowRecord * CWindowManager::Find(HWND hwnd) const {
    std::uint32_t const index = IndexOf(hwnd);
    if (index == 0 || index >= m_slots.size())
        return nullptr;
    Slot const & slot = m_slots[index];
    if (slot.generation != GenerationOf(hwnd) || !slot.record || slot.record->destroyed)
        return nullptr;
    return slot.record.get();
}

CWindowRecord & CWindowManager::Allocate(CWnd * object) {
    std::uint32_t index;
    if (!m_freeSlots.empty()) {
        index = m_freeSlots.back();
        m_freeSlots.pop_back();
    } else {
        index = static_cast<std::uint32_t>(m_slots.size());
        m_slots.emplace_back();
    }
    Slot & slot = m_slots[index];
    slot.record = std::make_unique<CWindowRecord>();
    slot.record->handle = MakeHandle(index, slot.generation);
    slot.record->object = object;
    return *slot.record;
}

BOOL CWindowManager::Create(CWnd & object, DWORD exStyle, char const * className, char const * text,
                            DWORD style, CRect const & rect, HWND parent, UINT id) {
    CWndClass const * cls = CWndClass::Find(className ? className : AFX_WNDCLASS);
    if (!cls || object.m_hWnd)
        return FALSE;
    if (parent && !Find(parent))
        return FALSE;
    if ((style & WS_CHILD) && !parent)
        return FALSE;

    CWindowRecord & rec = Allocate(&object);
    rec.cls = cls;
    rec.parent = parent;
    rec.style = style;
    rec.exStyle = exStyle;
    rec.id = id;
    rec.text = text;
    rec.rect = rect;
    HWND const hwnd = rec.handle;
    object.m_hWnd = hwnd;
    if (style & WS_CHILD)
        Find(parent)->children.push_back(hwnd);
    else
        m_topLevels.push_back(hwnd);

    CREATESTRUCT create;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.Width();
    create.cy = rect.Height();
    create.hwndParent = parent;
    create.id = id;
    create.style = style;
    create.exStyle = exStyle;
    create.lpszName = text;
    create.lpszClass = cls->GetName();
    auto const lParam = reinterpret_cast<LPARAM>(&create);
    if (!Send(hwnd, WM_NCCREATE, 0, lParam) || Send(hwnd, WM_CREATE, 0, lParam) == -1 ||
        !Find(hwnd)) {
        Destroy(hwnd);
        return FALSE;
    }
    if (style & WS_VISIBLE)
        Invalidate(hwnd, GetClientRect(rec), true);
    if (CDisplay * display = CDisplay::GetCurrent(); display && !(style & WS_CHILD))
        display->WindowCreated(hwnd, rect, style, text ? text : "");
    Post(hwnd, WM_AFX_POSTCREATE, 0, 0);
    return TRUE;
}

void CWindowManager::Destroy(HWND hwnd) {
    CWindowRecord * rec = Find(hwnd);
    if (!rec || rec->destroying)
        return;
    rec->destroying = true;
    LoseFocusWithin(hwnd);
    for (Modal & modal : m_modals)
        if (modal.hwnd == hwnd && !modal.ended) {
            modal.ended = true;
            modal.result = -1;
        }

    std::vector<HWND> const children = rec->children;
    for (HWND child : children)
        Destroy(child);
    // Owned top-level windows (pop-ups, tooltips) go with their owner.
    std::vector<HWND> const owned = m_topLevels;
    for (HWND other : owned)
        if (CWindowRecord * top = Find(other); top && top->parent == hwnd)
            Destroy(other);

    Send(hwnd, WM_DESTROY, 0, 0);
    Send(hwnd, WM_NCDESTROY, 0, 0);

    rec = &*m_slots[IndexOf(hwnd)].record;
    std::erase_if(m_timers, [hwnd](Timer const & timer) { return timer.hwnd == hwnd; });
    RemoveQueued(hwnd, 0, 0, true);
    if (rec->style & WS_CHILD) {
        if (CWindowRecord * parent = Find(rec->parent)) {
            std::erase(parent->children, hwnd);
            if (rec->style & WS_VISIBLE)
                Invalidate(rec->parent, rec->rect, true);
        }
    } else {
        std::erase(m_topLevels, hwnd);
        if (CDisplay * display = CDisplay::GetCurrent())
            display->WindowDestroyed(hwnd);
    }
    rec->destroyed = true;
    if (rec->dispatching == 0)
        Finalize(*rec);
}

void CWindowManager::Finalize(CWindowRecord & rec) {
    std::uint32_t const index = IndexOf(rec.handle);
    CWnd * object = rec.object;
    Slot & slot = m_slots[index];
    slot.record.reset();
    ++slot.generation;
    m_freeSlots.push_back(index);
    if (object) {
        object->m_hWnd = nullptr;
        object->PostNcDestroy();
    }
}

void CWindowManager::Forget(CWnd & object) {
    if (CWindowRecord * rec = Find(object.m_hWnd))
        rec->object = nullptr;
    std::uint32_t const index = IndexOf(object.m_hWnd);
    if (index > 0 && index < m_slots.size() && m_slots[index].record &&
        m_slots[index].record->object == &object)
        m_slots[index].record->object = nullptr;
    object.m_hWnd = nullptr;
}

LRESULT CWindowManager::Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowRecord * rec = Find(hwnd);
    if (!rec)
        return 0;
    ++rec->dispatching;
    LRESULT result = 0;
    if (rec->object)
        result = rec->object->WndProc(message, wParam, lParam);
    else
        result = rec->cls->GetProcedure()(hwnd, message, wParam, lParam);
    // The record outlives the message even when the window was destroyed meanwhile.
    CWindowRecord & after = *m_slots[IndexOf(hwnd)].record;
    if (--after.dispatching == 0 && after.destroyed)
        Finalize(after);
    return result;
}

BOOL CWindowManager::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Find(hwnd))
        return FALSE;
    m_queue.emplace_back(hwnd, message, wParam, lParam,
                         static_cast<DWORD>(CClock::GetCurrent().Now()));
    return TRUE;
}

void CWindowManager::RemoveQueued(HWND hwnd, UINT message, WPARAM wParam, bool anyMessage) {
    std::erase_if(m_queue, [&](MSG const & msg) {
        return msg.hwnd == hwnd && (anyMessage || (msg.message == message && msg.wParam == wParam));
    });
}

bool CWindowManager::PumpOne() {
    if (m_queue.empty())
        return false;
    MSG const msg = m_queue.front();
    m_queue.pop_front();
    Send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
}

void CWindowManager::Pump() {
    for (;;) {
        PostDueTimers();
        if (PumpOne())
            continue;
        if (!PaintPending())
            break;
    }
}

HWND CWindowManager::SetFocus(HWND hwnd) {
    HWND const old = m_focus;
    if (hwnd) {
        CWindowRecord * rec = Find(hwnd);
        if (!rec || rec->destroying || (rec->style & WS_DISABLED))
            return old;
    }
    if (hwnd == old)
        return old;
    m_focus = hwnd;
    if (Find(old))
        Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (!hwnd || m_focus != hwnd)
        return old;
    Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(Find(old) ? old : nullptr), 0);
    if (m_focus == hwnd)
        if (CWindowRecord * rec = Find(hwnd))
            if (HWND dialog = NearestDialog(rec->parent))
                Send(dialog, WM_AFX_CHILDFOCUS, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

void CWindowManager::SetCapture(HWND hwnd) {
    HWND const old = m_capture;
    m_capture = Find(hwnd) ? hwnd : nullptr;
    if (old && old != m_capture)
        Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_capture));
}

void CWindowManager::LoseFocusWithin(HWND hwnd) {
    if (m_focus && IsAncestorOrSelf(hwnd, m_focus))
        SetFocus(nullptr);
    if (m_capture && IsAncestorOrSelf(hwnd, m_capture))
        SetCapture(nullptr);
}

bool CWindowManager::IsAncestorOrSelf(HWND ancestor, HWND hwnd) const {
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        if (rec->handle == ancestor)
            return true;
        if (!(rec->style & WS_CHILD))
            return false;
        rec = Find(rec->parent);
    }
    return false;
}

HWND CWindowManager::GetTopLevel(HWND hwnd) const {
    CWindowRecord const * rec = Find(hwnd);
    while (rec && (rec->style & WS_CHILD))
        rec = Find(rec->parent);
    return rec ? rec->handle : nullptr;
}

HWND CWindowManager::NearestDialog(HWND hwnd) const {
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        if (rec->dialogStyle)
            return rec->handle;
        if (!(rec->style & WS_CHILD))
            return nullptr;
        rec = Find(rec->parent);
    }
    return nullptr;
}

bool CWindowManager::IsVisible(HWND hwnd) const {
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        if (!(rec->style & WS_VISIBLE))
            return false;
        if (!(rec->style & WS_CHILD))
            return true;
        rec = Find(rec->parent);
    }
    return false;
}

CRect CWindowManager::GetClientRect(CWindowRecord const & rec) const {
    LONG const frame = FrameWidth(rec);
    return CRect(0, 0, std::max<LONG>(0, rec.rect.Width() - 2 * frame),
                 std::max<LONG>(0, rec.rect.Height() - 2 * frame));
}

CPoint CWindowManager::ClientOrigin(HWND hwnd) const {
    CPoint origin;
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        LONG const frame = FrameWidth(*rec);
        origin += CSize(rec->rect.left + frame, rec->rect.top + frame);
        if (!(rec->style & WS_CHILD))
            break;
        rec = Find(rec->parent);
    }
    return origin;
}

bool CWindowManager::DrawingArea(HWND hwnd, CSurface *& surface, CPoint & origin, CRect & clip) {
    CWindowRecord * top = Find(GetTopLevel(hwnd));
    CWindowRecord const * rec = Find(hwnd);
    if (!top || !rec)
        return false;
    CSize const size = top->rect.Size();
    if (!top->surface || top->surface->GetSize() != size)
        top->surface = CDevice::GetScreen().CreateSurface(size);
    surface = top->surface.get();
    CPoint const base = ClientOrigin(top->handle);
    CPoint const client = ClientOrigin(hwnd);
    origin = CPoint(client.x - base.x, client.y - base.y);
    clip = GetClientRect(*rec) + CSize(origin.x, origin.y);
    // Nothing outside the client areas of the window's ancestors is drawn on.
    for (CWindowRecord const * up = rec; up && (up->style & WS_CHILD);) {
        up = Find(up->parent);
        if (!up)
            break;
        CPoint const at = ClientOrigin(up->handle);
        clip = clip.Intersect(GetClientRect(*up) + CSize(at.x - base.x, at.y - base.y));
    }
    return surface != nullptr;
}

void CWindowManager::Invalidate(HWND hwnd, CRect const & rect, bool erase) {
    CWindowRecord * rec = Find(hwnd);
    if (!rec)
        return;
    CRect const client = GetClientRect(*rec);
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
        if (CWindowRecord * sub = Find(child))
            if (!sub->rect.Intersect(area).IsEmpty()) {
                CRect local = area - CSize(sub->rect.left, sub->rect.top);
                Invalidate(child, local, erase);
            }
}

bool CWindowManager::PaintPending() {
    bool painted = false;
    std::vector<HWND> const tops = m_topLevels;
    for (HWND top : tops) {
        if (!IsVisible(top))
            continue;
        bool topPainted = false;
        PaintTree(top, topPainted);
        painted = painted || topPainted;
        CDisplay * display = CDisplay::GetCurrent();
        if (CWindowRecord const * rec = Find(top); topPainted && display && rec && rec->surface)
            display->Present(top, *rec->surface);
    }
    return painted;
}

void CWindowManager::PaintFrame(CWindowRecord const & rec) {
    if (FrameWidth(rec) == 0)
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

void CWindowManager::PaintTree(HWND hwnd, bool & painted) {
    CWindowRecord * rec = Find(hwnd);
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
            Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
        }
        Send(hwnd, WM_PAINT, 0, 0);
        // A handler that did not paint is taken as having nothing to paint.
        if (CWindowRecord * after = Find(hwnd))
            after->needsPaint = false;
    }
    if (CWindowRecord * after = Find(hwnd)) {
        std::vector<HWND> const children = after->children;
        for (HWND child : children)
            PaintTree(child, painted);
    }
}

void CWindowManager::SetTimer(HWND hwnd, UINT id, UINT milliseconds) {
    std::uint64_t const due = CClock::GetCurrent().Now() + milliseconds;
    for (Timer & timer : m_timers)
        if (timer.hwnd == hwnd && timer.id == id) {
            timer.interval = milliseconds;
            timer.due = due;
            return;
        }
    m_timers.push_back({hwnd, id, milliseconds, due});
}

bool CWindowManager::KillTimer(HWND hwnd, UINT id) {
    RemoveQueued(hwnd, WM_TIMER, id, false);
    return std::erase_if(m_timers, [&](Timer const & timer) {
               return timer.hwnd == hwnd && timer.id == id;
           }) > 0;
}

void CWindowManager::PostDueTimers() {
    std::uint64_t const now = CClock::GetCurrent().Now();
    for (Timer & timer : m_timers) {
        if (timer.due > now)
            continue;
        timer.due = now + std::max<UINT>(timer.interval, 1);
        bool const queued = std::any_of(m_queue.begin(), m_queue.end(), [&](MSG const & msg) {
            return msg.hwnd == timer.hwnd && msg.message == WM_TIMER && msg.wParam == timer.id;
        });
        if (!queued)
            Post(timer.hwnd, WM_TIMER, timer.id, 0);
    }
}

bool CWindowManager::NextTimerDue(std::uint64_t & due) const {
    if (m_timers.empty())
        return false;
    due = std::min_element(m_timers.begin(), m_timers.end(), [](Timer const & a, Timer const & b) {
              return a.due < b.due;
          })->due;
    return true;
}

int CWindowManager::RunModalLoop(HWND hwnd, int cancelResult) {
    if (!Find(hwnd))
        return cancelResult;
    m_modals.push_back({hwnd, false, cancelResult});
    std::size_t const level = m_modals.size() - 1;
    // The scripted user acts on the window once it has set itself up: what its creation
    // posted (WM_AFX_POSTCREATE) is handled first, as a display would before any input.
    Pump();
    if (m_modalStart)
        m_modalStart(hwnd);
    for (;;) {
        Pump();
        if (m_modals[level].ended || !Find(hwnd))
            break;
        if (!m_wait || !m_wait()) {
            AfxTrace("ERROR: A modal loop had nothing more to wait for and was cancelled\n");
            m_modals[level].result = cancelResult;
            break;
        }
    }
    int const result = m_modals[level].ended ? m_modals[level].result : cancelResult;
    m_modals.resize(level);
    return result;
}

void CWindowManager::EndModalLoop(HWND hwnd, int result) {
    for (auto it = m_modals.rbegin(); it != m_modals.rend(); ++it)
        if (it->hwnd == hwnd && !it->ended) {
            it->ended = true;
            it->result = result;
            return;
        }
}

bool CWindowManager::IsInModalLoop(HWND hwnd) const {
    return std::any_of(m_modals.begin(), m_modals.end(),
                       [hwnd](Modal const & modal) { return modal.hwnd == hwnd && !modal.ended; });
}

HWND CWindowManager::GetModalWindow() const {
    for (auto it = m_modals.rbegin(); it != m_modals.rend(); ++it)
        if (!it->ended && Find(it->hwnd))
            return it->hwnd;
    return nullptr;
}

bool CWindowManager::AcceptsInput(HWND hwnd) const {
    HWND const modal = GetModalWindow();
    if (!modal)
        return true;
    // The modal window, the windows below it and the top-level windows it owns.
    for (HWND top = GetTopLevel(hwnd); top;) {
        if (top == modal)
            return true;
        CWindowRecord const * rec = Find(top);
        top = rec ? GetTopLevel(rec->parent) : nullptr;
    }
    return false;
}
