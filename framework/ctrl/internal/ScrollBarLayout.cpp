#include "internal/ScrollBarLayout.hpp"

#include <algorithm>

namespace {

// a * b / c rounded to the nearest whole number, for non-negative a and b and positive c.
long long MulDivRound(long long a, long long b, long long c) {
    return (a * b * 2 + c) / (c * 2);
}

} // namespace

int ScrollRange::Limit() const {
    if (m_page == 0)
        return m_max;
    return static_cast<int>(std::max<long long>(m_min, static_cast<long long>(m_max) - m_page + 1));
}

int ScrollRange::Clamp(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, m_min, Limit()));
}

void ScrollRange::SetRange(int minPos, int maxPos) {
    m_min = minPos;
    m_max = std::max(minPos, maxPos);
    SetPage(m_page);
}

void ScrollRange::SetPage(UINT page) {
    m_page = static_cast<UINT>(std::min<long long>(page, Span()));
    m_pos = Clamp(m_pos);
}

ScrollBarLayout::ScrollBarLayout(CRect const & client, bool vertical, ScrollRange const & range,
                                 int shown, bool enabled)
    : m_client(client), m_vertical(vertical), m_range(range) {
    m_length = vertical ? client.Height() : client.Width();
    int const thickness = vertical ? client.Width() : client.Height();
    m_arrow = std::max(0, std::min(thickness, m_length / 2));
    int const trough = m_length - 2 * m_arrow;
    if (!enabled || !range.CanScroll() || trough <= 0)
        return;
    long long length = thickness;
    if (range.Page() > 0)
        length = std::max<long long>(minThumb, MulDivRound(trough, range.Page(), range.Span()));
    if (length > trough)
        return;
    m_thumbLength = static_cast<int>(length);
    long long const free = trough - m_thumbLength;
    long long const steps = static_cast<long long>(range.Limit()) - range.Min();
    long long const offset = static_cast<long long>(range.Clamp(shown)) - range.Min();
    m_thumbStart = m_arrow + static_cast<int>(MulDivRound(offset, free, steps));
}

CRect ScrollBarLayout::Span(int from, int to) const {
    if (m_vertical)
        return CRect(m_client.left, m_client.top + from, m_client.right, m_client.top + to);
    return CRect(m_client.left + from, m_client.top, m_client.left + to, m_client.bottom);
}

CRect ScrollBarLayout::GetTrough() const {
    return Span(m_arrow, m_length - m_arrow);
}

CRect ScrollBarLayout::GetRect(Part part) const {
    switch (part) {
    case partLineUp:
        return Span(0, m_arrow);
    case partLineDown:
        return Span(m_length - m_arrow, m_length);
    case partPageUp:
        return HasThumb() ? Span(m_arrow, m_thumbStart) : CRect();
    case partThumb:
        return HasThumb() ? Span(m_thumbStart, m_thumbStart + m_thumbLength) : CRect();
    case partPageDown:
        return HasThumb() ? Span(m_thumbStart + m_thumbLength, m_length - m_arrow) : CRect();
    default:
        return CRect();
    }
}

ScrollBarLayout::Part ScrollBarLayout::HitTest(CPoint point) const {
    for (Part part : {partLineUp, partPageUp, partThumb, partPageDown, partLineDown})
        if (GetRect(part).Encloses(point))
            return part;
    return partNone;
}

int ScrollBarLayout::PositionAt(int start) const {
    if (!HasThumb())
        return m_range.Pos();
    int const trough = m_length - 2 * m_arrow;
    long long const free = trough - m_thumbLength;
    if (free <= 0)
        return m_range.Min();
    long long const offset = std::clamp<long long>(start - m_arrow, 0, free);
    long long const steps = static_cast<long long>(m_range.Limit()) - m_range.Min();
    return m_range.Clamp(m_range.Min() + MulDivRound(offset, steps, free));
}
