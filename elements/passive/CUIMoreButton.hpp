#pragma once

#include "CUIControl.hpp"

class CButton;
class CLayItemText;

// A push button captioned with the property's name, in the value column beside an empty
// label cell. It holds no value: every press reports one change of its tag through the view
// (its save answers "written" without touching the item), and the item acts on it in its
// OnUIChange, for instance by opening further settings.
class VANTORUI_EXPORT CUIMoreButton : public CUIControl {
    AFX_DECLARE_CLASS(CUIMoreButton)
    AFX_DECLARE_CONSTRUCT(CUIMoreButton)
public:
    CUIMoreButton();

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * name) override;
    unsigned int OnSave(int flag) override;
    // The text item's rectangle, 3 pixels taller at the top and at the bottom.
    CRect GetRect();

    CString m_buttonText;
    CLayItemText * m_layButton = nullptr;
    CButton * m_ctrlButton;
};
