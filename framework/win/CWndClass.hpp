#pragma once

#include "CString.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

// A window class: a name and the window procedure that gives its windows their behaviour
// (the standard controls are window classes). A window's C++ object handles the messages
// its message map names and passes the rest to its class's procedure (AfxCallDefProc).
class HALDENWIN_EXPORT CWndClass {
public:
    // The window takes the focus when it is clicked (buttons, edits, lists).
    static constexpr UINT classFocusOnClick = 0x0001;
    // The window receives WM_LBUTTONDBLCLK for a second click in quick succession.
    static constexpr UINT classDoubleClicks = 0x0002;

    CWndClass(char const * name, WNDPROC procedure, UINT flags)
        : m_name(name), m_procedure(procedure), m_flags(flags) {}

    CString const & GetName() const { return m_name; }
    WNDPROC GetProcedure() const { return m_procedure; }
    UINT GetFlags() const { return m_flags; }

    // Registers a class for the life of the process; a name registered before (compared
    // without regard to case) keeps its first class. Returns the registered class.
    static CWndClass const * Register(char const * name, WNDPROC procedure, UINT flags);
    // The class of a name, or null.
    static CWndClass const * Find(char const * name);

private:
    CString m_name;
    WNDPROC m_procedure;
    UINT m_flags;
};

// The name of the plain window class, whose procedure is DefWindowProc.
inline constexpr char const * AFX_WNDCLASS = "AfxWnd";

// The default processing of every message that a window's own procedure leaves.
HALDENWIN_EXPORT LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
