#pragma once

#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "WinMessages.hpp"
#include "WinTypes.hpp"

#include <memory>
#include <unordered_map>

// The objects behind the windows of one control class: one `T`, made with `T(HWND)` on
// WM_NCCREATE and dropped on WM_NCDESTROY, which hears every message in between through
// `LRESULT T::Handle(UINT, WPARAM, LPARAM)`. Procedure is the class's window procedure.
//
// WM_NCCREATE and WM_NCDESTROY reach Handle as well, so that a control can read its
// CREATESTRUCT or let go of what it registered elsewhere; the object is out of the table
// before its WM_NCDESTROY is handled.
//
// A handler may destroy its own window: the object lives until the handler returns.
// Handlers reach their window through its CWnd, so a window whose CWnd object is gone
// hears only WM_NCDESTROY; everything else goes to DefWindowProc.
template <class T>
class ControlWindows {
public:
    static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto & windows = Windows();
        if (message == WM_NCCREATE)
            windows[hwnd] = std::make_shared<T>(hwnd);
        auto const found = windows.find(hwnd);
        if (found == windows.end())
            return DefWindowProc(hwnd, message, wParam, lParam);
        std::shared_ptr<T> const window = found->second;
        if (message == WM_NCDESTROY)
            windows.erase(found);
        else if (!CWnd::FromHandle(hwnd))
            return DefWindowProc(hwnd, message, wParam, lParam);
        return window->Handle(message, wParam, lParam);
    }

    // Registers the window class once and gives its name.
    static char const * Register(char const * name, UINT classStyle) {
        static CWndClass const * cls = CWndClass::Register(name, &Procedure, classStyle);
        return cls->GetName();
    }

    // The object of a live window of the class, or null.
    static T * Find(HWND hwnd) {
        auto const found = Windows().find(hwnd);
        return found == Windows().end() ? nullptr : found->second.get();
    }

private:
    static std::unordered_map<HWND, std::shared_ptr<T>> & Windows() {
        // Never destroyed: windows of objects with static storage may go away after it would.
        static auto * windows = new std::unordered_map<HWND, std::shared_ptr<T>>;
        return *windows;
    }
};
