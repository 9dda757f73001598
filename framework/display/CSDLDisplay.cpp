#include "CSDLDisplay.hpp"

#include "CCairoDevice.hpp"
#include "CInput.hpp"
#include "CSurface.hpp"
#include "CThread.hpp"
#include "CWnd.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CSDLClipboard.hpp"
#include "internal/CSDLKeyMap.hpp"

#include <SDL2/SDL.h>

#include <algorithm>
#include <vector>

namespace {

// One wheel notch, as WM_MOUSEWHEEL counts it.
constexpr int wheelDelta = 120;

UINT HeldModifiers() {
    UINT held = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        held |= CSDLKeyMap::heldShift;
    if (GetKeyState(VK_CONTROL) < 0)
        held |= CSDLKeyMap::heldControl;
    if (GetKeyState(VK_MENU) < 0)
        held |= CSDLKeyMap::heldAlt;
    return held;
}

bool MouseButton(Uint8 sdlButton, CInput::Button & button) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        button = CInput::buttonLeft;
        return true;
    case SDL_BUTTON_RIGHT:
        button = CInput::buttonRight;
        return true;
    case SDL_BUTTON_MIDDLE:
        button = CInput::buttonMiddle;
        return true;
    default:
        return false;
    }
}

bool IsDesktopDriver(char const * driver) {
    for (char const * name : {"x11", "wayland"})
        if (SDL_strcasecmp(driver, name) == 0)
            return true;
    return false;
}

Uint32 WindowFlags(DWORD style) {
    Uint32 flags = (style & WS_VISIBLE) ? 0 : SDL_WINDOW_HIDDEN;
    if (style & WS_CAPTION) {
        if (style & WS_THICKFRAME)
            flags |= SDL_WINDOW_RESIZABLE;
    } else {
        // Menus, drop lists and tooltips: no frame, no task bar entry, placed where asked.
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    }
    return flags;
}

} // namespace

struct CSDLDisplay::Impl {
    struct Window {
        HWND hwnd;
        SDL_Window * window;
        CRect rect; // where the window system has it on the screen
        CSize minSize;
        CSize maxSize;
    };

    bool open = false;
    std::vector<Window> windows;
    CCairoDevice device;
    CSDLClipboard clipboard;
    CClipboard::Provider * previousClipboard = nullptr;

    Window * Find(HWND hwnd) {
        auto it = std::find_if(windows.begin(), windows.end(),
                               [hwnd](Window const & w) { return w.hwnd == hwnd; });
        return it == windows.end() ? nullptr : &*it;
    }

    Window * FindById(Uint32 id) {
        SDL_Window * window = SDL_GetWindowFromID(id);
        auto it = std::find_if(windows.begin(), windows.end(),
                               [window](Window const & w) { return w.window == window; });
        return it == windows.end() ? nullptr : &*it;
    }

    bool ToScreen(Uint32 windowId, int x, int y, CPoint & screen) {
        Window const * w = FindById(windowId);
        if (!w)
            return false;
        screen = CPoint(w->rect.left + x, w->rect.top + y);
        return true;
    }

    void ApplyLimits(HWND hwnd);
    void Handle(SDL_Event const & event);
    void HandleWindowEvent(SDL_WindowEvent const & event);
};

// Gives the real window the limits the window answers and grows it when it is smaller than
// its minimum.
void CSDLDisplay::Impl::ApplyLimits(HWND hwnd) {
    CWnd * wnd = CWnd::FromHandle(hwnd);
    Window * w = Find(hwnd);
    if (!wnd || !w)
        return;
    MINMAXINFO info{};
    wnd->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    w = Find(hwnd);
    if (!w)
        return;
    CSize const minSize(std::max<LONG>(info.ptMinTrackSize.x, 1),
                        std::max<LONG>(info.ptMinTrackSize.y, 1));
    CSize const maxSize(std::max<LONG>(info.ptMaxTrackSize.x, 0),
                        std::max<LONG>(info.ptMaxTrackSize.y, 0));
    if (minSize != w->minSize) {
        w->minSize = minSize;
        SDL_SetWindowMinimumSize(w->window, minSize.cx, minSize.cy);
    }
    if (maxSize != w->maxSize && maxSize.cx > 0 && maxSize.cy > 0) {
        w->maxSize = maxSize;
        SDL_SetWindowMaximumSize(w->window, maxSize.cx, maxSize.cy);
    }
    CSize const size = w->rect.Size();
    if (size.cx < minSize.cx || size.cy < minSize.cy) {
        CRect const grown(w->rect.TopLeft(),
                          CSize(std::max(size.cx, minSize.cx), std::max(size.cy, minSize.cy)));
        wnd->MoveWindow(grown);
    }
}

