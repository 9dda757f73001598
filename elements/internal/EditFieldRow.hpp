#pragma once

#include "CRect.hpp"

class CLayItem;
class CWnd;

// The row that edit fields and pick buttons share: a label, a data control (the edit
// control) and a trailing control (the units text or the button), each at the rectangle of
// its layout item. Both element bases place their controls through these, so the two rows
// line up on a page.
namespace EditFieldRow {

// The edit control's rectangle: its layout item grown by 2 on every side, the left edge
// then moved right by 1, so that the client edge sits around the sized text.
CRect DataRect(CLayItem const & edit);

// Moves the three controls to their items (repainting); a control without a window is left.
void Move(CWnd & label, CLayItem const & layLabel, CWnd & data, CLayItem const & layData,
          CWnd & trailing, CLayItem const & layTrailing);

} // namespace EditFieldRow
