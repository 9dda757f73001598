#include "internal/ScrollBarWindow.hpp"
#include "CPaintDC.hpp"

#include "CDC.hpp"
#include "CScrollBar.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "MessageParams.hpp"
#include "ScrollBarMessages.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"

#include <algorithm>

namespace {

// The request that pressing a part sends.
UINT RequestOf(ScrollBarLayout::Part part) {
    switch (part) {
    case ScrollBarLayout::partLineUp:
        return SB_LINEUP;
    case ScrollBarLayout::partPageUp:
        return SB_PAGEUP;
    case ScrollBarLayout::partPageDown:
        return SB_PAGEDOWN;
    default:
        return SB_LINEDOWN;
    }
}

// The request that a key sends; false for keys the bar does not scroll with.
bool RequestOfKey(UINT key, UINT & code) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        code = SB_LINEUP;
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        code = SB_LINEDOWN;
        return true;
    case VK_PRIOR:
        code = SB_PAGEUP;
        return true;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        return true;
    case VK_HOME:
        code = SB_TOP;
        return true;
    case VK_END:
        code = SB_BOTTOM;
        return true;
    default:
        return false;
    }
}

enum class Direction { up, down, left, right };

// A filled triangle pointing one way, `depth` rows (or columns) deep, its base centred in
// the rectangle.
void FillArrow(CDC & dc, CRect const & box, Direction direction, int depth, CBrush const & brush) {
    bool const upright = direction == Direction::up || direction == Direction::down;
    int const first =
        upright ? box.top + (box.Height() - depth) / 2 : box.left + (box.Width() - depth) / 2;
    int const middle =
        upright ? box.left + (box.Width() - 1) / 2 : box.top + (box.Height() - 1) / 2;
    for (int i = 0; i < depth; ++i) {
        bool const widening = direction == Direction::up || direction == Direction::left;
        int const half = widening ? i : depth - 1 - i;
        int const at = first + i;
        if (upright)
            dc.FillRect(CRect(middle - half, at, middle + half + 1, at + 1), brush);
        else
            dc.FillRect(CRect(at, middle - half, at + 1, middle + half + 1), brush);
    }
}

// An arrow button: raised, or flat with a shadow frame while pressed (the arrow moves a
// pixel down and right); a disabled arrow is grey with a light copy beneath it.
void PaintArrowButton(CDC & dc, CRect rect, Direction direction, bool pressed, bool enabled) {
    if (rect.IsEmpty())
        return;
    CStdTools const & tools = *CStdTools::FindInstance();
    dc.FillRect(rect, tools.GetBrush(CStdTools::colorFace));
    CRect face = rect;
    if (pressed)
        dc.FrameRect(rect, tools.GetBrush(CStdTools::color3DShadow));
    else
        dc.DrawEdge(face, EDGE_RAISED, BF_RECT);
    int const depth = std::max(1, std::min<int>(rect.Width(), rect.Height()) / 4);
    CRect const glyph = pressed ? rect + CSize(1, 1) : rect;
    if (!enabled) {
        FillArrow(dc, glyph + CSize(1, 1), direction, depth,
                  tools.GetBrush(CStdTools::color3DHighlight));
        FillArrow(dc, glyph, direction, depth, tools.GetBrush(CStdTools::colorGrayText));
        return;
    }
    FillArrow(dc, glyph, direction, depth, tools.GetBrush(CStdTools::colorText));
}

// Registered when the library loads, so that dialogs can create scroll bars by class name.
[[maybe_unused]] char const * const g_registered = ScrollBarWindow::Register();

} // namespace

char const * ScrollBarWindow::Register() {
    return ControlWindows<ScrollBarWindow>::Register("scrollbar", 0);
}

ScrollBarWindow::ScrollBarWindow(HWND hwnd) : m_hwnd(hwnd), m_timer(CWnd::AllocTimerID()) {}

