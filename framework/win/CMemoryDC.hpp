#pragma once

#include "CDC.hpp"

class CBitmap;

// A device context that draws into a bitmap in memory, on the same device as another
// device context. It draws nothing until a colour bitmap is selected into it; a selected
// 1-bit bitmap serves as a source of BitBlt only.
class HALDENWIN_EXPORT CMemoryDC : public CDC {
public:
    explicit CMemoryDC(CDC & compatible);

    using CDC::Select;
    // Selects a bitmap to draw into and copy from; Deselect restores what was selected
    // before. FALSE for an empty bitmap, which is then not selected.
    BOOL Select(CBitmap & bitmap);
};
