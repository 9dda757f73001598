#include "internal/MenuWindow.hpp"

#include "CBitmap.hpp"
#include "CDC.hpp"
#include "CMemoryDC.hpp"
#include "CPaintDC.hpp"
#include "CStdTools.hpp"
#include "MessageParams.hpp"
#include "SystemMetrics.hpp"
#include "Utf8.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>
#include <string_view>

namespace {

// The frame around the items: a raised edge and a pixel of room.
constexpr LONG border = 3;
// Room above and below an item's text or check mark.
constexpr LONG itemPadding = 3;
constexpr LONG separatorHeight = 9;
// The check mark's square lies this far into an item; the text follows it after a gap and
// keeps some room on its right.
constexpr LONG markLeft = 4;
constexpr LONG markGap = 6;
constexpr LONG textRight = 16;
// Posted to the menu window to end its modal loop once a choice is made.
constexpr UINT endMessage = WM_USER + 1;

bool g_running = false;

CStdTools const & Tools() {
    return *CStdTools::FindInstance();
}

LONG MarkSize() {
    return GetSystemMetrics(SM_CXMENUCHECK);
}

// Letters of ASCII and Latin-1 match in either case: the languages of the program's texts
// need no more.
UINT FoldCase(UINT code) {
    if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
        return code - 0x20;
    return code;
}

// The character that names an item: the one after a single "&", else the first one shown.
UINT Mnemonic(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return FoldCase(Utf8::Decode(text, i + 1).codePoint);
    }
    bool const escaped = text.size() >= 2 && text[0] == '&' && text[1] == '&';
    return FoldCase(Utf8::Decode(text, escaped ? 1 : 0).codePoint);
}

// Where a menu starts on one axis: a menu that would pass the screen's far edge opens on the
// other side of the point, one that would pass the near edge on this side; then it is
// moved inside the screen.
LONG Fit(LONG start, LONG extent, LONG point, LONG screen, bool flips) {
    if (flips) {
        if (start + extent > screen)
            start = point - extent;
        if (start < 0)
            start = point;
    }
    return std::clamp<LONG>(start, 0, std::max<LONG>(0, screen - extent));
}

} // namespace

MenuWindow::MenuWindow(CMenu const & menu, UINT flags) : m_menu(menu), m_flags(flags) {}

bool MenuWindow::IsRunning() {
    return g_running;
}

MenuWindow * MenuWindow::FromWindow(CWnd & wnd) {
    return dynamic_cast<MenuWindow *>(&wnd);
}

UINT MenuWindow::Run(CPoint point, CWnd & owner) {
    CRect const place = Place(point, Layout());
    if (!CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, place, &owner, 0))
        return 0;
    g_running = true;
    SetCapture();
    CWindowManager::Get().Modals().RunModalLoop(GetSafeHwnd(), 0);
    g_running = false;
    if (GetCapture() == this)
        ReleaseCapture();
    DestroyWindow();
    return m_closing ? m_result : 0;
}

CSize MenuWindow::Layout() {
    CScreenDC dc;
    dc.Select(Tools().GetStdFont());
    LONG const itemHeight = std::max(dc.GetTextExtent("").cy, MarkSize()) + 2 * itemPadding;
    LONG textWidth = 0;
    for (CMenu::Item const & item : m_menu.m_items) {
        if (item.flags & MF_SEPARATOR)
            continue;
        CRect measured;
        dc.DrawText(item.text, measured, DT_SINGLELINE | DT_CALCRECT);
        textWidth = std::max(textWidth, measured.Width());
    }
    dc.Deselect();
    LONG const width = 2 * border + markLeft + MarkSize() + markGap + textWidth + textRight;
    m_rects.clear();
    LONG top = border;
    for (CMenu::Item const & item : m_menu.m_items) {
        LONG const height = (item.flags & MF_SEPARATOR) ? separatorHeight : itemHeight;
        m_rects.emplace_back(border, top, width - border, top + height);
        top += height;
    }
    return CSize(width, top + border);
}

CRect MenuWindow::Place(CPoint point, CSize size) const {
    LONG left = point.x;
    LONG top = point.y;
    if (m_flags & TPM_CENTERALIGN)
        left -= size.cx / 2;
    else if (m_flags & TPM_RIGHTALIGN)
        left -= size.cx;
    if (m_flags & TPM_VCENTERALIGN)
        top -= size.cy / 2;
    else if (m_flags & TPM_BOTTOMALIGN)
        top -= size.cy;
    left = Fit(left, size.cx, point.x, GetSystemMetrics(SM_CXSCREEN), !(m_flags & TPM_CENTERALIGN));
    top = Fit(top, size.cy, point.y, GetSystemMetrics(SM_CYSCREEN), !(m_flags & TPM_VCENTERALIGN));
    return CRect(CPoint(left, top), size);
}

