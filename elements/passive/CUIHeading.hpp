#pragma once

#include "CUIControl.hpp"

class CLayItemText;
class CStatic;

// A row or column head of a table, made by the view. Renaming it changes the text shown
// but not the text its size is measured from.
class VANTORUI_EXPORT CUIHeading : public CUIControl {
    AFX_DECLARE_CLASS(CUIHeading)
public:
    CUIHeading(char const * tag, char const * text);

protected:
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * name) override;

    CString m_labelText;
    CLayItemText * m_layLabel = nullptr;
    CStatic * m_ctrlLabel;
};
