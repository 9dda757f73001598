#pragma once

#include "CArray.hpp"
#include "CUIControl.hpp"

#include <cstdint>

class CButton;
class CLayItemText;
class CStatic;

// Edits an integer property as a group of mutually exclusive radio buttons, one per
// non-empty field of the format "text0|text1|..."; the stored value is the chosen button's
// position among the buttons made (with "Off||On", On stores 1). The subclasses choose the
// formation of the buttons (MakeLayout); a label before them names the property.
//
// The buttons take consecutive identifiers from m_idFirst to below m_idEnd; the first one
// carries WS_GROUP and WS_TABSTOP, and the label, created after them with WS_GROUP, closes
// the group, so that the dialog keys move the focus (and the check) among the buttons with
// the arrow keys. A click, Space or an arrow key that checks another button (BN_CLICKED)
// saves: the first checked button's position is written with NotifyWrite when it differs
// from the stored value, and the view reports a change. Other notifications are not
// claimed. A stored value that is no button's position checks none. No text form.
class VANTORUI_EXPORT CUIRadioBase : public CUIControl {
    AFX_DECLARE_CLASS(CUIRadioBase)
public:
    CUIRadioBase();

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * name) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;
    int OnNotify(unsigned int id, unsigned int code) override;
    using CUIControl::OnNotify;

    // The formation that arranges the buttons; the element's layout takes it over.
    virtual CLayFormation * MakeLayout() = 0;

    // Appends an entry; an empty text makes none.
    void AddData(unsigned int data, CString text);
    void AddData(CLayItemText * item);
    void AddCtrl(CButton * ctrl);
    // Checks the button at a position and unchecks the others.
    void SetRadioGroup(unsigned int position);
    // The position of the first checked button; 0 when none is.
    unsigned int GetRadioGroup();

    CString m_labelText;
    CArray<CString> m_listText{16};
    CArray<std::uint32_t> m_listData{16};
    CLayItemText * m_layLabel = nullptr;
    CStatic * m_ctrlLabel;
    CArray<CButton *> m_ctrlButtons{16};
    CArray<CLayItem *> m_layButtons{16};
    unsigned int m_idFirst = 0;
    unsigned int m_idEnd = 0;
};
