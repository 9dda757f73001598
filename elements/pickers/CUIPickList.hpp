#pragma once

#include "CArray.hpp"
#include "CUIPickBase.hpp"

class CPickListDlg;

// An integer chosen from a list of named entries in a dialog (CPickListDlg). The field shows
// the text of the first entry whose data equals the stored value, or nothing when none
// does. Choosing another entry and confirming writes its data (NotifyWrite), reloads the
// field and reports a change; choosing the stored entry, cancelling or a refusal by
// OnChange writes and reports nothing.
//
// Format: text0|text1|...; every non-empty field i becomes an entry with data i, empty
// fields add nothing but keep their number. The text form is the entry text; SetAsText
// writes without NotifyWrite. Without the property the field stays empty and the button
// opens no dialog; a dialog that cannot be shown counts as cancelled.
class VANTORUI_EXPORT CUIPickList : public CUIPickBase {
    AFX_DECLARE_CLASS(CUIPickList)
    AFX_DECLARE_CONSTRUCT(CUIPickList)
    friend class CPickListDlg;

public:
    CUIPickList() = default;

    // TRUE. The control objects, which never get windows in text mode, go with the element.
    int UseTextMode() override;
    int SetAsText(CString text) override;
    CString GetAsText() override;

protected:
    void OnBind() override;
    void OnLoad() override;
    int OnPick() override;
    // Asked before a value chosen in the dialog is written; FALSE refuses it.
    virtual int OnChange(unsigned int data);

    // Appends an entry; an empty text adds nothing.
    void AddData(unsigned int data, CString text);
    // The text of the first entry with the data; null when none has it.
    CString const * FindText(unsigned int data) const;

    CArray<CString> m_listText{16};
    CArray<unsigned int> m_listData{16};
};
