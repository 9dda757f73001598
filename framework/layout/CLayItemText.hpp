#pragma once

#include "CLayItem.hpp"
#include "CString.hpp"

// An item sized to a text, measured in the standard font of CStdTools when prepared.
//
// Padding is added on each side, so a pad of (x, y) adds 2x to the width and 2y to the
// height. Sizes on a headless device (7x13 per character): CLayItemText("Name:", 1, 1) is
// 5*7 + 2 = 37 by 13 + 2 = 15.
//
// Pads callers use: 1,1 labels; 2,2 check-box texts; 1,2 radio texts; 3,1 edit fields;
// 4,1 address fields and pick buttons; 8,2 push-button texts; 0,1 an empty label.
//
// A text item never grows beyond its maximum, so editors do not stretch across a wide window.
class VANTORLAYOUT_EXPORT CLayItemText : public CLayItem {
    AFX_DECLARE_CLASS(CLayItemText)
public:
    // Minimum = maximum = the text's extent. A null text is empty.
    explicit CLayItemText(char const * text);
    // Minimum = maximum = the extent plus (padX, padY) on each side.
    CLayItemText(char const * text, int padX, int padY);
    // Minimum = extent plus minPad on each side; maximum = extent plus maxPad on each side
    // (never less than the minimum).
    CLayItemText(char const * text, CSize minPad, CSize maxPad);

    CString const & GetText() const { return m_text; }

protected:
    void OnPrepare(CDC & dc) override;

private:
    CString m_text;
    CSize m_minPad;
    CSize m_maxPad;
};
