#include "CInput.hpp"

#include "CDialogManager.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace {

std::array<bool, 256> g_keys{};
CPoint g_cursor;

struct MouseObserver {
    HWND watched;
    HWND observer;
    UINT message;
};
std::vector<MouseObserver> g_observers;

CWindowManager & Manager() {
    return CWindowManager::Get();
}

CWindowTable & Windows() {
    return CWindowManager::Get().Windows();
}

bool IsHeld(UINT key) {
    return key < g_keys.size() && g_keys[key];
}

// The window that keyboard input goes to: the focus window, else the modal window, else
// the topmost visible top-level window.
HWND KeyboardTarget() {
    HWND focus = Manager().Input().GetFocus();
    if (focus && Manager().Modals().AcceptsInput(focus))
        return focus;
    if (HWND modal = Manager().Modals().GetModalWindow())
        return modal;
    auto const & tops = Windows().GetTopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (Windows().IsVisible(*it))
            return *it;
    return nullptr;
}

// Offers a key or character message to the dialog manager of the nearest dialog-style
// window, then to the window itself. True when the window itself received it.
bool DeliverKey(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND const target = KeyboardTarget();
    if (!target)
        return false;
    MSG const msg(target, message, wParam, lParam);
    if (CWnd * dialog = CWnd::FromHandle(Windows().NearestDialog(target)))
        if (IsDialogMessage(dialog, msg))
            return false;
    Manager().Send(target, message, wParam, lParam);
    return true;
}

WPARAM MouseKeys() {
    WPARAM keys = 0;
    if (IsHeld(VK_LBUTTON))
        keys |= MK_LBUTTON;
    if (IsHeld(VK_RBUTTON))
        keys |= MK_RBUTTON;
    if (IsHeld(VK_MBUTTON))
        keys |= MK_MBUTTON;
    if (IsHeld(VK_SHIFT))
        keys |= MK_SHIFT;
    if (IsHeld(VK_CONTROL))
        keys |= MK_CONTROL;
    return keys;
}

// The deepest visible window under the point, from the top of the z-order down. Windows
// that answer WM_NCHITTEST with HTTRANSPARENT are passed over. The hit-test answer may run
// user code, so the child list is read afresh, by position, after each one.
HWND Deepest(HWND hwnd, CPoint screen) {
    CPoint const origin = Windows().ClientOrigin(hwnd);
    CPoint const local(screen.x - origin.x, screen.y - origin.y);
    LPARAM const where =
        MAKELPARAM(static_cast<unsigned>(screen.x), static_cast<unsigned>(screen.y));
    CWindowRecord const * rec = Windows().Find(hwnd);
    for (std::size_t i = rec ? rec->children.size() : 0; i-- > 0;) {
        HWND const childHandle = rec->children[i];
        CWindowRecord const * child = Windows().Find(childHandle);
        if (child && (child->style & WS_VISIBLE) && child->rect.Encloses(local) &&
            Manager().Send(childHandle, WM_NCHITTEST, 0, where) != HTTRANSPARENT)
            return Deepest(childHandle, screen);
        rec = Windows().Find(hwnd);
        if (!rec)
            return nullptr;
        i = std::min(i, rec->children.size());
    }
    return rec ? hwnd : nullptr;
}

// Tells the observers of the target window, and of the windows above it, of a mouse
// message. An observer may add or remove observers while it hears one, so the list is walked
// by position; observers of destroyed windows are dropped first.
void NotifyObservers(MSG const & msg) {
    if (g_observers.empty())
        return;
    std::erase_if(g_observers, [](MouseObserver const & entry) {
        return !Windows().Find(entry.watched) || !Windows().Find(entry.observer);
    });
    for (std::size_t i = 0; i < g_observers.size(); ++i) {
        MouseObserver const entry = g_observers[i];
        if (Windows().IsAncestorOrSelf(entry.watched, msg.hwnd)) {
            MSG copy = msg;
            Manager().Send(entry.observer, entry.message, 0, reinterpret_cast<LPARAM>(&copy));
        }
    }
}

// Sends a mouse message to the window under the point (or the capture window), in its
// client coordinates, after its observers. Returns the window, or null when the input was
// dropped.
HWND DeliverMouse(UINT message, CPoint screen, WPARAM extra = 0) {
    g_cursor = screen;
    HWND target = Manager().Input().GetCapture();
    if (!target) {
        target = CInput::WindowFromPoint(screen);
        if (!target || !Manager().Modals().AcceptsInput(target))
            return nullptr;
        CWindowRecord const * rec = Windows().Find(target);
        if (rec->style & WS_DISABLED)
            return nullptr;
    }
    CPoint const origin = Windows().ClientOrigin(target);
    LPARAM const where = MAKELPARAM(static_cast<unsigned>(screen.x - origin.x),
                                    static_cast<unsigned>(screen.y - origin.y));
    MSG msg(target, message, MouseKeys() | extra, where);
    msg.pt = screen;
    NotifyObservers(msg);
    if (!Windows().Find(target))
        return nullptr;
    Manager().Send(target, message, msg.wParam, where);
    return target;
}

