#include "CWnd.hpp"

#include "CMessageBox.hpp"
#include "CWndClass.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CDisplayLink.hpp"
#include "internal/CWindowManager.hpp"

AFX_IMPLEMENT_DYNCREATE(CWnd, CObject)

CMessageMap const CWnd::m_afxMessageMap(nullptr, CWnd::m_afxMessageItem);
CMessageItem const CWnd::m_afxMessageItem[] = {CMessageItem{}};

namespace {

CWindowManager & Manager() {
    return CWindowManager::Get();
}

CWindowTable & Windows() {
    return CWindowManager::Get().Windows();
}

} // namespace

CWnd & afx_detail::WindowOf(HWND hwnd) {
    // Stands for "no window" where a handler takes a window by reference.
    static CWnd none;
    CWnd * wnd = CWnd::FromHandle(hwnd);
    return wnd ? *wnd : none;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd) {
        DestroyWindow();
        if (m_hWnd)
            Manager().Forget(*this);
    }
}

BOOL CWnd::CreateEx(DWORD exStyle, char const * className, char const * text, DWORD style,
                    CRect const & rect, CWnd * parent, UINT id) {
    return Manager().Create(*this, exStyle, className, text, style, rect,
                            parent ? parent->m_hWnd : nullptr, id);
}

BOOL CWnd::Create(char const * className, char const * text, DWORD style, CRect const & rect,
                  CWnd * parent, UINT id) {
    return CreateEx(0, className, text, style, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
    if (!IsWindow())
        return FALSE;
    Manager().Destroy(m_hWnd);
    return TRUE;
}

BOOL CWnd::IsWindow() const {
    return IsWindow(m_hWnd);
}

BOOL CWnd::IsWindow(HWND hwnd) {
    CWindowRecord const * rec = Windows().Find(hwnd);
    return rec && !rec->destroying;
}

CWnd * CWnd::FromHandle(HWND hwnd) {
    CWindowRecord const * rec = Windows().Find(hwnd);
    return rec ? rec->object : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Manager().Send(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Manager().Post(m_hWnd, message, wParam, lParam);
}

void CWnd::MoveWindow(CRect const & rect, BOOL repaint) {
    CWindowRecord * rec = Windows().Find(m_hWnd);
    if (!rec)
        return;
    CRect const old = rec->rect;
    if (old == rect)
        return;
    CSize const oldClient = Windows().GetClientRect(*rec).Size();
    rec->rect = rect;
    CDisplayLink::WindowMoved(*rec);
    if (repaint) {
        if ((rec->style & WS_CHILD) && (rec->style & WS_VISIBLE))
            Manager().Painter().Invalidate(rec->parent, old, true);
        Invalidate(TRUE);
    }
    CSize const client = Windows().GetClientRect(*rec).Size();
    if (client != oldClient)
        SendMessage(WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(static_cast<unsigned>(client.cx), static_cast<unsigned>(client.cy)));
}

void CWnd::MoveWindow(int x, int y, int cx, int cy, BOOL repaint) {
    MoveWindow(CRect(x, y, x + cx, y + cy), repaint);
}

CRect CWnd::GetClientRect() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? Windows().GetClientRect(*rec) : CRect();
}

CRect CWnd::GetWindowRect() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    if (!rec)
        return CRect();
    if (!(rec->style & WS_CHILD))
        return rec->rect;
    CPoint const origin = Windows().ClientOrigin(rec->parent);
    return rec->rect + CSize(origin.x, origin.y);
}

void CWnd::ClientToScreen(CPoint & point) const {
    CPoint const origin = Windows().ClientOrigin(m_hWnd);
    point += CSize(origin.x, origin.y);
}

void CWnd::ClientToScreen(CRect & rect) const {
    CPoint const origin = Windows().ClientOrigin(m_hWnd);
    rect = rect + CSize(origin.x, origin.y);
}

