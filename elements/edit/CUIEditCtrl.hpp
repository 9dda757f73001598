#pragma once

#include "CEditCtrl.hpp"
#include "CString.hpp"
#include "vantorui_export.h"

class CUIElement;

// The edit control of the edit-field elements. Tab and Return commit the typed text
// through the save element's SaveUI(TRUE); Escape reloads the load element, dropping what
// was typed. Tab then moves the focus itself, forward or (with Shift) backward, through the
// tab order of the nearest enclosing window that is not a control container.
//
// What it sends: after a commit that wrote a new value (SaveUI answered 1), WM_COMMAND with
// its identifier and codeForceUpdate (0x1234) to its parent, so that the view reports the
// change. A save answering 2 or more keeps the focus on Tab and does nothing more on Return.
//
// Dialog codes: DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS always; the key-down and
// key-up of Tab and Return add DLGC_WANTMESSAGE, so the dialog manager leaves them to the
// control, and Escape adds it only while the text is modified: an unmodified control lets
// Escape reach the dialog. The characters of Tab, Return and Escape are swallowed.
//
// While it is empty, enabled and without the focus, the control paints its default text
// (if any) at (5, 2) in grey; a default text containing "[:" paints as "Default".
//
// The focus search stops at a top-level window even when it holds controls itself (dialogs
// do here), so a field in a dialog moves through the dialog's tab order.
class VANTORUI_EXPORT CUIEditCtrl : public CEditCtrl {
    AFX_DECLARE_CLASS(CUIEditCtrl)
    AFX_DECLARE_MESSAGE_MAP()
public:
    explicit CUIEditCtrl(CUIElement * element);
    CUIEditCtrl(CUIElement * load, CUIElement * save);

    // The text painted while the control is empty; repaints when the window exists.
    void SetDefault(char const * text);
    CString const & GetDefault() const { return m_default; }

protected:
    // Makes the view treat the control as changed without a save.
    void ForceUpdate();
    // Moves the focus as Tab (Shift+Tab while Shift is down) does.
    void HandleTab();
    // The nearest ancestor that does not hold controls of its own (WS_EX_CONTROLPARENT).
    CWnd * FindParent();

    void OnPaint();
    void OnKillFocus(CWnd & next);
    LRESULT OnGetDlgCode(MSG * msg);
    void OnKeyDown(UINT key, DWORD flags);
    void OnKeyUp(UINT key, DWORD flags);
    void OnChar(UINT ch, DWORD flags);

    // Whether the default text shows now.
    bool ShowsDefault() const;

    CUIElement * m_loadElement;
    CUIElement * m_saveElement;
    CString m_default;
};
