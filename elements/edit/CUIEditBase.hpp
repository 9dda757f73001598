#pragma once

#include "CUIControl.hpp"

class CLayItem;
class CStatic;
class CUIEditCtrl;

// The base of the elements that edit their value as typed text: a label on the left, one
// edit control (a CUIEditCtrl made by the subclass) and a units text right of it. It lays
// the three out, creates, moves and relabels them; it reads and writes no value itself.
// The edit control is the main control with EN_KILLFOCUS, so leaving the field saves it.
//
// An element whose item lacks its property creates no windows and takes no identifier:
// it shows nothing and writes nothing. An element in text mode (UseTextMode of a subclass)
// has no control objects at all and likewise never creates windows.
class VANTORUI_EXPORT CUIEditBase : public CUIControl {
    AFX_DECLARE_CLASS(CUIEditBase)
    AFX_DECLARE_CONSTRUCT(CUIEditBase)
public:
    CUIEditBase();

    // The edit control; there is none in text mode or in a bare CUIEditBase.
    CUIEditCtrl & GetEditCtrl() { return *m_ctrlEdit; }

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * text) override;

    // The edit control's rectangle, as OnCreate and OnMove place it.
    CRect GetDataCtrlRect();
    // OnCreate followed by the edit control's length limit.
    void CreateLimited(CWnd & parent, unsigned int & id, UINT limit);
    // Destroys the control objects for text mode.
    void DropControls();
    // Whether a value can be shown: the property exists and the edit control has a window.
    bool HasEditWindow() const;
    // Shows a loaded text: set, wholly selected while the control has the focus, unmodified.
    void ShowText(char const * text);
    // The text in the edit control.
    CString GetEditText() const;

    CString m_labelText;
    CString m_sizeText;
    CString m_units;
    std::uint32_t m_editStyle = 0;
    int m_wideUnits = 0;
    CLayItem * m_layLabel = nullptr;
    CLayItem * m_layEdit = nullptr;
    CLayItem * m_layUnits = nullptr;
    CStatic * m_ctrlLabel;
    CUIEditCtrl * m_ctrlEdit = nullptr;
    CStatic * m_ctrlUnits;
};
