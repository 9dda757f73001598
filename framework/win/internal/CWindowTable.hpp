#pragma once

#include "CWnd.hpp"
#include "internal/CWindowRecord.hpp"

#include <cstdint>
#include <memory>
#include <vector>

// The handle table: the record of every window, by handle, and the tree they form. A handle
// is a slot index with the slot's generation, so the handle of a destroyed window never
// names a later one. Only answers questions about the tree; it sends nothing.
class CWindowTable {
public:
    // Live windows (also while they are being destroyed); null for a handle that names none.
    CWindowRecord * Find(HWND hwnd) const;
    // The record of a window whose messages are still on the stack, even when it is already
    // destroyed; null once the record is released.
    CWindowRecord * Retained(HWND hwnd) const;
    CWindowRecord & Allocate(CWnd * object);
    // Frees the record's slot and gives the object that was attached to it.
    CWnd * Release(CWindowRecord & rec);
    // Detaches an object from its window's record, so that nothing reaches it afterwards.
    void Detach(HWND hwnd, CWnd const & object);

    // Places a new window among its parent's children or among the top-level windows, and
    // takes it out again.
    void Link(CWindowRecord & rec);
    void Unlink(CWindowRecord const & rec);
    std::vector<HWND> const & GetTopLevels() const { return m_topLevels; }

    bool IsAncestorOrSelf(HWND ancestor, HWND hwnd) const;
    HWND GetTopLevel(HWND hwnd) const;
    HWND NearestDialog(HWND hwnd) const;
    bool IsVisible(HWND hwnd) const;
    CRect GetClientRect(CWindowRecord const & rec) const;
    CPoint ClientOrigin(HWND hwnd) const; // the client area's top-left on the screen
    // The width of the frame that a child window's styles draw around its client area.
    static LONG FrameWidth(CWindowRecord const & rec);

private:
    struct Slot {
        std::uint32_t generation = 1;
        std::unique_ptr<CWindowRecord> record;
    };

    std::vector<Slot> m_slots{1}; // slot 0 is never used, so no handle is null
    std::vector<std::uint32_t> m_freeSlots;
    std::vector<HWND> m_topLevels;
    std::uint64_t m_lastOrder = 0;
};
