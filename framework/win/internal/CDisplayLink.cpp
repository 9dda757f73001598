#include "internal/CDisplayLink.hpp"

#include "CDisplay.hpp"
#include "WindowStyles.hpp"
#include "internal/CWindowRecord.hpp"

namespace {

// The display, when there is one and the window is one it shows.
CDisplay * DisplayOf(CWindowRecord const & rec) {
    return rec.style & WS_CHILD ? nullptr : CDisplay::GetCurrent();
}

} // namespace

void CDisplayLink::WindowCreated(HWND hwnd, CRect const & rect, DWORD style, char const * caption) {
    if (CDisplay * display = CDisplay::GetCurrent(); display && !(style & WS_CHILD))
        display->WindowCreated(hwnd, rect, style, caption ? caption : "");
}

void CDisplayLink::WindowDestroyed(CWindowRecord const & rec) {
    if (CDisplay * display = DisplayOf(rec))
        display->WindowDestroyed(rec.handle);
}

void CDisplayLink::WindowMoved(CWindowRecord const & rec) {
    if (CDisplay * display = DisplayOf(rec))
        display->WindowMoved(rec.handle, rec.rect);
}

void CDisplayLink::WindowShown(CWindowRecord const & rec, bool show) {
    if (CDisplay * display = DisplayOf(rec))
        display->WindowShown(rec.handle, show);
}

void CDisplayLink::CaptionChanged(CWindowRecord const & rec) {
    if (CDisplay * display = DisplayOf(rec))
        display->CaptionChanged(rec.handle, rec.text.GetString());
}

void CDisplayLink::Present(CWindowRecord const & rec) {
    if (CDisplay * display = DisplayOf(rec); display && rec.surface)
        display->Present(rec.handle, *rec.surface);
}
