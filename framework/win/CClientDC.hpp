#pragma once

#include "CDC.hpp"

class CWnd;

// A device context for drawing on a window's client area outside of painting: origin at
// the client area's top-left, clipped to it and to its ancestors' client areas. It draws
// nothing for a window that does not exist.
class HALDENWIN_EXPORT CClientDC : public CDC {
public:
    explicit CClientDC(CWnd * wnd);

protected:
    struct Area {
        CSurface * surface = nullptr;
        CPoint origin;
        CRect clip;
    };
    CClientDC(Area const & area);
    static Area AreaOf(CWnd * wnd);
};