LRESULT ScrollBarWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return OnGetDlgCode(reinterpret_cast<MSG const *>(lParam));
    case WM_LBUTTONDOWN:
        OnLButtonDown(MessageParams::Point(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(MessageParams::Point(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_TIMER:
        if (static_cast<UINT>(wParam) != m_timer)
            return DefWindowProc(m_hwnd, message, wParam, lParam);
        OnTimer(static_cast<UINT>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    case WM_ENABLE:
        OnEnable(wParam != 0);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged();
        return 0;
    case WM_SIZE:
        Invalidate();
        return 0;
    case WM_ERASEBKGND:
        // The whole client area is painted by WM_PAINT.
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    case SBM_SETPOS:
        return OnSetPos(MessageParams::Int(wParam), lParam != 0);
    case SBM_GETPOS:
        return m_range.Pos();
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
        return OnSetRange(MessageParams::Int(wParam),
                          MessageParams::Int(static_cast<std::uintptr_t>(lParam)),
                          message == SBM_SETRANGEREDRAW);
    case SBM_GETRANGE:
        if (auto * out = reinterpret_cast<int *>(wParam))
            *out = m_range.Min();
        if (auto * out = reinterpret_cast<int *>(lParam))
            *out = m_range.Max();
        return 0;
    case SBM_SETSCROLLINFO:
        return OnSetScrollInfo(reinterpret_cast<SCROLLINFO const *>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO:
        OnGetScrollInfo(reinterpret_cast<SCROLLINFO *>(lParam));
        return TRUE;
    case SBM_GETSCROLLBARINFO:
        OnGetScrollBarInfo(reinterpret_cast<SCROLLBARINFO *>(lParam));
        return TRUE;
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

LRESULT ScrollBarWindow::OnGetDlgCode(MSG const * msg) const {
    // Escape cancels a press of the mouse, so the dialog must leave it to the bar.
    if (m_pressed != ScrollBarLayout::partNone && msg && msg->message == WM_KEYDOWN &&
        msg->wParam == VK_ESCAPE)
        return DLGC_WANTARROWS | DLGC_WANTMESSAGE;
    return DLGC_WANTARROWS;
}

void ScrollBarWindow::OnLButtonDown(CPoint point) {
    if (!IsEnabled() || m_pressed != ScrollBarLayout::partNone || m_key != 0)
        return;
    HWND const hwnd = m_hwnd;
    CWnd * wnd = Wnd();
    if ((wnd->GetStyle() & WS_TABSTOP) && !m_focused) {
        wnd->SetFocus();
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    ScrollBarLayout const layout = Layout();
    Part const part = layout.HitTest(point);
    if (part == ScrollBarLayout::partNone)
        return;
    m_pressed = part;
    m_hot = true;
    m_pointer = point;
    if (part == ScrollBarLayout::partThumb) {
        m_grip = layout.Along(point) - layout.GetThumbStart();
        m_trackPos = m_startPos = m_range.Pos();
    }
    wnd->SetCapture();
    if (!CWnd::IsWindow(hwnd))
        return;
    Invalidate();
    // A drag says nothing until the thumb moves; arrows and page areas ask at once and
    // again while held.
    if (part == ScrollBarLayout::partThumb)
        return;
    wnd->SetTimer(m_timer, CScrollBar::repeatDelay);
    Notify(RequestOf(part));
}

void ScrollBarWindow::OnMouseMove(CPoint point) {
    if (m_pressed == ScrollBarLayout::partNone)
        return;
    m_pointer = point;
    if (m_pressed != ScrollBarLayout::partThumb) {
        SetHot(PointerOnPressedPart());
        return;
    }
    ScrollBarLayout const layout = Layout();
    int const pos = layout.PositionAt(layout.Along(point) - m_grip);
    if (pos == m_trackPos)
        return;
    m_trackPos = pos;
    Invalidate();
    Notify(SB_THUMBTRACK, pos);
}

void ScrollBarWindow::OnLButtonUp() {
    EndPress(false);
}

void ScrollBarWindow::OnTimer(UINT id) {
    CWnd * wnd = Wnd();
    if (m_pressed == ScrollBarLayout::partNone || m_pressed == ScrollBarLayout::partThumb) {
        wnd->KillTimer(id);
        return;
    }
    // After the first delay the request comes at the quicker repeat.
    wnd->SetTimer(id, CScrollBar::repeatInterval);
    Repeat();
}

void ScrollBarWindow::OnKeyDown(UINT key) {
    if (!IsEnabled())
        return;
    if (key == VK_ESCAPE) {
        EndPress(true);
        return;
    }
    UINT code = 0;
    if (!RequestOfKey(key, code) || m_pressed != ScrollBarLayout::partNone)
        return;
    m_key = key;
    Notify(code);
}

void ScrollBarWindow::OnKeyUp(UINT key) {
    if (m_key != 0 && key == m_key)
        EndKey();
}

void ScrollBarWindow::OnSetFocus() {
    m_focused = true;
    Invalidate();
}

void ScrollBarWindow::OnKillFocus() {
    m_focused = false;
    Invalidate();
    HWND const hwnd = m_hwnd;
    EndPress(true);
    if (CWnd::IsWindow(hwnd) && m_key != 0)
        EndKey();
}

void ScrollBarWindow::OnEnable(bool enabled) {
    Invalidate();
    if (enabled)
        return;
    HWND const hwnd = m_hwnd;
    EndPress(true);
    if (CWnd::IsWindow(hwnd) && m_key != 0)
        EndKey();
}

void ScrollBarWindow::OnCaptureChanged() {
    EndPress(true);
}

LRESULT ScrollBarWindow::OnSetPos(int pos, bool redraw) {
    int const old = m_range.Pos();
    m_range.SetPos(pos);
    if (redraw && m_range.Pos() != old)
        Invalidate();
    return old;
}

LRESULT ScrollBarWindow::OnSetRange(int minPos, int maxPos, bool redraw) {
    int const old = m_range.Pos();
    ScrollRange const before = m_range;
    m_range.SetRange(minPos, maxPos);
    bool const changed =
        m_range.Min() != before.Min() || m_range.Max() != before.Max() || m_range.Pos() != old;
    if (redraw && changed)
        Invalidate();
    return old;
}

LRESULT ScrollBarWindow::OnSetScrollInfo(SCROLLINFO const * info, bool redraw) {
    if (!info)
        return m_range.Pos();
    ScrollRange const before = m_range;
    if (info->fMask & SIF_RANGE)
        m_range.SetRange(info->nMin, info->nMax);
    if (info->fMask & SIF_PAGE)
        m_range.SetPage(info->nPage);
    if (info->fMask & SIF_POS)
        m_range.SetPos(info->nPos);
    bool const changed = m_range.Min() != before.Min() || m_range.Max() != before.Max() ||
                         m_range.Page() != before.Page() || m_range.Pos() != before.Pos();
    if (redraw && changed)
        Invalidate();
    return m_range.Pos();
}

void ScrollBarWindow::OnGetScrollInfo(SCROLLINFO * info) const {
    if (!info)
        return;
    if (info->fMask & SIF_RANGE) {
        info->nMin = m_range.Min();
        info->nMax = m_range.Max();
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = m_range.Page();
    if (info->fMask & SIF_POS)
        info->nPos = m_range.Pos();
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos =
            m_pressed == ScrollBarLayout::partThumb ? m_range.Clamp(m_trackPos) : m_range.Pos();
}

void ScrollBarWindow::OnGetScrollBarInfo(SCROLLBARINFO * info) const {
    if (!info)
        return;
    ScrollBarLayout const layout = Layout();
    bool const enabled = IsEnabled();
    *info = SCROLLBARINFO();
    info->rcScrollBar = Wnd()->GetClientRect();
    info->dxyLineButton = layout.GetArrowLength();
    info->xyThumbTop = layout.GetThumbStart();
    info->xyThumbBottom = layout.GetThumbEnd();
    Part const parts[] = {ScrollBarLayout::partLineUp, ScrollBarLayout::partPageUp,
                          ScrollBarLayout::partThumb, ScrollBarLayout::partPageDown,
                          ScrollBarLayout::partLineDown};
    info->rgstate[0] = enabled ? 0 : STATE_SYSTEM_UNAVAILABLE;
    for (int i = 0; i < 5; ++i) {
        DWORD & state = info->rgstate[i + 1];
        if (!enabled)
            state |= STATE_SYSTEM_UNAVAILABLE;
        if (layout.GetRect(parts[i]).IsEmpty())
            state |= STATE_SYSTEM_INVISIBLE;
        if (m_pressed == parts[i] && m_hot)
            state |= STATE_SYSTEM_PRESSED;
    }
}

void ScrollBarWindow::OnPaint() {
    CPaintDC dc(Wnd());
    Paint(dc);
}

void ScrollBarWindow::Paint(CDC & dc) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    ScrollBarLayout const layout = Layout();
    bool const enabled = IsEnabled();
    bool const vertical = IsVertical();

    // The trough in the classic fine checkerboard of highlight and face; a held page area
    // shows dark.
    dc.FillRect(layout.GetTrough(), CBrush(tools.GetColor(CStdTools::color3DHighlight),
                                           tools.GetColor(CStdTools::colorFace), 128));
    if (m_hot &&
        (m_pressed == ScrollBarLayout::partPageUp || m_pressed == ScrollBarLayout::partPageDown))
        dc.FillRect(layout.GetRect(m_pressed), tools.GetBrush(CStdTools::color3DDarkShadow));

    if (layout.HasThumb()) {
        CRect thumb = layout.GetRect(ScrollBarLayout::partThumb);
        dc.FillRect(thumb, tools.GetBrush(CStdTools::colorFace));
        dc.DrawEdge(thumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
        if (m_focused)
            dc.DrawFocusRect(thumb - 1);
    }

    auto const pressed = [this](Part part) { return m_pressed == part && m_hot; };
    PaintArrowButton(dc, layout.GetRect(ScrollBarLayout::partLineUp),
                     vertical ? Direction::up : Direction::left,
                     pressed(ScrollBarLayout::partLineUp), enabled);
    PaintArrowButton(dc, layout.GetRect(ScrollBarLayout::partLineDown),
                     vertical ? Direction::down : Direction::right,
                     pressed(ScrollBarLayout::partLineDown), enabled);
}

bool ScrollBarWindow::Notify(UINT code, int pos) {
    HWND const hwnd = m_hwnd;
    // A bar that is being destroyed asks for nothing more.
    if (!CWnd::IsWindow(hwnd))
        return false;
    CWnd * parent = Wnd()->GetParent();
    if (parent)
        parent->SendMessage(IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                            MAKEWPARAM(code, static_cast<unsigned>(pos)),
                            reinterpret_cast<LPARAM>(hwnd));
    return CWnd::IsWindow(hwnd);
}

void ScrollBarWindow::Repeat() {
    bool const hot = PointerOnPressedPart();
    SetHot(hot);
    if (hot)
        Notify(RequestOf(m_pressed));
}

void ScrollBarWindow::EndPress(bool cancelled) {
    Part const part = m_pressed;
    if (part == ScrollBarLayout::partNone)
        return;
    int const end = cancelled ? m_startPos : m_trackPos;
    m_pressed = ScrollBarLayout::partNone;
    m_hot = false;
    CWnd * wnd = Wnd();
    wnd->KillTimer(m_timer);
    Invalidate();
    // The press is over before the capture goes, so WM_CAPTURECHANGED finds nothing to end.
    if (CWnd::GetCapture() == wnd)
        CWnd::ReleaseCapture();
    if (part == ScrollBarLayout::partThumb && !Notify(SB_THUMBPOSITION, end))
        return;
    Notify(SB_ENDSCROLL);
}

void ScrollBarWindow::EndKey() {
    m_key = 0;
    Notify(SB_ENDSCROLL);
}

bool ScrollBarWindow::PointerOnPressedPart() const {
    return Layout().HitTest(m_pointer) == m_pressed;
}

void ScrollBarWindow::SetHot(bool hot) {
    if (m_hot == hot)
        return;
    m_hot = hot;
    Invalidate();
}

bool ScrollBarWindow::IsVertical() const {
    return (Wnd()->GetStyle() & SBS_VERT) != 0;
}

bool ScrollBarWindow::IsEnabled() const {
    return Wnd()->IsWindowEnabled() != FALSE;
}

CWnd * ScrollBarWindow::Wnd() const {
    return CWnd::FromHandle(m_hwnd);
}

ScrollBarLayout ScrollBarWindow::Layout() const {
    int const shown = m_pressed == ScrollBarLayout::partThumb ? m_trackPos : m_range.Pos();
    return ScrollBarLayout(Wnd()->GetClientRect(), IsVertical(), m_range, shown, IsEnabled());
}

void ScrollBarWindow::Invalidate() const {
    Wnd()->Invalidate(FALSE);
}
