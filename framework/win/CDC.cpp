#include "CDC.hpp"

#include "CBitmap.hpp"
#include "CStdTools.hpp"
#include "CSurface.hpp"
#include "EndEllipsis.hpp"
#include "Utf8.hpp"

#include <cstring>
#include <string>
#include <utility>

namespace {

constexpr std::size_t noMark = std::string::npos;

// A line as shown: "&&" becomes "&", a single "&" goes and marks the next character for
// underlining (the first such character only).
struct Shown {
    std::string text;
    std::size_t mark = noMark;
};

Shown StripPrefixes(std::string_view raw, bool prefixes) {
    Shown shown;
    if (!prefixes) {
        shown.text = raw;
        return shown;
    }
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            shown.text += raw[i];
        } else if (i + 1 < raw.size() && raw[i + 1] == '&') {
            shown.text += '&';
            ++i;
        } else if (i + 1 < raw.size() && shown.mark == noMark) {
            shown.mark = shown.text.size();
        }
    }
    return shown;
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

} // namespace

CDC::CDC(CDevice & device) : m_device(device) {}

CDC::CDC(CDevice & device, CSurface * surface, CPoint origin, CRect clip)
    : m_device(device), m_surface(surface), m_origin(origin), m_clip(clip) {}

CSurface * CDC::GetSurface() const {
    if (CBitmap * bitmap = GetBitmap())
        return bitmap->GetSurface();
    return m_surface;
}

CPoint CDC::GetOrigin() const {
    return GetBitmap() ? CPoint() : m_origin;
}

CRect CDC::GetClip() const {
    if (CBitmap * bitmap = GetBitmap())
        return {CPoint(), bitmap->GetSize()};
    return m_clip;
}

void CDC::Select(CFont const & font) {
    m_selections.push_back({&font, nullptr});
}

BOOL CDC::SelectBitmap(CBitmap & bitmap) {
    if (bitmap.IsEmpty())
        return FALSE;
    m_selections.push_back({nullptr, &bitmap});
    return TRUE;
}

void CDC::Deselect() {
    if (!m_selections.empty())
        m_selections.pop_back();
}

CFont const & CDC::GetFont() const {
    for (auto it = m_selections.rbegin(); it != m_selections.rend(); ++it)
        if (it->font)
            return *it->font;
    return CStdTools::FindInstance()->GetStdFont();
}

CBitmap * CDC::GetBitmap() const {
    for (auto it = m_selections.rbegin(); it != m_selections.rend(); ++it)
        if (it->bitmap)
            return it->bitmap;
    return nullptr;
}

CSize CDC::GetTextExtent(char const * text) const {
    return GetTextExtent(text, text ? static_cast<UINT>(std::strlen(text)) : 0);
}

CSize CDC::GetTextExtent(char const * text, UINT length) const {
    return m_device.GetTextExtent(GetFont(), std::string_view(text ? text : "", text ? length : 0));
}

CColor CDC::SetTextColor(CColor color) {
    CColor const old = m_textColor;
    m_textColor = color;
    return old;
}

CColor CDC::SetBkColor(CColor color) {
    CColor const old = m_bkColor;
    m_bkColor = color;
    return old;
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    int const old = m_bkMode;
    m_bkMode = mode;
    return old;
}

CRect CDC::ToSurface(CRect const & rect) const {
    CPoint const origin = GetOrigin();
    return rect + CSize(origin.x, origin.y);
}

CRect CDC::SurfaceClip() const {
    CSurface const * surface = GetSurface();
    return surface ? GetClip().Intersect(surface->GetBounds()) : CRect();
}

LONG CDC::LineHeight(UINT flags) const {
    LONG height = GetTextExtent("").cy;
    if (flags & DT_EXTERNALLEADING)
        height += m_device.GetExternalLeading(GetFont());
    return height;
}

void CDC::DrawLine(LONG x, LONG y, std::string_view text, std::size_t mark, CRect const & clip) {
    CSurface * surface = GetSurface();
    if (!surface || clip.IsEmpty())
        return;
    CFont const & font = GetFont();
    CSize const extent = m_device.GetTextExtent(font, text);
    CRect const box = ToSurface({CPoint(x, y), extent});
    if (m_bkMode == OPAQUE)
        surface->FillRect(box, CBrush(m_bkColor), clip);
    surface->DrawText(font, m_textColor, box.TopLeft(), text, clip);
    if (mark < text.size()) {
        std::size_t const length = Utf8::SequenceLength(text[mark]);
        LONG const left = m_device.GetTextExtent(font, text.substr(0, mark)).cx;
        LONG const width = m_device.GetTextExtent(font, text.substr(mark, length)).cx;
        LONG const row = extent.cy - std::max<LONG>(1, extent.cy / 6);
        surface->FillRect(
            {box.left + left, box.top + row, box.left + left + width, box.top + row + 1},
            CBrush(m_textColor), clip);
    }
}

