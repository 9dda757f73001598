#pragma once

#include "CWnd.hpp"
#include "haldendialog_export.h"

// A modal dialog: a dialog-style top-level window (WS_EX_CONTROLPARENT) whose controls get
// the dialog keys from the window system's dialog manager: Tab and Shift+Tab move through the
// tab stops, the arrows through a group, Return presses the focused push button or else the
// default one (BS_DEFPUSHBUTTON), Escape presses Cancel.
//
// Execute makes the window (OnCreateDialog), sends it WM_INITDIALOG, disables the owner, shows
// the dialog centred over its owner and runs a modal loop until EndDialog is called; then it
// destroys the window, enables the owner again and gives the focus back to the window that
// had it. The dialog object outlives its window, so results are read from it afterwards.
//
// WM_INITDIALOG carries the first tab stop in wParam (0 in lParam). A handler answers TRUE to
// have the framework give that control the focus (SetDlgFocus), FALSE when it has set the
// focus itself. Without a handler the answer is TRUE.
//
// Commands: a WM_COMMAND with notification code 0 (a button clicked, Return, Escape, or the
// program's own WM_COMMAND) reaches the message map again as the framework's command
// message WM_AFX_COMMAND with the identifier in wParam, so derived maps may take IDOK and
// IDCANCEL there; otherwise IDOK calls OnOK and IDCANCEL OnCancel. The close box (WM_CLOSE)
// acts as IDCANCEL.
//
// The code Execute returns: the one given to EndDialog; OnOK gives IDOK (1) and OnCancel 0,
// so nonzero means confirmed. A dialog whose window is destroyed before EndDialog (its owner
// was destroyed, or the loop had nothing left to wait for) ends as cancelled, with 0, without
// calling OnCancel. -1 means the dialog could not be shown at all.
class HALDENDIALOG_EXPORT CDialog : public CWnd {
    AFX_DECLARE_CLASS(CDialog)
    AFX_DECLARE_MESSAGE_MAP()
public:
    ~CDialog() override;

    // Runs the dialog modally over parent's top-level window (null: a dialog without owner)
    // and returns the code it ended with (see above). -1 at once while it is running.
    int Execute(CWnd * parent);
    // Ends the running dialog with a code; Execute returns it. Does nothing when the dialog
    // is not running.
    void EndDialog(int code);
    BOOL IsRunning() const { return m_running; }

    // Gives a control the focus as the dialog keys do: an edit's whole text is selected.
    void SetDlgFocus(CWnd * control);

    // The caption of the dialog's window; set before Execute, it replaces the caption that
    // the dialog would give itself.
    void SetCaption(char const * caption);
    CString const & GetCaption() const { return m_caption; }

protected:
    CDialog() = default;

    // Makes the dialog's window and its controls (CreateDialogWindow, then the controls as
    // its children); the window stays hidden. FALSE when the dialog cannot be shown; it has
    // then told the user and the trace why.
    virtual BOOL OnCreateDialog(CWnd * owner) = 0;
    // IDOK: EndDialog(IDOK).
    virtual void OnOK();
    // IDCANCEL, Escape and the close box: EndDialog(0).
    virtual void OnCancel();

    // Makes the hidden dialog window with a caption and a client area of size pixels,
    // centred over the owner's window; without owner at topLeft on the screen.
    BOOL CreateDialogWindow(char const * caption, CSize size, CWnd * owner, CPoint topLeft,
                            DWORD style, DWORD exStyle);

    int OnInitDialog(CWnd & focus, LPARAM param);
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    BOOL OnCommandOK(UINT id);
    BOOL OnCommandCancel(UINT id);
    void OnClose();

private:
    // WM_INITDIALOG and the focus it asks for.
    void InitDialog();

    CString m_caption;
    int m_code = 0;
    bool m_running = false;
    bool m_ended = false;
};
