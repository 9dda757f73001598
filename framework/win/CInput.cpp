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

namespace {

std::array<bool, 256> g_keys{};

CWindowManager & Manager() {
    return CWindowManager::Get();
}

bool IsHeld(UINT key) {
    return key < g_keys.size() && g_keys[key];
}

// The window that keyboard input goes to: the focus window, else the modal window, else
// the topmost visible top-level window.
HWND KeyboardTarget() {
    HWND focus = Manager().GetFocus();
    if (focus && Manager().AcceptsInput(focus))
        return focus;
    if (HWND modal = Manager().GetModalWindow())
        return modal;
    auto const & tops = Manager().GetTopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (Manager().IsVisible(*it))
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
    if (CWnd * dialog = CWnd::FromHandle(Manager().NearestDialog(target)))
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
    CPoint const origin = Manager().ClientOrigin(hwnd);
    CPoint const local(screen.x - origin.x, screen.y - origin.y);
    LPARAM const where =
        MAKELPARAM(static_cast<unsigned>(screen.x), static_cast<unsigned>(screen.y));
    CWindowRecord const * rec = Manager().Find(hwnd);
    for (std::size_t i = rec ? rec->children.size() : 0; i-- > 0;) {
        HWND const childHandle = rec->children[i];
        CWindowRecord const * child = Manager().Find(childHandle);
        if (child && (child->style & WS_VISIBLE) && child->rect.Encloses(local) &&
            Manager().Send(childHandle, WM_NCHITTEST, 0, where) != HTTRANSPARENT)
            return Deepest(childHandle, screen);
        rec = Manager().Find(hwnd);
        if (!rec)
            return nullptr;
        i = std::min(i, rec->children.size());
    }
    return rec ? hwnd : nullptr;
}

// Sends a mouse message to the window under the point (or the capture window), in its
// client coordinates. Returns the window, or null when the input was dropped.
HWND DeliverMouse(UINT message, CPoint screen, WPARAM extra = 0) {
    HWND target = Manager().GetCapture();
    if (!target) {
        target = CInput::WindowFromPoint(screen);
        if (!target || !Manager().AcceptsInput(target))
            return nullptr;
        CWindowRecord const * rec = Manager().Find(target);
        if (rec->style & WS_DISABLED)
            return nullptr;
    }
    CPoint const origin = Manager().ClientOrigin(target);
    LPARAM const where = MAKELPARAM(static_cast<unsigned>(screen.x - origin.x),
                                    static_cast<unsigned>(screen.y - origin.y));
    Manager().Send(target, message, MouseKeys() | extra, where);
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
    auto const & tops = Manager().GetTopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        CWindowRecord const * rec = Manager().Find(*it);
        if (rec && (rec->style & WS_VISIBLE) && rec->rect.Encloses(screen))
            return Deepest(*it, screen);
    }
    return nullptr;
}

void CInput::MouseDown(CPoint screen, Button button) {
    g_keys[ButtonKey(button)] = true;
    if (button == buttonLeft && !Manager().GetCapture()) {
        HWND const target = WindowFromPoint(screen);
        CWindowRecord const * rec = Manager().Find(target);
        if (rec && !(rec->style & WS_DISABLED) && Manager().AcceptsInput(target) &&
            (rec->cls->GetFlags() & CWndClass::classFocusOnClick))
            Manager().SetFocus(target);
    }
    DeliverMouse(ButtonMessage(button, WM_LBUTTONDOWN), screen);
}

void CInput::MouseUp(CPoint screen, Button button) {
    g_keys[ButtonKey(button)] = false;
    DeliverMouse(ButtonMessage(button, WM_LBUTTONUP), screen);
}

void CInput::DoubleClick(CPoint screen, Button button) {
    MouseDown(screen, button);
    MouseUp(screen, button);
    g_keys[ButtonKey(button)] = true;
    HWND const target = Manager().GetCapture() ? Manager().GetCapture() : WindowFromPoint(screen);
    CWindowRecord const * rec = Manager().Find(target);
    bool const wantsDouble = rec && (rec->cls->GetFlags() & CWndClass::classDoubleClicks);
    DeliverMouse(ButtonMessage(button, wantsDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN), screen);
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