BOOL CDC::TextOut(int x, int y, char const * text) {
    if (!text)
        return FALSE;
    DrawLine(x, y, text, noMark, SurfaceClip());
    return TRUE;
}

int CDC::DrawText(char const * text, CRect & rect, UINT flags) {
    std::string_view const all(text ? text : "");
    bool const prefixes = !(flags & DT_NOPREFIX);
    LONG const width = rect.Width();
    auto measure = [&](std::string_view raw) {
        return GetTextExtent(StripPrefixes(raw, prefixes).text.c_str()).cx;
    };

    // Break the text into lines (as written, prefixes still in).
    std::vector<std::string_view> lines;
    if (all.empty()) {
        // no lines
    } else if (flags & DT_SINGLELINE) {
        lines.push_back(all);
    } else {
        std::size_t start = 0;
        while (start <= all.size()) {
            std::size_t end = all.find('\n', start);
            if (end == std::string_view::npos)
                end = all.size();
            std::string_view paragraph = all.substr(start, end - start);
            if (!paragraph.empty() && paragraph.back() == '\r')
                paragraph.remove_suffix(1);
            if (!(flags & DT_WORDBREAK)) {
                lines.push_back(paragraph);
            } else {
                // Greedy: a word joins the line while the line still fits; blanks where
                // the line breaks are dropped.
                std::size_t lineStart = 0;
                std::size_t lineEnd = 0;
                bool hasWord = false;
                std::size_t i = 0;
                while (i < paragraph.size()) {
                    while (i < paragraph.size() && IsBlank(paragraph[i]))
                        ++i;
                    if (i == paragraph.size())
                        break;
                    std::size_t const wordStart = i;
                    while (i < paragraph.size() && !IsBlank(paragraph[i]))
                        ++i;
                    if (!hasWord || measure(paragraph.substr(lineStart, i - lineStart)) <= width) {
                        lineEnd = i;
                    } else {
                        lines.push_back(paragraph.substr(lineStart, lineEnd - lineStart));
                        lineStart = wordStart;
                        lineEnd = i;
                    }
                    hasWord = true;
                }
                lines.push_back(paragraph.substr(lineStart, lineEnd - lineStart));
            }
            if (end == all.size())
                break;
            start = end + 1;
        }
    }

    LONG const lineHeight = LineHeight(flags);
    LONG const height = static_cast<LONG>(lines.size()) * lineHeight;

    if (flags & DT_CALCRECT) {
        if ((flags & DT_SINGLELINE) || !(flags & DT_WORDBREAK)) {
            LONG widest = 0;
            for (std::string_view line : lines)
                widest = std::max(widest, measure(line));
            rect.right = rect.left + widest;
        }
        rect.bottom = rect.top + height;
        return height;
    }

    LONG top = rect.top;
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        top = rect.top + (rect.Height() - height) / 2;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        top = rect.bottom - height;

    CRect clip = SurfaceClip();
    if (!(flags & DT_NOCLIP))
        clip = clip.Intersect(ToSurface(rect));

    for (std::string_view line : lines) {
        Shown shown = StripPrefixes(line, prefixes);
        if ((flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) &&
            GetTextExtent(shown.text.c_str()).cx > width) {
            shown.text = EndEllipsis(shown.text, width, [this](std::string_view part) {
                return GetTextExtent(part.data(), static_cast<UINT>(part.size())).cx;
            });
            if (shown.mark >= shown.text.size() - 3)
                shown.mark = noMark;
        }
        LONG const lineWidth = GetTextExtent(shown.text.c_str()).cx;
        LONG left = rect.left;
        if (flags & DT_CENTER)
            left = rect.left + (width - lineWidth) / 2;
        else if (flags & DT_RIGHT)
            left = rect.right - lineWidth;
        DrawLine(left, top, shown.text, shown.mark, clip);
        top += lineHeight;
    }
    return height;
}

