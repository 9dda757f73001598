#pragma once

#include "CClientDC.hpp"

// The device context of a window's WM_PAINT handler: a client context clipped to the part
// waiting to be painted, which it marks as painted.
class HALDENWIN_EXPORT CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd * wnd);

private:
    static Area PaintAreaOf(CWnd * wnd);
};
