#pragma once

#include "CArray.hpp"
#include "CWnd.hpp"

// Message box types: the buttons (low four bits) and an icon.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_YESNOCANCEL = 0x0003;
inline constexpr UINT MB_YESNO = 0x0004;
inline constexpr UINT MB_RETRYCANCEL = 0x0005;
inline constexpr UINT MB_ICONERROR = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONWARNING = 0x0030;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;

// A modal message box: a text and a row of buttons. Return chooses the first button, Escape
// the one that cancels (Cancel, else No, else OK), a click the button under the pointer.
// Every text shown is logged, so that tests can read what a user was told.
class HALDENWIN_EXPORT CMessageBox : public CWnd {
    AFX_DECLARE_CLASS(CMessageBox)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // Shows the box over the owner's top-level window and returns the button chosen; the
    // cancelling button's identifier when the box is closed otherwise.
    static int Show(CWnd * owner, char const * text, char const * caption, UINT type);

    // The texts of every message box shown so far, oldest first.
    static CArray<CString> const & GetShownTexts();
    static void ClearShownTexts();

    // The buttons of a type, in order.
    static CArray<UINT> ButtonsOf(UINT type);
    // The text of a button (IDOK to IDNO) in the thread's language; empty for others.
    static CString GetButtonText(UINT id);

protected:
    CMessageBox(char const * text, UINT type);

    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    void OnLButtonDown(UINT keys, LPARAM where);
    void OnPaint();

private:
    CRect ButtonRect(UINT index) const;
    UINT CancelButton() const;

    CString m_text;
    CArray<UINT> m_buttons;
};