void CWnd::ScreenToClient(CPoint & point) const {
    CPoint const origin = Windows().ClientOrigin(m_hWnd);
    point -= CSize(origin.x, origin.y);
}

void CWnd::ScreenToClient(CRect & rect) const {
    CPoint const origin = Windows().ClientOrigin(m_hWnd);
    rect = rect - CSize(origin.x, origin.y);
}

BOOL CWnd::ShowWindow(int command) {
    CWindowRecord * rec = Windows().Find(m_hWnd);
    if (!rec)
        return FALSE;
    BOOL const wasVisible = (rec->style & WS_VISIBLE) != 0;
    bool const show = command != SW_HIDE;
    if (show == static_cast<bool>(wasVisible))
        return wasVisible;
    if (show)
        rec->style |= WS_VISIBLE;
    else
        rec->style &= ~WS_VISIBLE;
    HWND const hwnd = m_hWnd;
    CDisplayLink::WindowShown(*rec, show);
    SendMessage(WM_SHOWWINDOW, show, 0);
    if (!show)
        Manager().Input().LoseFocusWithin(hwnd);
    if (CWindowRecord * after = Windows().Find(hwnd)) {
        if (after->style & WS_CHILD)
            Manager().Painter().Invalidate(after->parent, after->rect, true);
        if (show)
            Manager().Painter().Invalidate(hwnd, Windows().GetClientRect(*after), true);
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return Windows().IsVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    CWindowRecord * rec = Windows().Find(m_hWnd);
    if (!rec)
        return FALSE;
    BOOL const wasDisabled = (rec->style & WS_DISABLED) != 0;
    if (static_cast<bool>(enable) != static_cast<bool>(wasDisabled))
        return wasDisabled;
    if (enable)
        rec->style &= ~WS_DISABLED;
    else
        rec->style |= WS_DISABLED;
    HWND const hwnd = m_hWnd;
    if (!enable)
        Manager().Input().LoseFocusWithin(hwnd);
    SendMessage(WM_ENABLE, enable ? TRUE : FALSE, 0);
    if (CWindowRecord * after = Windows().Find(hwnd))
        Manager().Painter().Invalidate(hwnd, Windows().GetClientRect(*after), true);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec && !(rec->style & WS_DISABLED);
}

void CWnd::SetWindowText(char const * text) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

CString CWnd::GetWindowText() const {
    CString text;
    Manager().Send(m_hWnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

void CWnd::SetFont(CFont const * font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

CFont const * CWnd::GetFont() const {
    return reinterpret_cast<CFont const *>(Manager().Send(m_hWnd, WM_GETFONT, 0, 0));
}

DWORD CWnd::GetStyle() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? rec->style : 0;
}

DWORD CWnd::GetExStyle() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? rec->exStyle : 0;
}

void CWnd::SetWindowStyle(DWORD style) {
    CWindowRecord * rec = Windows().Find(m_hWnd);
    if (!rec)
        return;
    DWORD constexpr kept = WS_VISIBLE | WS_DISABLED | WS_CHILD;
    rec->style = (style & ~kept) | (rec->style & kept);
    Invalidate(TRUE);
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) {
    SetWindowStyle((GetStyle() & ~remove) | add);
}

void CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
    if (CWindowRecord * rec = Windows().Find(m_hWnd))
        rec->exStyle = (rec->exStyle & ~remove) | add;
}

UINT CWnd::GetID() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? rec->id : 0;
}

CWnd * CWnd::GetDlgItem(UINT id) const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    if (!rec)
        return nullptr;
    for (HWND child : rec->children)
        if (CWindowRecord const * sub = Windows().Find(child); sub && sub->id == id)
            return sub->object;
    return nullptr;
}

CWnd * CWnd::GetParent() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? FromHandle(rec->parent) : nullptr;
}

CWnd * CWnd::GetTopLevel() const {
    return FromHandle(Windows().GetTopLevel(m_hWnd));
}

