#include "internal/CWindowTable.hpp"

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

} // namespace

CWindowRecord * CWindowTable::Find(HWND hwnd) const {
    CWindowRecord * rec = Retained(hwnd);
    return rec && !rec->destroyed ? rec : nullptr;
}

CWindowRecord * CWindowTable::Retained(HWND hwnd) const {
    std::uint32_t const index = IndexOf(hwnd);
    if (index == 0 || index >= m_slots.size())
        return nullptr;
    Slot const & slot = m_slots[index];
    return slot.generation == GenerationOf(hwnd) ? slot.record.get() : nullptr;
}

CWindowRecord & CWindowTable::Allocate(CWnd * object) {
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

CWnd * CWindowTable::Release(CWindowRecord & rec) {
    std::uint32_t const index = IndexOf(rec.handle);
    CWnd * object = rec.object;
    Slot & slot = m_slots[index];
    slot.record.reset();
    ++slot.generation;
    m_freeSlots.push_back(index);
    return object;
}

void CWindowTable::Detach(HWND hwnd, CWnd const & object) {
    if (CWindowRecord * rec = Find(hwnd))
        rec->object = nullptr;
    else if (CWindowRecord * held = Retained(hwnd); held && held->object == &object)
        held->object = nullptr;
}

void CWindowTable::Link(CWindowRecord & rec) {
    rec.order = ++m_lastOrder;
    if (rec.style & WS_CHILD)
        Find(rec.parent)->children.push_back(rec.handle);
    else
        m_topLevels.push_back(rec.handle);
}

void CWindowTable::Unlink(CWindowRecord const & rec) {
    if (!(rec.style & WS_CHILD))
        std::erase(m_topLevels, rec.handle);
    else if (CWindowRecord * parent = Find(rec.parent))
        std::erase(parent->children, rec.handle);
}

bool CWindowTable::IsAncestorOrSelf(HWND ancestor, HWND hwnd) const {
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        if (rec->handle == ancestor)
            return true;
        if (!(rec->style & WS_CHILD))
            return false;
        rec = Find(rec->parent);
    }
    return false;
}

HWND CWindowTable::GetTopLevel(HWND hwnd) const {
    CWindowRecord const * rec = Find(hwnd);
    while (rec && (rec->style & WS_CHILD))
        rec = Find(rec->parent);
    return rec ? rec->handle : nullptr;
}

HWND CWindowTable::NearestDialog(HWND hwnd) const {
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        if (rec->dialogStyle)
            return rec->handle;
        if (!(rec->style & WS_CHILD))
            return nullptr;
        rec = Find(rec->parent);
    }
    return nullptr;
}

bool CWindowTable::IsVisible(HWND hwnd) const {
    for (CWindowRecord const * rec = Find(hwnd); rec;) {
        if (!(rec->style & WS_VISIBLE))
            return false;
        if (!(rec->style & WS_CHILD))
            return true;
        rec = Find(rec->parent);
    }
    return false;
}

LONG CWindowTable::FrameWidth(CWindowRecord const & rec) {
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

CRect CWindowTable::GetClientRect(CWindowRecord const & rec) const {
    LONG const frame = FrameWidth(rec);
    return CRect(0, 0, std::max<LONG>(0, rec.rect.Width() - 2 * frame),
                 std::max<LONG>(0, rec.rect.Height() - 2 * frame));
}

CPoint CWindowTable::ClientOrigin(HWND hwnd) const {
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
