#pragma once

#include "CSize.hpp"
#include "CUIControl.hpp"

class CButton;
class CLayFormPad;

// The titled frame around a group of elements, made by the view around the group's
// formation. The frame leaves a title line above the body.
class VANTORUI_EXPORT CUIGroup : public CUIControl {
    AFX_DECLARE_CLASS(CUIGroup)
public:
    // `body` is the group's formation; the group's layout takes it over.
    CUIGroup(char const * title, CLayItem * body);

protected:
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    // Measures "X" in the standard font into m_sizeChar.
    void FindMetrics();

    CString m_title;
    CLayItem * m_layBody;
    CLayFormPad * m_layFrame = nullptr;
    CButton * m_ctrlFrame;
    CSize m_sizeChar;
};
