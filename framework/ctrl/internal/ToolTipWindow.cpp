#include "internal/ToolTipWindow.hpp"

#include "CDC.hpp"
#include "CInput.hpp"
#include "CPaintDC.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "MessageParams.hpp"
#include "SystemMetrics.hpp"
#include "ToolTipMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"
#include "internal/ToolTipPaint.hpp"

#include <algorithm>

namespace {

constexpr UINT defaultInitial = 500;
constexpr UINT defaultAutoPop = 5000;
constexpr UINT defaultReshow = 100;
// How often the tooltip looks whether the mouse has left its tool where it cannot see it,
// or whether the window of the tip that shows is gone.
constexpr UINT leaveInterval = 100;
// A plain hover tip stands this far below the mouse's point, clear of the pointer.
constexpr LONG pointerHeight = 20;

// Registered when the library loads, so that the class can be created by name.
[[maybe_unused]] char const * const g_registered = ToolTipWindow::Register();

CWnd * Wnd(HWND hwnd) {
    return CWnd::FromHandle(hwnd);
}

// A tip's text as shown: with prefixes, a single "&" goes and "&&" is "&".
std::string Shown(std::string const & text, bool prefixes) {
    if (!prefixes)
        return text;
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            shown += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '&')
            shown += text[++i];
    }
    return shown;
}

// Sends a tool's window a tooltip notification.
void Notify(HWND tool, std::uintptr_t id, HWND from, UINT code) {
    if (!CWnd::IsWindow(tool))
        return;
    NMHDR header;
    header.hwndFrom = from;
    header.idFrom = id;
    header.code = code;
    Wnd(tool)->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

} // namespace

char const * ToolTipWindow::Register() {
    return ControlWindows<ToolTipWindow>::Register("tooltips_class32", 0);
}

ToolTipWindow::ToolTipWindow(HWND hwnd)
    : m_hwnd(hwnd), m_initial(defaultInitial), m_autoPop(defaultAutoPop), m_reshow(defaultReshow),
      m_back(CStdTools::FindInstance()->GetColor(CStdTools::colorInfoBk)),
      m_ink(CStdTools::FindInstance()->GetColor(CStdTools::colorInfoText)),
      m_showTimer(CWnd::AllocTimerID()), m_popTimer(CWnd::AllocTimerID()),
      m_leaveTimer(CWnd::AllocTimerID()) {}

