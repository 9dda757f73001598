#pragma once

#include "CUIEditBase.hpp"

// Edits a whole-number property as a decimal number with a fixed number of places: the
// item stores 1234, two places show 12.34. The format "width|places|units|min|max" (every
// field optional) sets the field's width in digits, the places, the units text and the
// range, which is in display values (StoreToDisp of the stored value).
//
// What it sends: a save that writes calls the accessor's NotifyWrite and answers 1, so the
// view reports a change. Scroll steps (the spin keys of CUIEditIntegerCtrl) commit at once
// by sending the view the edit control's EN_KILLFOCUS (SendNotify); a step whose value does
// not survive DispToStore and StoreToDisp stays uncommitted in the field and beeps
// (MessageBeep(0)) instead.
//
// Decisions:
// - A typed number whose scaled value lies outside 32 bits stops at the nearer 32-bit bound
//   before the range check ("1e300" reads as 2147483647, "-1e300" as -2147483648), and a
//   text that is no number at all ("nan" included) reads as 0.
// - Widths above 40 digits size the field for 40; page steps are computed in 64 bits, so
//   many places give a step beyond every 32-bit value and Page Up and Page Down run to the
//   ends of the range.
// - Without the property the element shows nothing, writes nothing, SetAsText answers 0
//   and GetAsText gives an empty text.
class VANTORUI_EXPORT CUIEditInteger : public CUIEditBase {
    AFX_DECLARE_CLASS(CUIEditInteger)
    AFX_DECLARE_CONSTRUCT(CUIEditInteger)
public:
    CUIEditInteger();

    // Take effect at the next load, save or scroll; binding may replace them.
    void SetMin(int value) { m_valueMin = value; }
    void SetMax(int value) { m_valueMax = value; }
    void SetPlaces(unsigned int places) { m_places = places; }

    // Moves the value as a scroll bar request (SB_LINEUP 0 ... SB_BOTTOM 7) would.
    void Scroll(unsigned int code);

    // Text mode: the control objects are destroyed and the element never creates windows.
    int UseTextMode() override;
    // An empty text writes nothing (0); any other is written unchecked, without NotifyWrite.
    int SetAsText(CString text) override;
    CString GetAsText() override;

protected:
    void OnBind() override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;
    int OnNotify(unsigned int id, unsigned int code) override;
    using CUIControl::OnNotify;

    // Conversions between the stored value and the display value; both identities here.
    virtual int StoreToDisp(int value);
    virtual int DispToStore(int value);

    int Parse(char const * text);
    CString Format(int value);
    // Clamps a stored value into the range (through DispToStore); always TRUE.
    int Check(int & value);
    // Sends the parent the edit control's EN_KILLFOCUS, which saves the field through the
    // view; the save is over when it returns.
    void SendNotify();

    unsigned int m_places = 0;
    int m_valueMin = 0;
    int m_valueMax = 60000;
    int m_scrolled = 0;
};