UINT CWnd::GetChildCount() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? static_cast<UINT>(rec->children.size()) : 0;
}

CWnd * CWnd::GetChild(UINT index) const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec && index < rec->children.size() ? FromHandle(rec->children[index]) : nullptr;
}

void CWnd::SetDialogStyle(BOOL dialog) {
    if (CWindowRecord * rec = Windows().Find(m_hWnd))
        rec->dialogStyle = dialog != FALSE;
}

BOOL CWnd::IsDialogStyle() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec && rec->dialogStyle;
}

CWnd * CWnd::SetFocus() {
    return FromHandle(Manager().Input().SetFocus(m_hWnd));
}

CWnd * CWnd::GetFocus() {
    return FromHandle(Manager().Input().GetFocus());
}

void CWnd::ClearFocus() {
    Manager().Input().SetFocus(nullptr);
}

CWnd * CWnd::SetCapture() {
    CWnd * old = GetCapture();
    Manager().Input().SetCapture(m_hWnd);
    return old;
}

void CWnd::ReleaseCapture() {
    Manager().Input().SetCapture(nullptr);
}

CWnd * CWnd::GetCapture() {
    return FromHandle(Manager().Input().GetCapture());
}

void CWnd::Invalidate(BOOL erase) {
    if (CWindowRecord const * rec = Windows().Find(m_hWnd))
        Manager().Painter().Invalidate(m_hWnd, Windows().GetClientRect(*rec), erase != FALSE);
}

void CWnd::InvalidateRect(CRect const & rect, BOOL erase) {
    Manager().Painter().Invalidate(m_hWnd, rect, erase != FALSE);
}

void CWnd::ValidateRect() {
    if (CWindowRecord * rec = Windows().Find(m_hWnd))
        rec->needsPaint = false;
}

void CWnd::UpdateWindow() {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    if (rec && rec->needsPaint && Windows().IsVisible(m_hWnd))
        Manager().Painter().PaintPending();
}

CRect CWnd::GetUpdateRect() const {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec && rec->needsPaint ? rec->invalid : CRect();
}

UINT CWnd::AllocTimerID() {
    return Manager().Timers().AllocTimerID();
}

UINT CWnd::SetTimer(UINT id, UINT milliseconds) {
    if (!IsWindow())
        return 0;
    Manager().Timers().Set(m_hWnd, id, milliseconds);
    return id;
}

BOOL CWnd::KillTimer(UINT id) {
    return Manager().Timers().Kill(m_hWnd, id);
}

int CWnd::RunModalLoop(int cancelResult) {
    return Manager().Modals().RunModalLoop(m_hWnd, cancelResult);
}

void CWnd::EndModalLoop(int result) {
    Manager().Modals().EndModalLoop(m_hWnd, result);
}

int CWnd::Error(char const * message, UINT type) {
    return CMessageBox::Show(this, message, nullptr, type);
}

LRESULT CWnd::AfxCallDefProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowRecord const * rec = Windows().Find(m_hWnd);
    return rec ? rec->cls->GetProcedure()(m_hWnd, message, wParam, lParam) : 0;
}

LRESULT CWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (AfxObjectMessageMap()->Dispatch(*this, message, wParam, lParam, result))
        return result;
    return AfxCallDefProc(message, wParam, lParam);
}

void CWnd::PostNcDestroy() {
    if (m_autoDelete)
        delete this;
}

BOOL CWnd::WriteImage(char const * path) {
    CWnd * top = GetTopLevel();
    if (!top)
        return FALSE;
    top->Invalidate(TRUE);
    Manager().Painter().PaintPending();
    CSurface * surface = nullptr;
    CPoint origin;
    CRect clip;
    if (!Manager().Painter().DrawingArea(top->GetSafeHwnd(), surface, origin, clip))
        return FALSE;
    return surface->WritePng(path);
}
