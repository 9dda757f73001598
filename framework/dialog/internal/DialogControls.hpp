#pragma once

#include "CDialogTemplate.hpp"
#include "CRect.hpp"

class CWnd;

// The controls of dialog templates, made by their window-class names.
namespace DialogControls {

// Makes a template's control as a child of the dialog at a rectangle in pixels. Its object
// is the control class of the standard controls whose windows have that class (a CButton
// for "button", a CEditCtrl for "edit" ...), or a plain window object for any other
// registered class; either way it is deleted with its window. Null when the class is not
// registered or the window refused to be made.
CWnd * Create(CDialogTemplate::Item const & item, CRect const & rect, CWnd & dialog);

} // namespace DialogControls
