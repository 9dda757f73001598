#pragma once

#include "CUIControl.hpp"

class CButton;
class CLayItemText;

// A command button on the page. Its control identifier is its command, so a click reaches
// the view as that command rather than as a change of a property.
class VANTORUI_EXPORT CUIButton : public CUIControl {
    AFX_DECLARE_CLASS(CUIButton)
public:
    CUIButton(char const * text, char const * tip, unsigned int command);

protected:
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;

    CString m_text;
    unsigned int m_command;
    CLayItemText * m_layButton = nullptr;
    CButton * m_ctrlButton;
};
