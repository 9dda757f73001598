#pragma once

#include "CUIEditBase.hpp"

// Edits a 32-bit property as a hexadecimal number of a fixed number of digits, upper case
// with leading zeros (more digits when the value needs them). The format "digits|default"
// sets the digit count (4 when empty), which is also the most characters that can be typed,
// and the default text painted while the field is empty. Every entry is taken: a typed text
// reads as strtoul in base 16 would read it, 32 bits wide (no digits give 0, beyond 32 bits
// gives FFFFFFFF). A save that writes calls NotifyWrite and answers 1.
//
// Decisions:
// - A digit count of 0 or below sets no typing limit (the edit control's rule for a limit of
//   0 or one beyond its largest); the size text then has digits + 4 "X" when that is above
//   0 and none otherwise.
// - Digit counts beyond 40 (or below -40) show and size as 40 (or -40) would: a number read
//   from the format never decides how much is allocated.
// - Without the property the element shows nothing and writes nothing.
class VANTORUI_EXPORT CUIEditIntHex : public CUIEditBase {
    AFX_DECLARE_CLASS(CUIEditIntHex)
    AFX_DECLARE_CONSTRUCT(CUIEditIntHex)
public:
    CUIEditIntHex();

protected:
    void OnBind() override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;

    int m_digits = 4;
};
