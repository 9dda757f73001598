#pragma once

#include "ButtonMessages.hpp"
#include "CCtrlWnd.hpp"
#include "haldenctrl_export.h"

// A button control (window class "button"): push button, default push button, check box,
// 3-state box, radio button, group box or owner-drawn button, as its BS_ style says.
//
// The user presses a button with the left mouse button (released over the button; moving
// off it while held shows it released, and letting go there does nothing) or with Space
// (released to click; Escape while Space is held cancels). A click changes the check of
// auto check boxes (3-state boxes cycle unchecked, checked, indeterminate) and auto radio
// buttons (checked, the other radio buttons of its WS_GROUP group unchecked), then sends
// the parent:
// - BN_CLICKED after every click by the user, and after BM_CLICK (Click);
// - BN_DOUBLECLICKED for the second click of a double click on a radio button or an
//   owner-drawn button (other buttons take it as one more press);
// - BN_SETFOCUS and BN_KILLFOCUS when the button gains and loses the focus, with BS_NOTIFY
//   only;
// - WM_DRAWITEM whenever an owner-drawn button needs painting; when the parent answers
//   FALSE (does not draw it), the button sends the same WM_DRAWITEM to itself, so that a
//   button class can draw its own face in its message map.
// The program's own changes (SetCheck, SetState, SetButtonStyle) send nothing. Disabled
// buttons and group boxes ignore the mouse and keys (a group box lets clicks through to the
// controls beneath it); disabling a pressed button, or its losing the focus or the capture,
// releases it without a click.
class HALDENCTRL_EXPORT CButton : public CCtrlWnd {
    AFX_DECLARE_CLASS(CButton)
    AFX_DECLARE_CONSTRUCT(CButton)
    AFX_DECLARE_MESSAGE_MAP()
public:
    CButton() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // BST_UNCHECKED, BST_CHECKED or (3-state boxes) BST_INDETERMINATE.
    void SetCheck(int check);
    int GetCheck() const;
    BOOL IsChecked() const;
    // Shows the button pressed or released; no click.
    void SetState(BOOL pushed);
    // The check state with BST_PUSHED and BST_FOCUS.
    UINT GetState() const;
    // Replaces the BS_ style bits (the low word of the window style).
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    UINT GetButtonStyle() const;
    // Clicks the button as the user would: auto buttons change, the parent hears
    // BN_CLICKED. Does nothing to a disabled button.
    void Click();

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
