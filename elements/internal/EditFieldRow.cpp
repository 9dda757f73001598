#include "internal/EditFieldRow.hpp"

#include "CLayItem.hpp"
#include "CWnd.hpp"

namespace EditFieldRow {

CRect DataRect(CLayItem const & edit) {
    CRect rect = edit.GetRect() + 2;
    rect.left += 1;
    return rect;
}

void Move(CWnd & label, CLayItem const & layLabel, CWnd & data, CLayItem const & layData,
          CWnd & trailing, CLayItem const & layTrailing) {
    if (label.GetSafeHwnd())
        label.MoveWindow(layLabel.GetRect(), TRUE);
    if (data.GetSafeHwnd())
        data.MoveWindow(DataRect(layData), TRUE);
    if (trailing.GetSafeHwnd())
        trailing.MoveWindow(layTrailing.GetRect(), TRUE);
}

} // namespace EditFieldRow
