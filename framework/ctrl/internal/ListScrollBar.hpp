#pragma once

#include "CRect.hpp"

class CDC;

// The vertical scroll bar that a list box draws inside its own client area: the geometry
// of its parts for a list of `count` entries showing `page` rows from `top`, hit testing
// and drawing. Window-free; the list box keeps the press state.
class ListScrollBar {
public:
    // The bar's width, and the shortest thumb.
    static constexpr LONG width = 16;
    static constexpr LONG minThumb = 8;

    enum Part { partNone, partLineUp, partLineDown, partPageUp, partPageDown, partThumb };

    ListScrollBar(CRect const & bar, int count, int page, int top);

    // Something to scroll: more entries than rows.
    bool IsEnabled() const { return m_count > m_page; }
    CRect GetRect(Part part) const;
    // The part under a point (partNone outside the bar, and on the track of a disabled bar).
    Part HitTest(CPoint point) const;
    // The top entry for the thumb's top edge at a y coordinate, as when dragging it.
    int TopIndexAt(LONG thumbTop) const;

    // Draws the bar; `pressed` is the part held down, shown pushed.
    void Paint(CDC & dc, bool enabled, Part pressed) const;

private:
    LONG ArrowHeight() const;
    CRect Track() const;
    // The thumb's length and the room it moves in; no thumb (length 0) when the track is
    // too short or nothing can scroll.
    LONG ThumbLength() const;

    CRect m_bar;
    int m_count;
    int m_page;
    int m_top;
};