void CSDLDisplay::Impl::HandleWindowEvent(SDL_WindowEvent const & event) {
    Window * w = FindById(event.windowID);
    if (!w)
        return;
    HWND const hwnd = w->hwnd;
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MOVED: {
        CRect rect = w->rect;
        if (event.event == SDL_WINDOWEVENT_MOVED)
            rect = CRect(CPoint(event.data1, event.data2), rect.Size());
        else
            rect = CRect(rect.TopLeft(), CSize(event.data1, event.data2));
        if (rect == w->rect)
            return;
        w->rect = rect;
        if (CWnd * wnd = CWnd::FromHandle(hwnd))
            wnd->MoveWindow(rect);
        return;
    }
    case SDL_WINDOWEVENT_EXPOSED:
        SDL_UpdateWindowSurface(w->window);
        return;
    case SDL_WINDOWEVENT_CLOSE:
        if (CWnd * wnd = CWnd::FromHandle(hwnd))
            wnd->SendMessage(WM_CLOSE, 0, 0);
        return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        // Keys released elsewhere would otherwise stay held.
        CInput::ReleaseAll();
        return;
    default:
        return;
    }
}

void CSDLDisplay::Impl::Handle(SDL_Event const & event) {
    CPoint screen;
    CInput::Button button;
    switch (event.type) {
    case SDL_QUIT:
        if (CWnd * main = CThread::FindInstance()->GetMainWnd())
            main->SendMessage(WM_CLOSE, 0, 0);
        return;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window);
        return;
    case SDL_MOUSEMOTION:
        if (ToScreen(event.motion.windowID, event.motion.x, event.motion.y, screen))
            CInput::MouseMove(screen);
        return;
    case SDL_MOUSEBUTTONDOWN:
        if (MouseButton(event.button.button, button) &&
            ToScreen(event.button.windowID, event.button.x, event.button.y, screen))
            CInput::MouseDown(screen, button,
                              event.button.clicks >= 2 && event.button.clicks % 2 == 0);
        return;
    case SDL_MOUSEBUTTONUP:
        if (MouseButton(event.button.button, button) &&
            ToScreen(event.button.windowID, event.button.x, event.button.y, screen))
            CInput::MouseUp(screen, button);
        return;
    case SDL_MOUSEWHEEL: {
        int const notches =
            event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        if (notches != 0 && GetCursorPos(&screen))
            CInput::MouseWheel(screen, notches * wheelDelta);
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        for (CSDLKeyMap::Stroke const & stroke :
             CSDLKeyMap::Strokes(event.key.keysym.sym, event.key.keysym.mod,
                                 event.type == SDL_KEYDOWN, HeldModifiers())) {
            if (stroke.down)
                CInput::KeyDown(stroke.key);
            else
                CInput::KeyUp(stroke.key);
        }
        return;
    case SDL_TEXTINPUT:
        for (UINT point : CSDLKeyMap::CodePoints(event.text.text))
            CInput::Char(point);
        return;
    default:
        return;
    }
}

CSDLDisplay::CSDLDisplay() : m_impl(std::make_unique<Impl>()) {}

CSDLDisplay::~CSDLDisplay() {
    Close();
}

BOOL CSDLDisplay::Open(CString & error) {
    if (m_impl->open)
        return TRUE;
    if (!SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY")) {
        error = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        return FALSE;
    }
    // The first click on a window that is not yet active acts, as it does on the desktop.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        SDL_Quit();
        return FALSE;
    }
    // SDL falls back to drivers that show nothing to anyone; those are no desktop.
    char const * driver = SDL_GetCurrentVideoDriver();
    if (!driver || !IsDesktopDriver(driver)) {
        error = CString("no desktop is reachable, only the \"") + driver + "\" video driver";
        SDL_Quit();
        return FALSE;
    }
    SDL_StartTextInput();
    m_impl->open = true;
    CDevice::SetScreen(&m_impl->device);
    m_impl->previousClipboard = CClipboard::SetProvider(&m_impl->clipboard);
    CDisplay::SetCurrent(this);
    return TRUE;
}