LRESULT ToolTipWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy();
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    case TTM_ACTIVATE:
        OnActivate(wParam != 0);
        return 0;
    case TTM_SETDELAYTIME:
        OnSetDelayTime(static_cast<UINT>(wParam), MessageParams::LowInt(lParam));
        return 0;
    case TTM_ADDTOOL:
        return OnAddTool(reinterpret_cast<TOOLINFO const *>(lParam));
    case TTM_DELTOOL:
        OnDelTool(reinterpret_cast<TOOLINFO const *>(lParam));
        return 0;
    case TTM_NEWTOOLRECT:
        OnNewToolRect(reinterpret_cast<TOOLINFO const *>(lParam));
        return 0;
    case TTM_RELAYEVENT:
        OnRelayEvent(reinterpret_cast<MSG const *>(lParam));
        return 0;
    case TTM_GETTOOLINFO:
        return OnGetToolInfo(reinterpret_cast<TOOLINFO *>(lParam));
    case TTM_UPDATETIPTEXT:
        OnUpdateTipText(reinterpret_cast<TOOLINFO const *>(lParam));
        return 0;
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(m_tools.size());
    case TTM_GETCURRENTTOOL:
        return OnGetCurrentTool(reinterpret_cast<TOOLINFO *>(lParam));
    case TTM_WINDOWFROMPOINT: {
        auto const * point = reinterpret_cast<CPoint const *>(lParam);
        return point ? reinterpret_cast<LRESULT>(CInput::WindowFromPoint(*point)) : 0;
    }
    case TTM_TRACKACTIVATE:
        OnTrackActivate(wParam != 0, reinterpret_cast<TOOLINFO const *>(lParam));
        return 0;
    case TTM_TRACKPOSITION:
        OnTrackPosition(MessageParams::Point(lParam));
        return 0;
    case TTM_SETTIPBKCOLOR:
        m_back = CColor::FromRgb(static_cast<DWORD>(wParam));
        Repaint();
        return 0;
    case TTM_SETTIPTEXTCOLOR:
        m_ink = CColor::FromRgb(static_cast<DWORD>(wParam));
        Repaint();
        return 0;
    case TTM_GETDELAYTIME:
        return OnGetDelayTime(static_cast<UINT>(wParam));
    case TTM_GETTIPBKCOLOR:
        return m_back.ToRgb();
    case TTM_GETTIPTEXTCOLOR:
        return m_ink.ToRgb();
    case TTM_SETMAXTIPWIDTH:
        return OnSetMaxTipWidth(MessageParams::Int(lParam));
    case TTM_GETMAXTIPWIDTH:
        return m_maxWidth;
    case TTM_POP:
        OnPop();
        return 0;
    case TTM_SETTITLE:
        return OnSetTitle(static_cast<UINT>(wParam), reinterpret_cast<char const *>(lParam));
    case WM_NCHITTEST:
        // The mouse goes through the tip to the tool beneath it.
        return HTTRANSPARENT;
    case WM_TIMER:
        OnTimer(static_cast<UINT>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

ToolTipWindow::Tool * ToolTipWindow::Find(Key const & key) {
    return const_cast<Tool *>(static_cast<ToolTipWindow const *>(this)->Find(key));
}

ToolTipWindow::Tool const * ToolTipWindow::Find(Key const & key) const {
    auto const found = std::find_if(m_tools.begin(), m_tools.end(),
                                    [&](Tool const & tool) { return tool.key == key; });
    return found == m_tools.end() ? nullptr : &*found;
}

namespace {

// The window whose mouse messages a subclassing tool watches.
HWND Watched(UINT flags, HWND hwnd, std::uintptr_t id) {
    return (flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(id) : hwnd;
}

} // namespace

LRESULT ToolTipWindow::OnAddTool(TOOLINFO const * info) {
    if (!info || info->cbSize < TTTOOLINFO_V1_SIZE || !CWnd::IsWindow(info->hwnd))
        return FALSE;
    Key const key{info->hwnd, info->uId};
    if (Find(key))
        return FALSE;
    Tool tool;
    tool.key = key;
    tool.flags = info->uFlags;
    tool.rect = info->rect;
    tool.hinst = info->hinst;
    tool.text = info->lpszText ? info->lpszText : "";
    tool.lParam = info->cbSize >= TTTOOLINFO_V2_SIZE ? info->lParam : 0;
    m_tools.push_back(tool);
    if (tool.flags & TTF_SUBCLASS)
        CInput::AddMouseObserver(Watched(tool.flags, key.hwnd, key.id), m_hwnd, TTM_RELAYEVENT);
    return TRUE;
}

void ToolTipWindow::OnDelTool(TOOLINFO const * info) {
    if (!info)
        return;
    Key const key{info->hwnd, info->uId};
    if (!Find(key))
        return;
    HWND const self = m_hwnd;
    if (m_showing && m_shown == key) {
        Hide();
        if (!CWnd::IsWindow(self))
            return;
    }
    Tool const * tool = Find(key);
    if (!tool)
        return;
    bool const subclass = (tool->flags & TTF_SUBCLASS) != 0;
    HWND const watched = Watched(tool->flags, key.hwnd, key.id);
    std::erase_if(m_tools, [&](Tool const & entry) { return entry.key == key; });
    if (m_hover != Hover::idle && m_hot == key)
        SetHover(Hover::idle);
    if (m_trackActive && m_track == key)
        m_trackActive = false;
    bool const stillWatched = std::any_of(m_tools.begin(), m_tools.end(), [&](Tool const & entry) {
        return (entry.flags & TTF_SUBCLASS) &&
               Watched(entry.flags, entry.key.hwnd, entry.key.id) == watched;
    });
    if (subclass && !stillWatched)
        CInput::RemoveMouseObserver(watched, self);
}

void ToolTipWindow::OnNewToolRect(TOOLINFO const * info) {
    Tool * tool = info ? Find({info->hwnd, info->uId}) : nullptr;
    if (!tool)
        return;
    tool->rect = info->rect;
    if (m_hover != Hover::idle && m_hot == tool->key)
        CheckHover();
}

void ToolTipWindow::OnUpdateTipText(TOOLINFO const * info) {
    Tool * tool = info ? Find({info->hwnd, info->uId}) : nullptr;
    if (!tool)
        return;
    tool->text = info->lpszText ? info->lpszText : "";
    if (m_showing && m_shown == tool->key)
        Refit();
}

LRESULT ToolTipWindow::OnGetToolInfo(TOOLINFO * info) const {
    if (!info || info->cbSize < TTTOOLINFO_V1_SIZE)
        return FALSE;
    Tool const * tool = Find({info->hwnd, info->uId});
    if (!tool)
        return FALSE;
    info->uFlags = tool->flags;
    info->rect = tool->rect;
    info->hinst = tool->hinst;
    info->lpszText = tool->text.c_str();
    if (info->cbSize >= TTTOOLINFO_V2_SIZE)
        info->lParam = tool->lParam;
    return TRUE;
}

LRESULT ToolTipWindow::OnGetCurrentTool(TOOLINFO * info) const {
    if (!m_showing)
        return FALSE;
    if (info) {
        info->hwnd = m_shown.hwnd;
        info->uId = m_shown.id;
        OnGetToolInfo(info);
    }
    return TRUE;
}

void ToolTipWindow::OnRelayEvent(MSG const * msg) {
    if (!msg || !CWnd::IsWindow(msg->hwnd))
        return;
    switch (msg->message) {
    case WM_MOUSEMOVE: {
        CPoint point = MessageParams::Point(msg->lParam);
        Wnd(msg->hwnd)->ClientToScreen(point);
        HoverAt(point);
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        OnButtonDown();
        break;
    default:
        break;
    }
}

void ToolTipWindow::OnButtonDown() {
    if (m_hover != Hover::waiting && m_hover != Hover::shown)
        return;
    HWND const self = m_hwnd;
    if (m_showing && !m_shownTracking) {
        Hide();
        if (!CWnd::IsWindow(self))
            return;
    }
    SetHover(Hover::popped);
}

bool ToolTipWindow::ToolAt(CPoint point, Key & found, bool & any) {
    HWND const self = m_hwnd;
    CPoint where = point;
    auto const under = reinterpret_cast<HWND>(
        Wnd(self)->SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&where)));
    if (!CWnd::IsWindow(self))
        return false;
    any = false;
    if (!CWnd::IsWindow(under))
        return true;
    CPoint local = point;
    Wnd(under)->ScreenToClient(local);
    for (Tool const & tool : m_tools) {
        if (tool.flags & TTF_TRACK)
            continue;
        bool const hit = (tool.flags & TTF_IDISHWND)
                             ? reinterpret_cast<HWND>(tool.key.id) == under
                             : tool.key.hwnd == under && tool.rect.Encloses(local);
        if (hit) {
            found = tool.key;
            any = true;
            break;
        }
    }
    return true;
}

void ToolTipWindow::HoverAt(CPoint point) {
    bool const moved = point != m_point;
    m_point = point;
    if (!m_active || (m_showing && m_shownTracking))
        return;
    Key found;
    bool any = false;
    if (ToolAt(point, found, any))
        HoverOver(any, found, moved);
}

void ToolTipWindow::HoverOver(bool any, Key const & found, bool moved) {
    if (any && m_hover != Hover::idle && found == m_hot) {
        // Resting means not moving: a move within the tool starts the wait again.
        if (m_hover == Hover::waiting && moved)
            Wnd(m_hwnd)->SetTimer(m_showTimer, m_wait);
        return;
    }
    HWND const self = m_hwnd;
    bool const wasShown = m_hover == Hover::shown;
    if (wasShown && m_showing && !m_shownTracking) {
        Hide();
        if (!CWnd::IsWindow(self))
            return;
    }
    if (!any) {
        SetHover(Hover::idle);
        return;
    }
    SetHover(Hover::waiting);
    m_hot = found;
    m_wait = wasShown ? m_reshow : m_initial;
    Wnd(self)->SetTimer(m_showTimer, m_wait);
    Wnd(self)->SetTimer(m_leaveTimer, leaveInterval);
}

void ToolTipWindow::CheckHover() {
    if (m_hover == Hover::idle || !m_active)
        return;
    CPoint cursor;
    GetCursorPos(&cursor);
    m_point = cursor;
    Key found;
    bool any = false;
    if (ToolAt(cursor, found, any))
        HoverOver(any, found, false);
}

void ToolTipWindow::StopHover() {
    HWND const self = m_hwnd;
    if (m_showing && !m_shownTracking) {
        Hide();
        if (!CWnd::IsWindow(self))
            return;
    }
    SetHover(Hover::idle);
}

void ToolTipWindow::SetHover(Hover hover) {
    m_hover = hover;
    CWnd * wnd = Wnd(m_hwnd);
    wnd->KillTimer(m_showTimer);
    wnd->KillTimer(m_popTimer);
    if (hover == Hover::idle && !m_showing)
        wnd->KillTimer(m_leaveTimer);
}

void ToolTipWindow::OnTimer(UINT id) {
    HWND const self = m_hwnd;
    CWnd * wnd = Wnd(self);
    if (id == m_showTimer) {
        wnd->KillTimer(m_showTimer);
        if (m_hover != Hover::waiting)
            return;
        // The mouse may have left the tool where the tooltip could not see it.
        CPoint cursor;
        GetCursorPos(&cursor);
        Key found;
        bool any = false;
        if (!ToolAt(cursor, found, any))
            return;
        if (!any || !(found == m_hot)) {
            m_point = cursor;
            HoverOver(any, found, false);
            return;
        }
        m_hover = Hover::shown;
        Show(m_hot, cursor, false);
        if (!CWnd::IsWindow(self) || m_hover != Hover::shown)
            return;
        if (m_showing && m_shown == m_hot && !m_shownTracking)
            wnd->SetTimer(m_popTimer, m_autoPop);
        else
            SetHover(Hover::popped);
    } else if (id == m_popTimer) {
        wnd->KillTimer(m_popTimer);
        if (m_hover != Hover::shown)
            return;
        Hide();
        if (CWnd::IsWindow(self))
            SetHover(Hover::popped);
    } else if (id == m_leaveTimer) {
        if (m_showing && !CWnd::IsWindow(m_shown.hwnd)) {
            bool const tracking = m_shownTracking;
            Hide();
            if (!CWnd::IsWindow(self))
                return;
            if (tracking)
                m_trackActive = false;
        }
        if (m_hover != Hover::idle)
            CheckHover();
        else if (!m_showing)
            wnd->KillTimer(m_leaveTimer);
    }
}

void ToolTipWindow::OnActivate(bool active) {
    m_active = active;
    if (active)
        return;
    HWND const self = m_hwnd;
    StopHover();
    if (!CWnd::IsWindow(self))
        return;
    m_trackActive = false;
    Hide();
}

void ToolTipWindow::OnPop() {
    HWND const self = m_hwnd;
    StopHover();
    if (!CWnd::IsWindow(self))
        return;
    m_trackActive = false;
    Hide();
}

void ToolTipWindow::OnTrackActivate(bool activate, TOOLINFO const * info) {
    if (!info)
        return;
    Key const key{info->hwnd, info->uId};
    if (!activate) {
        if (!m_trackActive || !(m_track == key))
            return;
        m_trackActive = false;
        if (m_showing && m_shownTracking)
            Hide();
        return;
    }
    Tool const * tool = Find(key);
    if (!tool || !(tool->flags & TTF_TRACK) || !m_active)
        return;
    HWND const self = m_hwnd;
    StopHover();
    if (!CWnd::IsWindow(self))
        return;
    if (m_showing) {
        Hide();
        if (!CWnd::IsWindow(self))
            return;
    }
    m_trackActive = true;
    m_track = key;
    Show(key, m_trackPoint, true);
}

void ToolTipWindow::OnTrackPosition(CPoint point) {
    m_trackPoint = point;
    if (!m_showing || !m_shownTracking)
        return;
    Tool const * tool = Find(m_shown);
    CRect const place = Place(point, true, tool && (tool->flags & TTF_ABSOLUTE));
    CWnd * wnd = Wnd(m_hwnd);
    wnd->MoveWindow(place, FALSE);
    wnd->Invalidate(FALSE);
}

void ToolTipWindow::OnSetDelayTime(UINT which, int milliseconds) {
    bool const reset = milliseconds < 0;
    auto const time = static_cast<UINT>(std::max(milliseconds, 0));
    switch (which) {
    case TTDT_AUTOMATIC:
        m_initial = reset ? defaultInitial : time;
        m_autoPop = reset ? defaultAutoPop : 10 * time;
        m_reshow = reset ? defaultReshow : time / 5;
        break;
    case TTDT_RESHOW:
        m_reshow = reset ? defaultReshow : time;
        break;
    case TTDT_AUTOPOP:
        m_autoPop = reset ? defaultAutoPop : time;
        break;
    case TTDT_INITIAL:
        m_initial = reset ? defaultInitial : time;
        break;
    default:
        break;
    }
}

LRESULT ToolTipWindow::OnGetDelayTime(UINT which) const {
    switch (which) {
    case TTDT_RESHOW:
        return m_reshow;
    case TTDT_AUTOPOP:
        return m_autoPop;
    default:
        return m_initial;
    }
}

LRESULT ToolTipWindow::OnSetMaxTipWidth(int width) {
    int const before = m_maxWidth;
    m_maxWidth = width < 0 ? -1 : width;
    Refit();
    return before;
}

LRESULT ToolTipWindow::OnSetTitle(UINT icon, char const * title) {
    if (icon > TTI_ERROR)
        return FALSE;
    m_icon = icon;
    m_title = title ? title : "";
    Refit();
    return TRUE;
}

void ToolTipWindow::Show(Key const & key, CPoint anchor, bool tracking) {
    Tool const * tool = Find(key);
    if (!tool || tool->text.empty() || !m_active)
        return;
    bool const absolute = tracking && (tool->flags & TTF_ABSOLUTE);
    m_showing = true;
    m_shown = key;
    m_shownTracking = tracking;
    HWND const self = m_hwnd;
    CWnd * wnd = Wnd(self);
    wnd->MoveWindow(Place(anchor, tracking, absolute), FALSE);
    Notify(key.hwnd, key.id, self, TTN_SHOW);
    // The handler may have destroyed the tooltip, hidden the tip or shown another.
    if (!CWnd::IsWindow(self) || !m_showing || !(m_shown == key))
        return;
    wnd->ShowWindow(SW_SHOWNA);
    wnd->Invalidate(FALSE);
    wnd->SetTimer(m_leaveTimer, leaveInterval);
}

void ToolTipWindow::Hide() {
    if (!m_showing)
        return;
    m_showing = false;
    HWND const self = m_hwnd;
    Key const key = m_shown;
    CWnd * wnd = Wnd(self);
    bool const visible = (wnd->GetStyle() & WS_VISIBLE) != 0;
    wnd->ShowWindow(SW_HIDE);
    if (visible)
        Notify(key.hwnd, key.id, self, TTN_POP);
}

ToolTipLook ToolTipWindow::Look(Tool const & tool) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CWnd * wnd = Wnd(m_hwnd);
    DWORD const style = wnd->GetStyle();
    ToolTipLook look;
    look.text = Shown(tool.text, !(style & TTS_NOPREFIX));
    look.title = m_title;
    look.icon = m_icon;
    CFont const * font = wnd->GetFont();
    look.font = font ? font : &tools.GetStdFont();
    look.titleFont = &tools.GetBoldFont();
    look.back = m_back;
    look.ink = m_ink;
    look.maxWidth = m_maxWidth;
    look.balloon = (style & TTS_BALLOON) != 0;
    look.right = m_right;
    look.below = m_below;
    return look;
}

