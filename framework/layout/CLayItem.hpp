#pragma once

#include "CDC.hpp"
#include "CObject.hpp"
#include "CRect.hpp"
#include "vantorlayout_export.h"

// A rectangle of a page layout, with a minimum and a maximum size in pixels.
//
// Layout runs in two passes over a tree of items:
//   Prepare(dc)   every item measures itself (OnPrepare sets m_minSize and m_maxSize);
//   SetRect(rect) every item is handed its rectangle (OnSetRect passes it on).
//
// An item never takes more than its maximum: it keeps the part of the rectangle it is given
// that its maximum size covers, at the rectangle's top-left. A maximum below the minimum in a
// dimension (0, say) means "stays at its minimum" there. Sizes are signed pixels.
//
// A bare CLayItem holds no content: a blank spacer of a fixed size.
class VANTORLAYOUT_EXPORT CLayItem : public CObject {
    AFX_DECLARE_CLASS(CLayItem)
public:
    // A maximum for items that may grow without limit. Large, yet sums of many of them stay
    // far from overflowing (formations also cap their sums at this value).
    static constexpr LONG maxUnlimited = 0x3FFFFFF;

    // A blank of size 0: takes no room.
    CLayItem();
    // A blank `size` pixels wide and high, both minimum and maximum (CLayItem(1) is a 1x1
    // spacer). A negative size counts as 0.
    explicit CLayItem(int size);
    ~CLayItem() override;

    // Measures the item (and, in formations, every item below it first). Can be called again
    // whenever what the sizes depend on has changed.
    void Prepare(CDC & dc);
    // Places the item in `rect`. Throws CUserException when `rect` is narrower or lower than
    // the minimum size; otherwise keeps `rect` cut to the maximum size at its top-left.
    void SetRect(CRect const & rect);

    CSize GetMinSize() const { return m_minSize; }
    // The maximum size, never below the minimum in either dimension.
    CSize GetMaxSize() const;
    // The rectangle kept by the last SetRect; empty before the first.
    CRect GetRect() const { return m_rect; }

protected:
    // Sets m_minSize and m_maxSize. A blank keeps the sizes it was made with.
    virtual void OnPrepare(CDC & dc);
    // Called by SetRect with the rectangle the item keeps.
    virtual void OnSetRect(CRect const & rect);
    // The part of a rectangle (already known to hold the minimum size) that the item keeps:
    // by default the rectangle cut to GetMaxSize() at its top-left.
    virtual CRect OnClampRect(CRect const & rect) const;

    CSize m_minSize;
    CSize m_maxSize;

private:
    CRect m_rect;
};
