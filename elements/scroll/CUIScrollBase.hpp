#pragma once

#include "CUIControl.hpp"

class CLayItemText;
class CScrollBar;
class CStatic;

// Edits an integer property with a scroll bar beside a label; the bar's position is the
// value. Format: "|page|min|max": fields 1 to 3, when present and not empty, set the page
// step (default 8), the lowest value (default 0) and the range end (default 16), read as
// atoi does (beyond 32 bits they saturate). The highest value is max - page; when that lies
// below min, every value is min.
//
// The bar's scroll messages reach the element through the view (OnScroll, with the scroll
// code in the high word of the value and the thumb position's low 16 bits, read unsigned, in
// the low word). This base handles none of them; CUIScrollHorz and CUIScrollVert move the
// value (Scroll). The element saves nothing through SaveUI and has no text form; its label
// keeps its text when renamed. Without the property the bar shows no thumb and ignores
// scrolling.
class VANTORUI_EXPORT CUIScrollBase : public CUIControl {
    AFX_DECLARE_CLASS(CUIScrollBase)
    AFX_DECLARE_CONSTRUCT(CUIScrollBase)
public:
    CUIScrollBase();

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnLoad() override;
    // The bar's scroll messages go to OnScroll; other identifiers are not the element's.
    int OnNotify(unsigned int id, unsigned int value) override;
    using CUIControl::OnNotify;

    // Handles one scroll message; TRUE makes the view report a change. FALSE here.
    virtual BOOL OnScroll(unsigned int value);

    // Moves the value by a scroll code 0 to 7: lines of 1, pages of m_scrollPage, the thumb
    // position, the lowest and the range end, limited to the values the bar can take; moves
    // the bar, writes the value with NotifyWrite and answers TRUE, on every such code, also
    // when the value stays as it was. Codes above 7 (SB_ENDSCROLL among them) answer FALSE.
    BOOL Scroll(unsigned int value);
    // The highest value the bar can take.
    int GetTop() const;

    CString m_labelText;
    int m_scrollPage = 8;
    int m_scrollMin = 0;
    int m_scrollMax = 16;
    CLayItemText * m_layLabel = nullptr;
    CLayItemText * m_layBar = nullptr;
    CStatic * m_ctrlLabel;
    CScrollBar * m_ctrlBar;
    UINT m_barStyle = 0;
};
