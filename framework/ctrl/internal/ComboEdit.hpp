#pragma once

#include "CEditCtrl.hpp"

// The edit field of a drop-down combo box, its child with identifier 1001 as on Windows.
// It edits like any edit control, but the keys that choose entries belong to the combo
// box: Up, Down, Page Up, Page Down and F4 always, Return and Escape while the list is
// open, and its dialog code asks for those two then so that the dialog leaves them to it.
class ComboEdit : public CEditCtrl {
public:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsComboKey(UINT key) const;
    bool IsDropped() const;
};