CRect ToolTipWindow::Place(CPoint anchor, bool tracking, bool absolute) {
    Tool const * tool = Find(m_shown);
    if (!tool)
        return CRect();
    CScreenDC dc;
    ToolTipLook const look = Look(*tool);
    CSize const size = ToolTipPaint::Measure(dc, look);
    LONG const width = GetSystemMetrics(SM_CXSCREEN);
    LONG const height = GetSystemMetrics(SM_CYSCREEN);
    CPoint at = anchor;
    if (absolute) {
        m_right = true;
        m_below = true;
    } else if (look.balloon) {
        // The stem's tip lies on the point: the balloon hangs below it and to its right
        // unless that passes the screen's edge.
        LONG const inset = ToolTipPaint::stemInset;
        LONG const left = anchor.x + inset + 1 - size.cx;
        LONG const above = anchor.y + 1 - size.cy;
        m_right = anchor.x - inset + size.cx <= width || left < 0;
        m_below = anchor.y + size.cy <= height || above < 0;
        at.x = m_right ? anchor.x - inset : left;
        at.y = m_below ? anchor.y : above;
    } else {
        LONG const top = anchor.y + (tracking ? 0 : pointerHeight);
        m_right = true;
        m_below = top + size.cy <= height || anchor.y - size.cy < 0;
        at.y = m_below ? top : anchor.y - size.cy;
    }
    at.x = std::clamp<LONG>(at.x, 0, std::max<LONG>(0, width - size.cx));
    at.y = std::clamp<LONG>(at.y, 0, std::max<LONG>(0, height - size.cy));
    return CRect(at, size);
}

