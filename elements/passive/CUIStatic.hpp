#pragma once

#include "CUIControl.hpp"

class CLayItemText;
class CStatic;

// A fixed text on the page, named in a schema record like any editor: its format string is
// the text shown, in the value column (the label column stays empty).
class VANTORUI_EXPORT CUIStatic : public CUIControl {
    AFX_DECLARE_CLASS(CUIStatic)
    AFX_DECLARE_CONSTRUCT(CUIStatic)
public:
    CUIStatic();

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    CRect GetTextRect();

    CLayItemText * m_layText = nullptr;
    CStatic * m_ctrlText;
    CString m_text;
    CString m_reserved;
};
