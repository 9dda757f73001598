#include "internal/ListScrollBar.hpp"

#include "CDC.hpp"
#include "CStdTools.hpp"
#include "internal/ListPaint.hpp"

#include <algorithm>

ListScrollBar::ListScrollBar(CRect const & bar, int count, int page, int top)
    : m_bar(bar), m_count(std::max(0, count)), m_page(std::max(1, page)),
      m_top(std::clamp(top, 0, std::max(0, count - page))) {}

LONG ListScrollBar::ArrowHeight() const {
    return std::min<LONG>(width, m_bar.Height() / 2);
}

CRect ListScrollBar::Track() const {
    LONG const arrow = ArrowHeight();
    return CRect(m_bar.left, m_bar.top + arrow, m_bar.right, m_bar.bottom - arrow);
}

LONG ListScrollBar::ThumbLength() const {
    LONG const track = Track().Height();
    if (!IsEnabled() || track < minThumb)
        return 0;
    LONG const length = static_cast<LONG>(static_cast<long long>(track) * m_page / m_count);
    return std::clamp(length, minThumb, track);
}

CRect ListScrollBar::GetRect(Part part) const {
    LONG const arrow = ArrowHeight();
    CRect const track = Track();
    LONG const length = ThumbLength();
    LONG thumbTop = track.top;
    if (length > 0) {
        int const most = m_count - m_page;
        thumbTop += static_cast<LONG>(
            (static_cast<long long>(track.Height() - length) * m_top + most / 2) / most);
    }
    switch (part) {
    case partLineUp:
        return CRect(m_bar.left, m_bar.top, m_bar.right, m_bar.top + arrow);
    case partLineDown:
        return CRect(m_bar.left, m_bar.bottom - arrow, m_bar.right, m_bar.bottom);
    case partThumb:
        return length > 0 ? CRect(m_bar.left, thumbTop, m_bar.right, thumbTop + length) : CRect();
    case partPageUp:
        return length > 0 ? CRect(m_bar.left, track.top, m_bar.right, thumbTop) : CRect();
    case partPageDown:
        return length > 0 ? CRect(m_bar.left, thumbTop + length, m_bar.right, track.bottom)
                          : CRect();
    case partNone:
        break;
    }
    return CRect();
}

ListScrollBar::Part ListScrollBar::HitTest(CPoint point) const {
    if (!m_bar.Encloses(point))
        return partNone;
    for (Part part : {partLineUp, partLineDown, partThumb, partPageUp, partPageDown})
        if (GetRect(part).Encloses(point))
            return part;
    return partNone;
}

int ListScrollBar::TopIndexAt(LONG thumbTop) const {
    LONG const length = ThumbLength();
    CRect const track = Track();
    LONG const room = track.Height() - length;
    if (length == 0 || room <= 0)
        return m_top;
    int const most = m_count - m_page;
    LONG const offset = std::clamp<LONG>(thumbTop - track.top, 0, room);
    return static_cast<int>((static_cast<long long>(offset) * most + room / 2) / room);
}

void ListScrollBar::Paint(CDC & dc, bool enabled, Part pressed) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    bool const active = enabled && IsEnabled();
    dc.FillRect(m_bar, tools.GetBrush(CStdTools::color3DLight));
    if (active && (pressed == partPageUp || pressed == partPageDown))
        dc.FillRect(GetRect(pressed), tools.GetBrush(CStdTools::color3DShadow));
    for (Part arrow : {partLineUp, partLineDown}) {
        CRect const box = GetRect(arrow);
        bool const down = active && pressed == arrow;
        ListPaint::DrawButtonFace(dc, box, down);
        CRect const glyph = down ? box + CSize(1, 1) : box;
        ListPaint::DrawArrow(dc, glyph, arrow == partLineUp, active);
    }
    if (active)
        ListPaint::DrawButtonFace(dc, GetRect(partThumb), false);
}
