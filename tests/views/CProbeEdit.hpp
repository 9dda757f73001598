#pragma once

#include "CUIControl.hpp"

class CEditCtrl;

// A minimal editing element for the view's tests: an edit control that saves its text to
// the property when it loses the focus.
class CProbeEdit : public CUIControl {
    AFX_DECLARE_CLASS(CProbeEdit)
    AFX_DECLARE_CONSTRUCT(CProbeEdit)
public:
    CProbeEdit();
    CEditCtrl * GetEdit() const { return m_edit; }
    // A record of this class for a tag, for CUIViewWnd::AddUI.
    static CUIData Record(char const * tag, char const * tip = "");
    // How many control notifications the view offered this element.
    int m_offered = 0;

protected:
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;
    int OnNotify(unsigned int id, unsigned int code) override;
    using CUIControl::OnNotify;

    CEditCtrl * m_edit;
    CLayItem * m_layEdit = nullptr;
};
