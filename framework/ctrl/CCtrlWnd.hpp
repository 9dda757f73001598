#pragma once

#include "CWnd.hpp"
#include "WinConstants.hpp"
#include "haldenctrl_export.h"

// Base of the standard controls. Each control class names its window class, whose procedure
// gives the control its behaviour; the C++ object only sends that window messages. A control
// object handed to a window with Create is the framework's: it is deleted after its window's
// last message (see CWnd), so callers allocate it with new and never delete it once created.
class HALDENCTRL_EXPORT CCtrlWnd : public CWnd {
    AFX_DECLARE_CLASS(CCtrlWnd)
public:
    // Creates the control's window as a child (WS_CHILD is added) of `parent`.
    BOOL Create(char const * text, DWORD style, CRect const & rect, CWnd * parent, UINT id);
    BOOL Create(char const * text, DWORD style, DWORD exStyle, CRect const & rect, CWnd * parent,
                UINT id);

    // The window class of the control's windows.
    virtual char const * GetWindowClassName() const = 0;

    // Tells a control's parent of an event: WM_COMMAND with the control's identifier in the
    // low word and the code in the high word of the first parameter, the control's handle in
    // the second. Returns false when the control was destroyed while the parent handled it,
    // so callers touch nothing of the control afterwards.
    static bool NotifyParent(HWND control, UINT code);
    // The same through WM_NOTIFY, with a header that the caller may extend.
    static LRESULT NotifyParent(HWND control, NMHDR & header);

protected:
    CCtrlWnd() = default;
};