UINT ButtonKey(CInput::Button button) {
    switch (button) {
    case CInput::buttonRight:
        return VK_RBUTTON;
    case CInput::buttonMiddle:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

UINT ButtonMessage(CInput::Button button, UINT left) {
    // Left, right and middle button messages come in blocks of three: down, up, double.
    return left + 3 * static_cast<UINT>(button);
}

} // namespace

short GetKeyState(UINT key) {
    return IsHeld(key) ? static_cast<short>(0x8000) : 0;
}

BOOL GetCursorPos(CPoint * point) {
    if (point)
        *point = g_cursor;
    return TRUE;
}

void CInput::AddMouseObserver(HWND watched, HWND observer, UINT message) {
    for (MouseObserver & entry : g_observers)
        if (entry.watched == watched && entry.observer == observer) {
            entry.message = message;
            return;
        }
    g_observers.push_back({watched, observer, message});
}

void CInput::RemoveMouseObserver(HWND watched, HWND observer) {
    std::erase_if(g_observers, [&](MouseObserver const & entry) {
        return entry.watched == watched && entry.observer == observer;
    });
}

void CInput::KeyDown(UINT key) {
    if (key < g_keys.size())
        g_keys[key] = true;
    if (!DeliverKey(WM_KEYDOWN, key, 1))
        return;
    if (key == VK_BACK || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE)
        Char(key == VK_BACK ? 8 : key == VK_TAB ? '\t' : key == VK_RETURN ? '\r' : 27);
}

void CInput::KeyUp(UINT key) {
    if (key < g_keys.size())
        g_keys[key] = false;
    HWND const target = KeyboardTarget();
    if (target)
        Manager().Send(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void CInput::Char(UINT codePoint) {
    DeliverKey(WM_CHAR, codePoint, 1);
}

HWND CInput::WindowFromPoint(CPoint screen) {
    // Top-level windows that answer HTTRANSPARENT (tooltips) let the point through as
    // children do; the answer may run user code, so the list is read afresh each time.
    LPARAM const where =
        MAKELPARAM(static_cast<unsigned>(screen.x), static_cast<unsigned>(screen.y));
    for (std::size_t i = Windows().GetTopLevels().size(); i-- > 0;) {
        std::vector<HWND> const & tops = Windows().GetTopLevels();
        if (i >= tops.size())
            continue;
        HWND const top = tops[i];
        CWindowRecord const * rec = Windows().Find(top);
        if (rec && (rec->style & WS_VISIBLE) && rec->rect.Encloses(screen) &&
            Manager().Send(top, WM_NCHITTEST, 0, where) != HTTRANSPARENT)
            return Deepest(top, screen);
    }
    return nullptr;
}

void CInput::MouseDown(CPoint screen, Button button, bool doubleClick) {
    g_keys[ButtonKey(button)] = true;
    if (button == buttonLeft && !Manager().Input().GetCapture() && !doubleClick) {
        HWND const target = WindowFromPoint(screen);
        CWindowRecord const * rec = Windows().Find(target);
        if (rec && !(rec->style & WS_DISABLED) && Manager().Modals().AcceptsInput(target) &&
            (rec->cls->GetFlags() & CWndClass::classFocusOnClick))
            Manager().Input().SetFocus(target);
    }
    bool wantsDouble = false;
    if (doubleClick) {
        HWND const target = Manager().Input().GetCapture() ? Manager().Input().GetCapture()
                                                           : WindowFromPoint(screen);
        CWindowRecord const * rec = Windows().Find(target);
        wantsDouble = rec && (rec->cls->GetFlags() & CWndClass::classDoubleClicks);
    }
    DeliverMouse(ButtonMessage(button, wantsDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN), screen);
}

void CInput::MouseUp(CPoint screen, Button button) {
    g_keys[ButtonKey(button)] = false;
    DeliverMouse(ButtonMessage(button, WM_LBUTTONUP), screen);
}

void CInput::DoubleClick(CPoint screen, Button button) {
    MouseDown(screen, button);
    MouseUp(screen, button);
    MouseDown(screen, button, true);
    MouseUp(screen, button);
}

void CInput::MouseMove(CPoint screen) {
    DeliverMouse(WM_MOUSEMOVE, screen);
}

void CInput::MouseWheel(CPoint screen, int delta) {
    DeliverMouse(WM_MOUSEWHEEL, screen, static_cast<WPARAM>(static_cast<WORD>(delta)) << 16);
}

void CInput::ReleaseAll() {
    g_keys.fill(false);
}
