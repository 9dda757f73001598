#include "CRecordingSurface.hpp"

void CRecordingSurface::FillRect(CRect const & rect, CBrush const & brush, CRect const & clip) {
    CRect const area = rect.Intersect(clip).Intersect(GetBounds());
    if (!area.IsEmpty())
        fills.push_back({area, brush.GetColorA()});
}

void CRecordingSurface::DrawText(CFont const &, CColor color, CPoint at, std::string_view text,
                                 CRect const & clip) {
    texts.push_back({std::string(text), at, clip, color});
}

std::vector<std::string> CRecordingSurface::Lines() const {
    std::vector<std::string> lines;
    for (Text const & text : texts)
        lines.push_back(text.text);
    return lines;
}
