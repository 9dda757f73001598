#pragma once

#include "WinTypes.hpp"
#include "haldenwin_export.h"

class CWnd;

// The dialog manager's rules, for dialog-style windows and the controls below them.

// The next (or previous) control in the tab order of a dialog: the visible, enabled controls
// with WS_TABSTOP below it in creation order, looking inside children that have
// WS_EX_CONTROLPARENT; wraps around. A control that is not in the order starts from the
// beginning (or end). Returns `control` itself when no other control qualifies.
HALDENWIN_EXPORT CWnd * GetNextDlgTabItem(CWnd * dialog, CWnd * control, BOOL previous);

// The next (or previous) control in the group of a control: groups start at a control with
// WS_GROUP and run to the next such control; wraps within the group.
HALDENWIN_EXPORT CWnd * GetNextDlgGroupItem(CWnd * dialog, CWnd * control, BOOL previous);

// Gives a control the focus as the dialog keys do: an edit control's whole text becomes
// selected.
HALDENWIN_EXPORT void AfxSetDlgFocus(CWnd * control);

// Handles a key or character message as a dialog key of `dialog` when the focused control
// does not want it; true when it was handled.
HALDENWIN_EXPORT bool IsDialogMessage(CWnd * dialog, MSG const & msg);