void CDC::FillRect(CRect const & rect, CBrush const & brush) {
    if (CSurface * surface = GetSurface())
        surface->FillRect(ToSurface(rect), brush, SurfaceClip());
}

void CDC::FrameRect(CRect const & rect, CBrush const & brush) {
    if (rect.IsEmpty())
        return;
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, brush);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, brush);
    FillRect({rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, brush);
    FillRect({rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1}, brush);
}

BOOL CDC::DrawEdge(CRect & rect, UINT edge, UINT flags) {
    CStdTools const & tools = *CStdTools::FindInstance();
    auto color = [&](CStdTools::Role role) { return CBrush(tools.GetColor(role)); };

    struct Border {
        bool present;
        CStdTools::Role topLeft;
        CStdTools::Role bottomRight;
    };
    Border outer{true, CStdTools::color3DLight, CStdTools::color3DDarkShadow};
    if (edge & BDR_SUNKENOUTER)
        outer = {true, CStdTools::color3DShadow, CStdTools::color3DHighlight};
    else if (!(edge & BDR_RAISEDOUTER))
        outer.present = false;
    Border inner{true, CStdTools::color3DHighlight, CStdTools::color3DShadow};
    if (edge & BDR_SUNKENINNER)
        inner = {true, CStdTools::color3DDarkShadow, CStdTools::color3DLight};
    else if (!(edge & BDR_RAISEDINNER))
        inner.present = false;
    if ((flags & BF_SOFT) && outer.present && inner.present)
        std::swap(outer.topLeft, inner.topLeft);

    CRect r = rect;
    for (Border const & border : {outer, inner}) {
        if (!border.present || r.IsEmpty())
            continue;
        CBrush const light = color(border.topLeft);
        CBrush const dark = color(border.bottomRight);
        if (flags & BF_LEFT)
            FillRect({r.left, r.top, r.left + 1, r.bottom}, light);
        if (flags & BF_TOP)
            FillRect({r.left, r.top, r.right, r.top + 1}, light);
        if (flags & BF_RIGHT)
            FillRect({r.right - 1, r.top, r.right, r.bottom}, dark);
        if (flags & BF_BOTTOM)
            FillRect({r.left, r.bottom - 1, r.right, r.bottom}, dark);
        r = r - CRect((flags & BF_LEFT) ? 1 : 0, (flags & BF_TOP) ? 1 : 0,
                      (flags & BF_RIGHT) ? 1 : 0, (flags & BF_BOTTOM) ? 1 : 0);
    }
    if ((flags & BF_MIDDLE) && !r.IsEmpty())
        FillRect(r, tools.GetBrush(CStdTools::colorFace));
    if (flags & BF_ADJUST)
        rect = r;
    return TRUE;
}

void CDC::DrawFocusRect(CRect const & rect) {
    if (rect.IsEmpty())
        return;
    CBrush const dot(CStdTools::FindInstance()->GetColor(CStdTools::colorText));
    CPoint const origin = GetOrigin();
    auto plot = [&](LONG x, LONG y) {
        if (((x + origin.x + y + origin.y) & 1) == 0)
            FillRect({x, y, x + 1, y + 1}, dot);
    };
    for (LONG x = rect.left; x < rect.right; ++x) {
        plot(x, rect.top);
        if (rect.bottom - 1 > rect.top)
            plot(x, rect.bottom - 1);
    }
    for (LONG y = rect.top + 1; y < rect.bottom - 1; ++y) {
        plot(rect.left, y);
        if (rect.right - 1 > rect.left)
            plot(rect.right - 1, y);
    }
}

BOOL CDC::BitBlt(int x, int y, int cx, int cy, CDC & source, int sx, int sy, DWORD rop) {
    if (rop != SRCCOPY)
        return FALSE;
    CSurface * surface = GetSurface();
    if (!surface || cx <= 0 || cy <= 0)
        return TRUE;
    CPoint const to = ToSurface({x, y, x, y}).TopLeft();
    CRect const clip = SurfaceClip().Intersect({to, CSize(cx, cy)});
    CBitmap const * bitmap = source.GetBitmap();
    if (bitmap && bitmap->IsMonochrome()) {
        surface->CopyMono(to, bitmap->GetBits(), {CPoint(sx, sy), CSize(cx, cy)}, m_textColor,
                          m_bkColor, clip);
    } else if (CSurface const * from = source.GetSurface()) {
        surface->Copy(to, *from, source.ToSurface({CPoint(sx, sy), CSize(cx, cy)}), clip);
    }
    return TRUE;
}
