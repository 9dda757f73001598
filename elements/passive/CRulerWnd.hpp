#pragma once

#include "CCtrlWnd.hpp"
#include "vantorui_export.h"

// A text followed by an etched rule to the right edge, for hosts that separate parts of
// their own forms. Hosts create it by class name or directly; the rule runs 8 pixels after
// the text at the middle of its line.
class VANTORUI_EXPORT CRulerWnd : public CCtrlWnd {
    AFX_DECLARE_CLASS(CRulerWnd)
    AFX_DECLARE_CONSTRUCT(CRulerWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    CRulerWnd() = default;

    char const * GetWindowClassName() const override;

protected:
    void OnPaint();
};
