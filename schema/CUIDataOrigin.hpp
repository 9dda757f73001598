#pragma once

#include "CString.hpp"

// Where a stored schema record came from: the resource or file it was read from and the
// language of that text (0 when the source has none).
struct CUIDataOrigin {
    CString m_source;
    LCID m_language = 0;
};
