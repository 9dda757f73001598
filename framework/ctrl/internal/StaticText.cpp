#include "internal/StaticText.hpp"

#include "CDC.hpp"
#include "EndEllipsis.hpp"
#include "WindowStyles.hpp"

namespace StaticText {

namespace {

// The styles that choose how a static shows its text: the low five bits.
constexpr DWORD typeMask = 0x001F;
// The ellipsis styles share two bits.
constexpr DWORD ellipsisMask = 0xC000;

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

LONG Measure(CDC & dc, std::string_view text, UINT flags) {
    std::string const line(text);
    CRect rect;
    dc.DrawText(line.c_str(), rect, DT_SINGLELINE | DT_CALCRECT | flags);
    return rect.Width();
}

} // namespace

std::string WordEllipsis(CDC & dc, std::string_view line, LONG width, UINT flags) {
    flags &= DT_NOPREFIX;
    if (Measure(dc, line, flags) <= width)
        return std::string(line);
    // The ends of words, last first: the longest run of whole words that fits wins.
    for (std::size_t end = line.size(); end > 0; --end) {
        bool const wordEnd = !IsBlank(line[end - 1]) && (end == line.size() || IsBlank(line[end]));
        if (!wordEnd)
            continue;
        std::string candidate(line.substr(0, end));
        candidate += "...";
        if (Measure(dc, candidate, flags) <= width)
            return candidate;
    }
    // Not even the first word fits: as many whole characters as do.
    return EndEllipsis(line, width,
                       [&](std::string_view part) { return Measure(dc, part, flags); });
}

UINT DrawFlags(DWORD style) {
    UINT flags = DT_TOP;
    switch (style & typeMask) {
    case SS_CENTER:
        flags |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        flags |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        flags |= DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        flags |= DT_WORDBREAK;
        break;
    }
    // Text that is cut short with "..." is not wrapped.
    switch (style & ellipsisMask) {
    case SS_ENDELLIPSIS:
    case SS_PATHELLIPSIS:
        flags = (flags & ~DT_WORDBREAK) | DT_END_ELLIPSIS;
        break;
    case SS_WORDELLIPSIS:
        flags = (flags & ~DT_WORDBREAK) | DT_WORD_ELLIPSIS;
        break;
    default:
        break;
    }
    if (style & SS_NOPREFIX)
        flags |= DT_NOPREFIX;
    return flags;
}

} // namespace StaticText
