#pragma once

#include "CStringDialog.hpp"
#include "vantorui_export.h"

class CUIPickInteger;

// The one-line dialog of the integer picker: caption "Edit Value" in the thread's language,
// the property's name as prompt, the value formatted as the element shows it (without
// units), and a length limit of the longer of the formatted minimum and maximum.
//
// On OK the text is read as the element parses a typed value. Below the minimum or above the
// maximum a message box says so, with the bound formatted as the element formats it, and the
// dialog stays open with the typed text; otherwise the value is kept (GetData) and the
// dialog ends. A text that is no number reads as 0.
class VANTORUI_EXPORT CPickIntegerDlg : public CStringDialog {
    AFX_DECLARE_CLASS(CPickIntegerDlg)
public:
    CPickIntegerDlg(CUIPickInteger * pick, int data);

    // The stored value the dialog opened with, or the one accepted.
    int GetData() const { return m_value; }

protected:
    BOOL OnCheckText(CString text) override;

    CUIPickInteger * m_pick;
    int m_value;
};
