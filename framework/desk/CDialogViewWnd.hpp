#pragma once

#include "CViewWnd.hpp"
#include "haldendesk_export.h"

// A view that works as a dialog: its window is dialog-style (WS_EX_CONTROLPARENT), so the
// window system's dialog manager handles the dialog keys of the controls inside it:
// - Tab and Shift+Tab move the focus through the view's tab stops, wrapping inside the view;
// - the arrow keys move within a group of controls;
// - Return sends the view WM_COMMAND IDOK (or the default push button's command), Escape
//   WM_COMMAND IDCANCEL.
// IDOK and IDCANCEL commands that the view's message map leaves unhandled go on to its
// parent as commands of the view (the view's window in lParam), so a dialog view inside a
// dialog lets Return and Escape reach that dialog, which can tell that the view had them
// first.
//
// A control inside the view that gets the focus makes the view the current view of its
// top-level window (WM_AFX_CHILDFOCUS). The view itself passes the focus it gets on to its
// first tab stop.
class HALDENDESK_EXPORT CDialogViewWnd : public CViewWnd {
    AFX_DECLARE_CLASS(CDialogViewWnd)
    AFX_DECLARE_CONSTRUCT(CDialogViewWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    CDialogViewWnd() = default;

    BOOL Create(CWnd * parent, CRect const & rect, UINT id) override;

    // Gives a control of the view the focus as the dialog keys do: an edit control's whole
    // text becomes selected. Null does nothing.
    void SetDlgFocus(CWnd * control);

protected:
    void OnFocusNotify(UINT, CWnd & control);
    void OnSetFocus(CWnd & old);
    BOOL OnDialogCommand(UINT id, UINT code, CWnd & control);
};
