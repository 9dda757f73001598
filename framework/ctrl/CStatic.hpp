#pragma once

#include "ButtonMessages.hpp"
#include "CCtrlWnd.hpp"
#include "haldenctrl_export.h"

// A static text control (window class "static"): its window text drawn in its font (the
// standard font when it has none), aligned by SS_LEFT, SS_CENTER or SS_RIGHT and wrapped
// at words; SS_LEFTNOWORDWRAP and SS_SIMPLE do not wrap. "&" underlines the next character
// unless SS_NOPREFIX. With SS_ENDELLIPSIS or SS_PATHELLIPSIS a line too long ends with
// "...", with SS_WORDELLIPSIS the "..." follows the last whole word that fits. Disabled
// statics draw their text grey.
//
// A static never takes the focus (it answers WM_GETDLGCODE with DLGC_STATIC). With
// SS_NOTIFY, a press of the left mouse button on it sends the parent STN_CLICKED; it sends
// nothing else. Without SS_NOTIFY it lets clicks through to the windows beneath it.
class HALDENCTRL_EXPORT CStatic : public CCtrlWnd {
    AFX_DECLARE_CLASS(CStatic)
    AFX_DECLARE_CONSTRUCT(CStatic)
public:
    CStatic() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();
};
