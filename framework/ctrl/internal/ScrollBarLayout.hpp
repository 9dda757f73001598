#pragma once

#include "AfxTypes.hpp"
#include "CRect.hpp"

// The range, page size and position of a scroll bar, kept consistent: the maximum is never
// below the minimum, the page never larger than the range, the position never outside
// Min() to Limit().
class ScrollRange {
public:
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    UINT Page() const { return m_page; }
    int Pos() const { return m_pos; }
    // The largest position: the maximum, or maximum - page + 1 with a page.
    int Limit() const;
    int Clamp(long long value) const;
    // True when there is more than one position to scroll to.
    bool CanScroll() const { return Limit() > m_min; }

    void SetRange(int minPos, int maxPos);
    void SetPage(UINT page);
    void SetPos(int pos) { m_pos = Clamp(pos); }

    // The number of positions from the minimum to the maximum.
    long long Span() const { return static_cast<long long>(m_max) - m_min + 1; }

private:
    int m_min = 0;
    int m_max = 0;
    UINT m_page = 0;
    int m_pos = 0;
};

// Where the parts of a scroll bar lie in its client area when its thumb shows a given
// position: the two arrow buttons (square, or half the length each on a short bar), the
// trough between them, and the thumb in the trough with a page area on either side. The
// thumb's length follows the page size (a square without one); there is no thumb on a
// disabled bar, on one with nothing to scroll, or in a trough too short to hold it.
class ScrollBarLayout {
public:
    enum Part { partNone, partLineUp, partPageUp, partThumb, partPageDown, partLineDown };

    // The shortest thumb drawn for a page size, in pixels.
    static constexpr int minThumb = 8;

    ScrollBarLayout(CRect const & client, bool vertical, ScrollRange const & range, int shown,
                    bool enabled);

    CRect GetRect(Part part) const;
    CRect GetTrough() const;
    bool HasThumb() const { return m_thumbLength > 0; }
    int GetArrowLength() const { return m_arrow; }
    // The thumb's ends along the bar; 0 and 0 without a thumb.
    int GetThumbStart() const { return HasThumb() ? m_thumbStart : 0; }
    int GetThumbEnd() const { return HasThumb() ? m_thumbStart + m_thumbLength : 0; }

    Part HitTest(CPoint point) const;
    // A point's coordinate along the bar.
    int Along(CPoint point) const { return m_vertical ? point.y : point.x; }
    // The position a thumb that starts at `start` along the bar stands for.
    int PositionAt(int start) const;

private:
    // The rectangle across the whole bar from one coordinate along it to another.
    CRect Span(int from, int to) const;

    CRect m_client;
    bool m_vertical;
    ScrollRange m_range;
    int m_length;
    int m_arrow;
    int m_thumbLength = 0;
    int m_thumbStart = 0;
};
