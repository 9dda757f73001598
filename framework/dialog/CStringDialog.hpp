#pragma once

#include "CStdDialog.hpp"
#include "haldendialog_export.h"

// A dialog that edits one string: a prompt above an edit field, OK and Cancel. It opens with
// the text in the field, wholly selected and focused.
//
// When the user confirms (OK, or Return in the field) OnCheckText is asked about the text
// typed: TRUE accepts it (GetText returns it from then on) and ends the dialog with IDOK;
// FALSE keeps the dialog open with the field focused and its text selected, so the user can
// correct it or cancel. Cancel ends with 0 and keeps the text that GetText returns.
class HALDENDIALOG_EXPORT CStringDialog : public CStdDialog {
    AFX_DECLARE_CLASS(CStringDialog)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // The controls of the dialog's template.
    static constexpr UINT idPrompt = 100;
    static constexpr UINT idText = 101;

    // `caption` is the window's caption, `prompt` the text above the field and `text` the
    // string the field opens with. The user can type at most `maxLength` characters (code
    // points): the field's CEditCtrl::LimitText, so 0 means the edit's own default limit and
    // a text the program gives longer than the limit is shown whole.
    CStringDialog(char const * caption, char const * prompt, char const * text, UINT maxLength);

    // The text the dialog opened with, or the one last accepted.
    CString const & GetText() const { return m_text; }

protected:
    // Decides whether a text the user confirms may close the dialog; TRUE here.
    virtual BOOL OnCheckText(CString text);

    void OnOK() override;
    int OnInitDialog(CWnd & focus, LPARAM param);

private:
    CString m_prompt;
    CString m_text;
    UINT m_maxLength;
};
