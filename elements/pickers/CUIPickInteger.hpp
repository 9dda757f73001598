#pragma once

#include "CUIPickBase.hpp"

class CPickIntegerDlg;

// An integer shown read-only with decimal places and units ("12.50 V") beside an "Edit..."
// button. The button opens CPickIntegerDlg, which refuses values outside the range with a
// message and stays open; OK writes the value (NotifyWrite), reloads the field and reports a
// change, also when the value is the one stored before. Cancel writes nothing and reports
// nothing.
//
// Format: width|places|units|min|max; the width is not used, the range is taken only when
// min is given (0 to 60000 otherwise), numbers are read with atoi. The element has no text
// form. Without the property the field stays empty and the button opens no dialog; a dialog
// that cannot be shown counts as cancelled.
class VANTORUI_EXPORT CUIPickInteger : public CUIPickBase {
    AFX_DECLARE_CLASS(CUIPickInteger)
    AFX_DECLARE_CONSTRUCT(CUIPickInteger)
    friend class CPickIntegerDlg;

public:
    CUIPickInteger() = default;

protected:
    void OnBind() override;
    void OnLoad() override;
    int OnPick() override;
    // Asked before a confirmed value is written; FALSE refuses it.
    virtual int OnChange(unsigned int value);
    // Conversions between the stored value and the one shown; both the identity here.
    virtual int StoreToDisp(int value);
    virtual int DispToStore(int value);

    CString Format(int display);
    int Parse(char const * text);

    CString m_units;
    unsigned int m_places = 0;
    int m_valueMin = 0;
    int m_valueMax = 60000;
};
