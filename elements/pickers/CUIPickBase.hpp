#pragma once

#include "CUIControl.hpp"

class CButton;
class CEditCtrl;
class CLayItemText;
class CStatic;

// The base of values chosen in a dialog rather than typed: a label, a read-only edit control
// that shows the value, and a push button right of it ("Edit..." in the thread's language
// unless a subclass sets another text in its constructor). A press of the button runs
// OnPick; its answer is the element's answer to the click, so TRUE makes the view report a
// change of the element's tag. The base shows and writes nothing.
//
// The element takes two control identifiers: the edit control's, then the button's. The
// edit control is no tab stop, so Tab goes from the control before straight to the button.
// No control is the main control: nothing is saved when the focus leaves.
class VANTORUI_EXPORT CUIPickBase : public CUIControl {
    AFX_DECLARE_CLASS(CUIPickBase)
    AFX_DECLARE_CONSTRUCT(CUIPickBase)
public:
    CUIPickBase();

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * name) override;
    // Runs the pick for every notification of the button, whatever its code.
    int OnNotify(unsigned int id, unsigned int code) override;
    using CUIControl::OnNotify;
    // Lets the user choose a value and writes it; TRUE when the item changed.
    virtual int OnPick();

    CRect GetDataCtrlRect();
    // Shows a text in the edit control, with the caret after its last character so that the
    // end of a long text is in view.
    void ShowText(char const * text);
    // Moves the caret after the last character of the edit control's text.
    void CaretToEnd();

    CString m_labelText;
    CString m_sizeText;
    CString m_buttonText;
    DWORD m_editStyle = 0;
    int m_tallEdit = TRUE;
    CLayItemText * m_layLabel = nullptr;
    CLayItemText * m_layEdit = nullptr;
    CLayItemText * m_layButton = nullptr;
    CStatic * m_ctrlLabel;
    CEditCtrl * m_ctrlEdit;
    CButton * m_ctrlButton;
    unsigned int m_buttonId = noId;
};
