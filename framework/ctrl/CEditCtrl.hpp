#pragma once

#include "CCtrlWnd.hpp"
#include "CRange.hpp"
#include "haldenctrl_export.h"

// A single-line edit control (window class "edit"). The window class does the editing:
// typing, Backspace and Delete (Ctrl: by words), caret moves with Left, Right, Home and End
// (Ctrl: by words; Shift extends the selection), Ctrl+A, the clipboard keys (Ctrl+C, Ctrl+X,
// Ctrl+V, Shift+Delete, Ctrl+Insert, Shift+Insert), Ctrl+Z, clicks, drags and double clicks
// (a word). This object sends it the messages of EditMessages.hpp.
//
// The parent hears, through WM_COMMAND:
// - EN_SETFOCUS when the control gets the focus, EN_KILLFOCUS when it loses it;
// - EN_UPDATE, then EN_CHANGE, after each change of the text by the user (typing, deleting,
//   cut, paste, undo, also when asked for through WM_CUT, WM_PASTE, WM_CLEAR, EM_UNDO and
//   EM_REPLACESEL); never when the program sets the text (WM_SETTEXT);
// - EN_MAXTEXT when typed or pasted text was cut short by the limit, or, without
//   ES_AUTOHSCROLL, because it would not fit the control's width.
// A handler may destroy the control; the control then touches nothing of itself.
//
// Styles: ES_PASSWORD (each character shows as a bullet; cut and copy are refused),
// ES_READONLY (no typing, cutting or pasting; copying and moving stay), ES_RIGHT and
// ES_CENTER (alignment of a text narrower than the control), ES_AUTOHSCROLL (the text
// scrolls to keep the caret visible instead of refusing what does not fit),
// ES_UPPERCASE and ES_LOWERCASE (ASCII letters typed or pasted change case).
//
// Positions are byte offsets into the UTF-8 text, always at the start of a code point.
class HALDENCTRL_EXPORT CEditCtrl : public CCtrlWnd {
    AFX_DECLARE_CLASS(CEditCtrl)
    AFX_DECLARE_CONSTRUCT(CEditCtrl)
public:
    // The gap between the client edges and the text, in pixels.
    static constexpr int textMargin = 2;

    CEditCtrl() = default;

    char const * GetWindowClassName() const override;

    // At most `limit` characters (code points) can be typed or pasted; 0 and limits above
    // CEditModel::defaultLimit mean that default. Text the program sets is kept whole.
    void LimitText(UINT limit = 0);
    UINT GetLimitText() const;

    // Selects a range (see CRange) and, unless noScroll, scrolls the caret into view.
    void SetSel(CRange const & range, BOOL noScroll = FALSE);
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    // The selection, start not after end; both equal the caret when nothing is selected.
    void GetSel(int & start, int & end) const;

    // The modified flag: set by the user's changes, cleared when the program sets the text.
    void SetModify(BOOL modified = TRUE);
    BOOL GetModify() const;

    // Replaces the selection as the user would (notified, limited, undoable when canUndo).
    void ReplaceSel(char const * text, BOOL canUndo = FALSE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // The character shown for each character typed; 0 shows the text.
    void SetPasswordChar(UINT ch);
    UINT GetPasswordChar() const;

    void Cut();
    void Copy();
    void Paste();
    // Deletes the selection.
    void Clear();
    BOOL Undo();
    BOOL CanUndo() const;
    void EmptyUndoBuffer();
};
