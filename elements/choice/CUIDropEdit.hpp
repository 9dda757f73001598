#pragma once

#include "CUIDropBase.hpp"

// Edits an integer property in an editable combo box: the user types a number or picks one
// of the suggested numbers. Format: "min|max|suggestion|suggestion|...": a non-empty field 0
// sets the smallest value (default 0), field 1 the largest (default 60000), both in display
// units; every non-empty field from 2 on is a suggestion (data value: its field number, not
// used).
//
// Saving happens when the combo box loses the focus (CBN_KILLFOCUS): the text is read as
// atoi does (no number reads as 0; beyond 32 bits it saturates), turned into a stored value
// by DispToStore, and when it differs from the stored value it is limited to the range and
// written with NotifyWrite. The text is not rewritten by the save, so an entry out of range
// stays visible until the element is loaded again.
//
// Loading shows the stored value (through StoreToDisp) as unsigned decimal: the suggestion
// of exactly that text is selected, else the text goes into the edit field, all of it
// selected when the combo box has the focus. No text form.
class VANTORUI_EXPORT CUIDropEdit : public CUIDropBase {
    AFX_DECLARE_CLASS(CUIDropEdit)
    AFX_DECLARE_CONSTRUCT(CUIDropEdit)
public:
    CUIDropEdit() = default;

protected:
    void OnBind() override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;

    // Stored value to displayed value and back; both unchanged here, for subclasses that
    // show other units.
    virtual int StoreToDisp(int value);
    virtual int DispToStore(int value);

    // Limits a stored value to DispToStore(m_valueMin) .. DispToStore(m_valueMax); TRUE.
    BOOL Check(int & value);
    // A value as unsigned decimal text.
    CString Format(int value);

    int m_valueMin = 0;
    int m_valueMax = 60000;
};