void CSDLDisplay::Close() {
    if (!m_impl->open)
        return;
    CDisplay::SetCurrent(nullptr);
    CClipboard::SetProvider(m_impl->previousClipboard);
    if (&CDevice::GetScreen() == &m_impl->device)
        CDevice::SetScreen(nullptr);
    for (Impl::Window const & w : m_impl->windows)
        SDL_DestroyWindow(w.window);
    m_impl->windows.clear();
    SDL_StopTextInput();
    SDL_Quit();
    m_impl->open = false;
}

BOOL CSDLDisplay::IsOpen() const {
    return m_impl->open ? TRUE : FALSE;
}

void CSDLDisplay::WindowCreated(HWND hwnd, CRect const & rect, DWORD style, char const * caption) {
    SDL_Window * window =
        SDL_CreateWindow(caption, rect.left, rect.top, std::max<LONG>(rect.Width(), 1),
                         std::max<LONG>(rect.Height(), 1), WindowFlags(style));
    if (!window)
        return;
    m_impl->windows.push_back({hwnd, window, rect, CSize(), CSize()});
}

void CSDLDisplay::WindowDestroyed(HWND hwnd) {
    auto & windows = m_impl->windows;
    auto it = std::find_if(windows.begin(), windows.end(),
                           [hwnd](Impl::Window const & w) { return w.hwnd == hwnd; });
    if (it == windows.end())
        return;
    SDL_DestroyWindow(it->window);
    windows.erase(it);
}

void CSDLDisplay::WindowMoved(HWND hwnd, CRect const & rect) {
    Impl::Window * w = m_impl->Find(hwnd);
    if (!w)
        return;
    w->rect = rect;
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(w->window, &x, &y);
    if (x != rect.left || y != rect.top)
        SDL_SetWindowPosition(w->window, rect.left, rect.top);
    SDL_GetWindowSize(w->window, &x, &y);
    if (x != rect.Width() || y != rect.Height())
        SDL_SetWindowSize(w->window, std::max<LONG>(rect.Width(), 1),
                          std::max<LONG>(rect.Height(), 1));
}

void CSDLDisplay::WindowShown(HWND hwnd, bool show) {
    if (Impl::Window * w = m_impl->Find(hwnd)) {
        if (show)
            SDL_ShowWindow(w->window);
        else
            SDL_HideWindow(w->window);
    }
}

void CSDLDisplay::CaptionChanged(HWND hwnd, char const * caption) {
    if (Impl::Window * w = m_impl->Find(hwnd))
        SDL_SetWindowTitle(w->window, caption);
}

void CSDLDisplay::Present(HWND hwnd, CSurface const & picture) {
    Impl::Window * w = m_impl->Find(hwnd);
    LONG stride = 0;
    void const * bits = picture.GetBits(stride);
    if (!w || !bits)
        return;
    CSize const size = picture.GetSize();
    // The picture is only read: the blit copies it into the window's own pixels.
    SDL_Surface * source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<void *>(bits), size.cx, size.cy, 32, stride, SDL_PIXELFORMAT_RGB888);
    SDL_Surface * target = SDL_GetWindowSurface(w->window);
    if (source && target)
        SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    if (target)
        SDL_UpdateWindowSurface(w->window);
}

bool CSDLDisplay::WaitEvents(int milliseconds) {
    if (!m_impl->open)
        return false;
    // The limits follow the content, which may have changed since the last wait.
    std::vector<HWND> shown;
    for (Impl::Window const & w : m_impl->windows)
        if (CWnd const * wnd = CWnd::FromHandle(w.hwnd); wnd && wnd->IsWindowVisible())
            shown.push_back(w.hwnd);
    for (HWND hwnd : shown)
        m_impl->ApplyLimits(hwnd);
    SDL_Event event;
    if (milliseconds < 0 ? SDL_WaitEvent(&event) == 0
                         : SDL_WaitEventTimeout(&event, milliseconds) == 0)
        return true;
    m_impl->Handle(event);
    while (m_impl->open && SDL_PollEvent(&event))
        m_impl->Handle(event);
    return true;
}
