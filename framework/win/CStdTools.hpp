#pragma once

#include "CFont.hpp"

// The shared standard tools: the fonts (and, with drawing, the colours and brushes) that
// every window and element uses, so that one place decides how the program looks.
class HALDENWIN_EXPORT CStdTools {
public:
    static CStdTools * FindInstance();

    // The font of texts on pages and in dialogs.
    CFont const & GetStdFont() const { return m_stdFont; }
    // The font of controls' own texts.
    CFont const & GetCtrlFont() const { return m_ctrlFont; }
    CFont const & GetBoldFont() const { return m_boldFont; }

private:
    CStdTools();

    CFont m_stdFont;
    CFont m_ctrlFont;
    CFont m_boldFont;
};
