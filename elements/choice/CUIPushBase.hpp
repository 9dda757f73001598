#pragma once

#include "CArray.hpp"
#include "CUIControl.hpp"

#include <cstdint>

class CButton;
class CLayItemText;
class CStatic;

// A row or column of push buttons, one per non-empty field of the format "text0|text1|...",
// bound to an integer property that keeps no lasting value: pressing button k (its position
// among the buttons made; with "Apply||Reset", Reset is 1) writes k, without NotifyWrite,
// and the view reports a change of the element's tag, by which the item learns which button
// was pressed. Loading writes 0, without NotifyWrite. The subclasses choose the formation
// (MakeLayout). The label takes an empty cell in the label column; no text form.
//
// The buttons take consecutive identifiers from m_idFirst to below m_idEnd; every
// notification from them counts as a press.
class VANTORUI_EXPORT CUIPushBase : public CUIControl {
    AFX_DECLARE_CLASS(CUIPushBase)
public:
    CUIPushBase();

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * name) override;
    void OnLoad() override;
    int OnNotify(unsigned int id, unsigned int code) override;
    using CUIControl::OnNotify;

    // The formation that arranges the buttons; the element's layout takes it over.
    virtual CLayFormation * MakeLayout() = 0;

    // Appends an entry; an empty text makes none.
    void AddData(unsigned int data, CString text);
    void AddData(CLayItemText * item);

    CString m_labelText;
    CArray<CString> m_listText{16};
    CArray<std::uint32_t> m_listData{16};
    CLayItem * m_layLabel = nullptr;
    CStatic * m_ctrlLabel;
    CArray<CButton *> m_ctrlButtons{16};
    CArray<CLayItem *> m_layButtons{16};
    unsigned int m_idFirst = 0;
    unsigned int m_idEnd = 0;
};