void ToolTipWindow::Refit() {
    if (!m_showing)
        return;
    CWnd * wnd = Wnd(m_hwnd);
    CRect const old = wnd->GetWindowRect();
    Tool const * tool = Find(m_shown);
    // A tip that its tool's window moved to an empty rectangle stays out of sight.
    if (!tool || old.IsEmpty())
        return;
    CScreenDC dc;
    CSize const size = ToolTipPaint::Measure(dc, Look(*tool));
    CPoint const at(m_right ? old.left : old.right - size.cx,
                    m_below ? old.top : old.bottom - size.cy);
    wnd->MoveWindow(CRect(at, size), FALSE);
    wnd->Invalidate(FALSE);
}

void ToolTipWindow::Repaint() const {
    if (m_showing)
        Wnd(m_hwnd)->Invalidate(FALSE);
}

void ToolTipWindow::OnPaint() {
    CWnd * wnd = Wnd(m_hwnd);
    CPaintDC dc(wnd);
    Tool const * tool = m_showing ? Find(m_shown) : nullptr;
    CRect const client = wnd->GetClientRect();
    if (!tool || client.IsEmpty())
        return;
    ToolTipPaint::Paint(dc, Look(*tool), client.Size());
}

void ToolTipWindow::OnNcDestroy() {
    for (Tool const & tool : m_tools)
        if (tool.flags & TTF_SUBCLASS)
            CInput::RemoveMouseObserver(Watched(tool.flags, tool.key.hwnd, tool.key.id), m_hwnd);
}
