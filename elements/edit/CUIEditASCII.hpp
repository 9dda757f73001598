#pragma once

#include "CUIEditBase.hpp"

// Edits an integer property that holds one character code. A printable character shows
// as itself, the codes 1 to 26 in caret notation (^A to ^Z), 0, 27 to 32 and 127 by their
// ASCII names (NUL, ESC ... SPACE, DEL) and every other code as "0x" with at least two
// upper-case hexadecimal digits (0x80). The user may type any of these forms, and the names
// of 1 to 26 as well (SOH, HT ...). The format "default|units|N" gives the default text,
// the units text, and with N refuses the code 0. An entry that is not understood is dropped
// without a message: the stored value shows again and the save answers 0. A save that
// writes calls NotifyWrite and answers 1. At most six characters can be typed.
//
// Decisions:
// - Names and the "0x" prefix compare without regard to the case of ASCII letters, as
//   CStrPtr's equality does: "esc" gives 27 and "0X41" gives 65.
// - "One character" is one code point: a typed character from U+0080 to U+00FF gives its
//   code (128 to 255); one beyond U+00FF is not a valid entry.
// - Without the property the element shows nothing and writes nothing.
class VANTORUI_EXPORT CUIEditASCII : public CUIEditBase {
    AFX_DECLARE_CLASS(CUIEditASCII)
    AFX_DECLARE_CONSTRUCT(CUIEditASCII)
public:
    // What Decode answers for an entry it does not take.
    static constexpr unsigned int invalid = 0xFFFFFFFF;

    CUIEditASCII();

protected:
    void OnBind() override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;

    CString Encode(unsigned int code);
    unsigned int Decode(CString text);

    int m_allowNul = 1;
};