int MenuWindow::PositionOf(UINT id) const {
    for (std::size_t i = 0; i < m_menu.m_items.size(); ++i)
        if (!(m_menu.m_items[i].flags & MF_SEPARATOR) && m_menu.m_items[i].id == id)
            return static_cast<int>(i);
    return -1;
}

CRect MenuWindow::ItemRect(std::size_t position) const {
    return position < m_rects.size() ? m_rects[position] : CRect();
}

bool MenuWindow::CanChoose(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= m_rects.size() ||
        static_cast<std::size_t>(position) >= m_menu.m_items.size())
        return false;
    UINT const flags = m_menu.m_items[static_cast<std::size_t>(position)].flags;
    return !(flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

int MenuWindow::ItemAt(CPoint point) const {
    for (std::size_t i = 0; i < m_rects.size(); ++i)
        if (m_rects[i].Encloses(point))
            return static_cast<int>(i);
    return -1;
}

int MenuWindow::NextChoosable(int from, int step) const {
    int const count = static_cast<int>(m_rects.size());
    for (int k = 1; k <= count; ++k) {
        int const position = ((from + k * step) % count + count) % count;
        if (CanChoose(position))
            return position;
    }
    return -1;
}

void MenuWindow::SetHighlight(int position) {
    if (position == m_highlight)
        return;
    if (m_highlight >= 0)
        InvalidateRect(ItemRect(static_cast<std::size_t>(m_highlight)), FALSE);
    m_highlight = position;
    if (m_highlight >= 0)
        InvalidateRect(ItemRect(static_cast<std::size_t>(m_highlight)), FALSE);
}

void MenuWindow::Close(UINT command) {
    if (m_closing)
        return;
    m_closing = true;
    m_result = command;
    PostMessage(endMessage);
}

void MenuWindow::MatchCharacter(UINT codePoint) {
    UINT const key = FoldCase(codePoint);
    std::vector<int> matches;
    for (std::size_t i = 0; i < m_menu.m_items.size(); ++i)
        if (CanChoose(static_cast<int>(i)) && Mnemonic(m_menu.m_items[i].text.Str()) == key)
            matches.push_back(static_cast<int>(i));
    if (matches.empty())
        return;
    if (matches.size() == 1) {
        Close(m_menu.m_items[static_cast<std::size_t>(matches.front())].id);
        return;
    }
    auto const next = std::upper_bound(matches.begin(), matches.end(), m_highlight);
    SetHighlight(next == matches.end() ? matches.front() : *next);
}

LRESULT MenuWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(MessageParams::Point(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        OnButtonDown(MessageParams::Point(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(MessageParams::Point(lParam), true);
        return 0;
    case WM_RBUTTONUP:
        OnButtonUp(MessageParams::Point(lParam), (m_flags & TPM_RIGHTBUTTON) != 0);
        return 0;
    case WM_MBUTTONUP:
        OnButtonUp(MessageParams::Point(lParam), false);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CANCELMODE:
        Close(0);
        return 0;
    case endMessage:
        CWindowManager::Get().Modals().EndModalLoop(GetSafeHwnd(), 0);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return CWnd::WndProc(message, wParam, lParam);
    }
}

void MenuWindow::OnKeyDown(UINT key) {
    if (m_closing)
        return;
    int const count = static_cast<int>(m_rects.size());
    switch (key) {
    case VK_UP:
        SetHighlight(NextChoosable(m_highlight >= 0 ? m_highlight : count, -1));
        break;
    case VK_DOWN:
        SetHighlight(NextChoosable(m_highlight >= 0 ? m_highlight : -1, 1));
        break;
    case VK_HOME:
        SetHighlight(NextChoosable(-1, 1));
        break;
    case VK_END:
        SetHighlight(NextChoosable(count, -1));
        break;
    case VK_RETURN:
        Close(m_highlight >= 0 ? m_menu.m_items[static_cast<std::size_t>(m_highlight)].id : 0);
        break;
    case VK_ESCAPE:
        Close(0);
        break;
    default:
        break;
    }
}

void MenuWindow::OnChar(UINT codePoint) {
    // Return, Escape and other control characters came with their keys.
    if (m_closing || codePoint < 32)
        return;
    MatchCharacter(codePoint);
}

void MenuWindow::OnMouseMove(CPoint point) {
    if (m_closing)
        return;
    int const position = ItemAt(point);
    SetHighlight(CanChoose(position) ? position : -1);
}

void MenuWindow::OnButtonDown(CPoint point) {
    if (m_closing)
        return;
    if (!GetClientRect().Encloses(point)) {
        Close(0);
        return;
    }
    m_pressed = true;
    OnMouseMove(point);
}

void MenuWindow::OnButtonUp(CPoint point, bool chooses) {
    // Only a press on the menu chooses: the release of the click that opened it does not.
    bool const pressed = m_pressed;
    m_pressed = false;
    if (m_closing || !pressed || !chooses)
        return;
    int const position = ItemAt(point);
    if (CanChoose(position))
        Close(m_menu.m_items[static_cast<std::size_t>(position)].id);
}

void MenuWindow::OnCaptureChanged(HWND taker) {
    if (taker != GetSafeHwnd())
        Close(0);
}

void MenuWindow::OnPaint() {
    CPaintDC dc(this);
    CRect client = GetClientRect();
    dc.FillRect(client, Tools().GetBrush(CStdTools::colorFace));
    dc.DrawEdge(client, EDGE_RAISED, BF_RECT);
    dc.Select(Tools().GetStdFont());
    dc.SetBkMode(TRANSPARENT);
    std::size_t const count = std::min(m_rects.size(), m_menu.m_items.size());
    for (std::size_t i = 0; i < count; ++i)
        PaintItem(dc, i);
    dc.Deselect();
}

void MenuWindow::PaintItem(CDC & dc, std::size_t position) const {
    CMenu::Item const & item = m_menu.m_items[position];
    CRect const & rect = m_rects[position];
    if (item.flags & MF_SEPARATOR) {
        LONG const middle = rect.top + rect.Height() / 2;
        CRect line(rect.left + 1, middle - 1, rect.right - 1, middle + 1);
        dc.DrawEdge(line, EDGE_ETCHED, BF_TOP);
        return;
    }
    bool const highlighted = static_cast<int>(position) == m_highlight;
    CStdTools::Role const back = highlighted ? CStdTools::colorHighlight : CStdTools::colorFace;
    CStdTools::Role const ink = (item.flags & MF_GRAYED) ? CStdTools::colorGrayText
                                : highlighted            ? CStdTools::colorHighlightText
                                                         : CStdTools::colorText;
    if (highlighted)
        dc.FillRect(rect, Tools().GetBrush(back));
    dc.SetTextColor(Tools().GetColor(ink));
    dc.SetBkColor(Tools().GetColor(back));
    LONG const mark = MarkSize();
    CRect const box(rect.left + markLeft, rect.top + (rect.Height() - mark) / 2,
                    rect.left + markLeft + mark, rect.top + (rect.Height() - mark) / 2 + mark);
    PaintMark(dc, item, box, rect);
    CRect text(box.right + markGap, rect.top, rect.right - textRight, rect.bottom);
    dc.DrawText(item.text, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void MenuWindow::PaintMark(CDC & dc, CMenu::Item const & item, CRect const & box,
                           CRect const & clip) const {
    bool const checked = (item.flags & MF_CHECKED) != 0;
    CBitmap * bitmap = checked ? item.checked : item.unchecked;
    if (bitmap && !bitmap->IsEmpty()) {
        CSize const size = bitmap->GetSize();
        CPoint const at(box.left + (box.Width() - size.cx) / 2,
                        box.top + (box.Height() - size.cy) / 2);
        CRect const shown = CRect(at, size).Intersect(clip);
        if (shown.IsEmpty())
            return;
        CMemoryDC memory(dc);
        if (!memory.Select(*bitmap))
            return;
        dc.BitBlt(shown.left, shown.top, shown.Width(), shown.Height(), memory, shown.left - at.x,
                  shown.top - at.y, SRCCOPY);
        memory.Deselect();
        return;
    }
    if (!checked)
        return;
    // A tick: a short stroke down to the right, then a long one up, three pixels thick.
    CBrush const ink(dc.GetTextColor());
    LONG const x0 = box.left + (box.Width() - 7) / 2;
    LONG const y0 = box.top + (box.Height() - 7) / 2 + 2;
    for (LONG i = 0; i < 7; ++i) {
        LONG const y = i < 3 ? y0 + i : y0 + 4 - i;
        dc.FillRect(CRect(x0 + i, y, x0 + i + 1, y + 3), ink);
    }
}
