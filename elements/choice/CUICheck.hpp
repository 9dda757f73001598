#pragma once

#include "CUIControl.hpp"

#include <cstdint>

class CButton;
class CLayItemText;

// Edits a yes/no property as one check box whose text is the property's name (without the
// ":" of labels); it stands in the editor column, an empty cell in the label column.
//
// Format: empty for the whole value (shown checked when not 0, saved as 1 or 0), or "B"
// followed by a decimal bit number to edit that one bit of the value, so that several check
// boxes can share one integer property as flags. The bit used is the number mod 32 ("B35"
// edits bit 3); the number is read as atoi does into an unsigned field, so "B-1" reads as
// all ones, which is the whole-value mode, and other negative numbers wrap ("B-3" edits bit
// 29). Every shift is by a number below 32.
//
// A click (BN_CLICKED) saves: the checked state, or the stored value with the bit set or
// cleared, written with NotifyWrite only when it differs from the stored value.
//
// Text form: "Yes" or "No"; SetAsText looks at the first character only, case-sensitive:
// "Y" or "1" is yes, "N" or "0" no, anything else (the empty text too) is refused. It writes
// without NotifyWrite. In bit mode the text form follows what loading and saving do: it
// reads the element's own bit ("Yes" when set, whatever the other bits hold) and writes the
// stored value with only that bit set or cleared, so check boxes sharing a value never
// change each other's bits through their texts.
//
// A check box without a name draws a focus frame around the box itself on BN_SETFOCUS and
// removes it on BN_KILLFOCUS (BS_NOTIFY makes the box send them), drawn straight on the
// parent as the control's own focus frame would go around its missing text.
class VANTORUI_EXPORT CUICheck : public CUIControl {
    AFX_DECLARE_CLASS(CUICheck)
    AFX_DECLARE_CONSTRUCT(CUICheck)
public:
    static constexpr std::uint32_t wholeValue = 0xFFFFFFFF;

    CUICheck();

    // The control object of an element used only for its text is released with it.
    int UseTextMode() override;
    int SetAsText(CString text) override;
    CString GetAsText() override;

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

    // The stored value with the element's bit set or cleared; the state itself (1 or 0) in
    // whole-value mode.
    int Apply(int stored, bool checked) const;
    // Whether a stored value shows checked: its bit, or any bit in whole-value mode.
    bool IsSet(int stored) const;
    // Draws the focus frame around the box on the parent, or removes it.
    void DrawFocusFrame();

    CString m_labelText;
    CLayItemText * m_layCheck = nullptr;
    CButton * m_ctrlBox;
    std::uint32_t m_bit = wholeValue;
};
