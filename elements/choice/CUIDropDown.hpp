#pragma once

#include "CUIDropBase.hpp"

// Edits an integer property by the choice of one entry of a fixed list: the property stores
// the entry's data value, the combo box (a drop-down list) shows its text. Format:
// "text0|text1|...", field i the entry of data value i; empty fields make no entry but keep
// their number ("Off||On": Off 0, On 2).
//
// Every change of the selection by the user (CBN_SELCHANGE) writes the chosen entry's data
// and calls NotifyWrite, also when it equals the stored value, and the view reports a
// change. A stored value that no shown entry carries shows no selection.
//
// Text form: the text (as stored, without decimal points) of the first entry that carries
// the value, shown or not; empty when none does. SetAsText takes the first entry whose text
// equals the given one (ASCII letter case ignored) and writes its data without NotifyWrite.
class VANTORUI_EXPORT CUIDropDown : public CUIDropBase {
    AFX_DECLARE_CLASS(CUIDropDown)
    AFX_DECLARE_CONSTRUCT(CUIDropDown)
public:
    CUIDropDown() = default;

    // The control objects of an element used only for its text are released with it.
    int UseTextMode() override;
    int SetAsText(CString text) override;
    CString GetAsText() override;

protected:
    void OnBind() override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;
};
