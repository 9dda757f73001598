#pragma once

#include "CUIEditCtrl.hpp"

class CUIEditInteger;

// The edit control of the integer editor, with spin keys: Up and Down step the value by
// one unit of the last place, Page Up and Page Down jump to the next multiple of the page
// step, Ctrl+Home and Ctrl+End go to the maximum and the minimum. Holding Up or Down for a
// second (the quick timer, on the window system's clock) turns the further repeats into
// page steps until the key is released. Every other key is CUIEditCtrl's.
//
// The quick timer's identifier is one for all these controls, taken when the library loads.
// WM_TIMER carries no timer procedure here, so its handler takes the second parameter as a
// plain value.
class VANTORUI_EXPORT CUIEditIntegerCtrl : public CUIEditCtrl {
    AFX_DECLARE_CLASS(CUIEditIntegerCtrl)
    AFX_DECLARE_MESSAGE_MAP()
public:
    explicit CUIEditIntegerCtrl(CUIEditInteger * owner);

    static UINT m_timerQuick;

protected:
    void OnKeyDown(UINT key, DWORD flags);
    void OnKeyUp(UINT key, DWORD flags);
    void OnTimer(UINT id, LPARAM proc);

    // Starts the quick timer at the first key-down of a press.
    void StartQuick();

    CUIEditInteger * m_owner;
    int m_firstKey = 1;
    int m_quick = 0;
};
