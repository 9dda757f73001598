#include "internal/ToolTipPaint.hpp"

#include "CDC.hpp"
#include "CStdTools.hpp"
#include "ToolTipMessages.hpp"

#include <algorithm>

namespace ToolTipPaint {

namespace {

// Every tip has a frame of one pixel and room around its text; a balloon has more room,
// round corners and a stem above or below.
constexpr LONG frame = 1;
constexpr CSize plainPadding(4, 2);
constexpr CSize balloonPadding(8, 6);
constexpr LONG cornerRadius = 6;
constexpr LONG stemHeight = 14;
constexpr LONG stemBase = 14;
// A balloon is wide enough for its stem to stand clear of the far corner.
constexpr LONG balloonMinWidth = stemInset + stemBase + cornerRadius + 4;
// The title: its icon, the gap after the icon, and the gap between title and text.
constexpr LONG iconSize = 16;
constexpr LONG iconGap = 6;
constexpr LONG titleGap = 4;

struct Point {
    double x;
    double y;
};

double Cross(Point a, Point b, Point p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

bool InTriangle(Point p, Point a, Point b, Point c) {
    double const d1 = Cross(a, b, p);
    double const d2 = Cross(b, c, p);
    double const d3 = Cross(c, a, p);
    bool const negative = d1 < 0 || d2 < 0 || d3 < 0;
    bool const positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

// True when a point lies in a rectangle with corners rounded by a radius.
bool InRoundRect(Point p, CRect const & rect, double radius) {
    if (p.x < rect.left || p.x >= rect.right || p.y < rect.top || p.y >= rect.bottom)
        return false;
    double const cx = std::clamp(p.x, rect.left + radius, rect.right - radius);
    double const cy = std::clamp(p.y, rect.top + radius, rect.bottom - radius);
    return (p.x - cx) * (p.x - cx) + (p.y - cy) * (p.y - cy) <= radius * radius;
}

// Fills the pixels of an area run by run, each run with the brush of its pixels' class; a
// null brush leaves its class's pixels alone. The device context has no shapes of its own.
template <class Classify, std::size_t N>
void PaintRuns(CDC & dc, CRect const & area, Classify classify,
               CBrush const * const (&brushes)[N]) {
    for (LONG y = area.top; y < area.bottom; ++y) {
        LONG x = area.left;
        while (x < area.right) {
            std::size_t const kind = classify(x, y);
            LONG end = x + 1;
            while (end < area.right && classify(end, y) == kind)
                ++end;
            if (brushes[kind])
                dc.FillRect(CRect(x, y, end, y + 1), *brushes[kind]);
            x = end;
        }
    }
}

// The outline of a balloon in a client area: the body and the stem whose tip touches the
// edge at stemInset from the near side. Points are tested at pixel centres.
class BalloonShape {
public:
    BalloonShape(ToolTipLook const & look, CSize client, CRect const & body)
        : m_look(look), m_client(client), m_body(body) {}

    bool Contains(LONG x, LONG y) const {
        if (x < 0 || y < 0 || x >= m_client.cx || y >= m_client.cy)
            return false;
        Point const p{x + 0.5, y + 0.5};
        if (InRoundRect(p, m_body, cornerRadius))
            return true;
        // The stem, seen as if the balloon hung below and to the right of its point; its
        // tip covers the pixel of the point.
        Point const q{m_look.right ? p.x : m_client.cx - p.x,
                      m_look.below ? p.y : m_client.cy - p.y};
        double const base = stemHeight + 1.0;
        return InTriangle(q, {stemInset, -1}, {stemInset, base}, {stemInset + stemBase, base});
    }

    // 0 outside, 1 on the frame, 2 inside.
    std::size_t Classify(LONG x, LONG y) const {
        if (!Contains(x, y))
            return 0;
        bool const edge = !Contains(x - 1, y) || !Contains(x + 1, y) || !Contains(x, y - 1) ||
                          !Contains(x, y + 1);
        return edge ? 1 : 2;
    }

private:
    ToolTipLook const & m_look;
    CSize m_client;
    CRect m_body;
};

CSize TitleSize(CDC & dc, ToolTipLook const & look) {
    if (look.title.empty())
        return CSize();
    dc.Select(*look.titleFont);
    CSize const text = dc.GetTextExtent(look.title.c_str());
    dc.Deselect();
    bool const icon = look.icon != TTI_NONE;
    return CSize((icon ? iconSize + iconGap : 0) + text.cx, std::max(text.cy, icon ? iconSize : 0));
}

LONG WidestWord(CDC & dc, std::string const & text) {
    LONG widest = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" \t\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            widest = std::max(widest, dc.GetTextExtent(text.substr(start, end - start).c_str()).cx);
        start = end + 1;
    }
    return widest;
}

// The text's box: a line per "\n", and when the text is wider than the largest width,
// wrapped into as few lines as that width allows but no wider than those lines need.
CSize TextSize(CDC & dc, ToolTipLook const & look) {
    if (look.text.empty())
        return CSize();
    dc.Select(*look.font);
    char const * const text = look.text.c_str();
    CRect box;
    dc.DrawText(text, box, DT_NOPREFIX | DT_CALCRECT);
    if (look.maxWidth >= 0 && box.Width() > look.maxWidth) {
        auto height = [&](LONG width) {
            CRect wrapped(0, 0, width, 0);
            return dc.DrawText(text, wrapped, DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
        };
        int const lines = height(std::max(look.maxWidth, 1));
        LONG low = 1;
        LONG high = std::max(look.maxWidth, 1);
        while (low < high) {
            LONG const middle = (low + high) / 2;
            if (height(middle) <= lines)
                high = middle;
            else
                low = middle + 1;
        }
        // A word wider than the lines stands on its own and keeps its width.
        LONG const width = std::max(low, WidestWord(dc, look.text));
        box = CRect(0, 0, width, height(width));
    }
    dc.Deselect();
    return box.Size();
}

CSize Padding(ToolTipLook const & look) {
    return look.balloon ? balloonPadding : plainPadding;
}

void PaintIcon(CDC & dc, ToolTipLook const & look, CRect const & box) {
    CStdTools const & tools = *CStdTools::FindInstance();
    bool triangle = false;
    CColor back = tools.GetColor(CStdTools::colorHighlight);
    CColor mark = CColor::white;
    char const * sign = "i";
    if (look.icon == TTI_WARNING) {
        triangle = true;
        back = CColor(240, 180, 0);
        mark = CColor::black;
        sign = "!";
    } else if (look.icon == TTI_ERROR) {
        back = CColor(210, 40, 40);
        sign = "x";
    }
    double const half = box.Width() / 2.0;
    Point const centre{box.left + half, box.top + half};
    auto inside = [&](LONG x, LONG y) -> std::size_t {
        Point const p{x + 0.5, y + 0.5};
        if (triangle)
            return InTriangle(p, {centre.x, double(box.top)},
                              {double(box.left), double(box.bottom)},
                              {double(box.right), double(box.bottom)});
        return (p.x - centre.x) * (p.x - centre.x) + (p.y - centre.y) * (p.y - centre.y) <=
               half * half;
    };
    CBrush const fill(back);
    CBrush const * const brushes[] = {nullptr, &fill};
    PaintRuns(dc, box, inside, brushes);
    dc.Select(*look.titleFont);
    dc.SetTextColor(mark);
    // The sign sits low in a triangle, where it is widest.
    CRect place = triangle ? box + CSize(0, 2) : box;
    dc.DrawText(sign, place, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.Deselect();
}

} // namespace

CSize Measure(CDC & dc, ToolTipLook const & look) {
    CSize const title = TitleSize(dc, look);
    CSize const text = TextSize(dc, look);
    LONG const gap = title.cy > 0 && text.cy > 0 ? titleGap : 0;
    CSize const padding = Padding(look);
    CSize size(std::max(title.cx, text.cx) + 2 * (frame + padding.cx),
               title.cy + gap + text.cy + 2 * (frame + padding.cy));
    if (look.balloon) {
        size.cx = std::max(size.cx, balloonMinWidth);
        size.cy += stemHeight;
    }
    return size;
}

void Paint(CDC & dc, ToolTipLook const & look, CSize client) {
    CStdTools const & tools = *CStdTools::FindInstance();
    CBrush const back(look.back);
    CBrush const ink(look.ink);
    CRect body(CPoint(), client);
    if (look.balloon) {
        if (look.below)
            body.top += stemHeight;
        else
            body.bottom -= stemHeight;
        BalloonShape const shape(look, client, body);
        CBrush const * const brushes[] = {&tools.GetBrush(CStdTools::colorFace), &ink, &back};
        PaintRuns(
            dc, CRect(CPoint(), client), [&](LONG x, LONG y) { return shape.Classify(x, y); },
            brushes);
    } else {
        dc.FillRect(body, back);
        dc.FrameRect(body, ink);
    }
    CSize const padding = Padding(look);
    CRect content = body - CRect(frame + padding.cx, frame + padding.cy, frame + padding.cx,
                                 frame + padding.cy);
    dc.SetBkMode(TRANSPARENT);
    if (!look.title.empty()) {
        LONG const height = TitleSize(dc, look).cy;
        LONG left = content.left;
        if (look.icon != TTI_NONE) {
            LONG const top = content.top + (height - iconSize) / 2;
            PaintIcon(dc, look, CRect(left, top, left + iconSize, top + iconSize));
            left += iconSize + iconGap;
        }
        dc.Select(*look.titleFont);
        dc.SetTextColor(look.ink);
        CRect title(left, content.top, content.right, content.top + height);
        dc.DrawText(look.title.c_str(), title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        dc.Deselect();
        content.top += height + titleGap;
    }
    dc.Select(*look.font);
    dc.SetTextColor(look.ink);
    dc.DrawText(look.text.c_str(), content, DT_NOPREFIX | (look.maxWidth >= 0 ? DT_WORDBREAK : 0));
    dc.Deselect();
}

} // namespace ToolTipPaint
