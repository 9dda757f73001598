#pragma once

#include "AfxTypes.hpp"

// A selection of an edit control's text, as CEditCtrl::SetSel takes it: from a start (the
// anchor) to an end (where the caret goes), byte offsets into the text; an end of -1 is the
// end of the text. CRange(TRUE) is the whole text; CRange(FALSE) is no selection at all:
// the selection is removed and the caret stays where it is.
class CRange {
public:
    explicit CRange(BOOL all) : m_start(all ? 0 : -1), m_end(-1) {}
    CRange(int start, int end) : m_start(start), m_end(end) {}

    int GetStart() const { return m_start; }
    int GetEnd() const { return m_end; }
    // True for CRange(FALSE) and every range with a negative start.
    bool IsNone() const { return m_start < 0; }

private:
    int m_start;
    int m_end;
};
