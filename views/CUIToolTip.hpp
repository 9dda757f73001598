#pragma once

#include "CToolTip.hpp"

// The view's tooltip. A mouse over a control inside a view counts as over the view, whose
// tools carry the element rectangles: the window the tooltip finds under the pointer is
// replaced by the nearest view above it (none when there is no view).
class CUIToolTip : public CToolTip {
public:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
