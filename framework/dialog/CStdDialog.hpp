#pragma once

#include "CDialog.hpp"
#include "CEntity.hpp"
#include "CFont.hpp"
#include "haldendialog_export.h"

// A dialog built from a dialog template resource (CDialogTemplate): SetName names it, and
// Execute makes the window and its controls from it, in the thread's language.
//
// Dialog units become pixels through the dialog's font, the template's or, when it names
// none, the standard font (CStdTools::GetStdFont): a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its line height. A template
// whose size is 0 x 0 is made as large as its controls need, with the same margin right and
// below them as left of and above them. The dialog is centred over its owner; without one it
// stands at the template's position.
//
// Controls are made in template order, by their window-class names; the standard controls
// get objects of their classes, so that a derived dialog can take them from GetDlgItem (a
// CListBox for "listbox", a CEditCtrl for "edit" ...), and all of them get the dialog's font.
// The control with BS_DEFPUSHBUTTON is the default button (Return presses it).
//
// A template that cannot be loaded, or that names a window class that is not registered,
// is refused as a whole: Execute writes a trace line that begins with "ERROR: ", tells the
// user in a message box and returns -1, without making any window.
class HALDENDIALOG_EXPORT CStdDialog : public CDialog {
    AFX_DECLARE_CLASS(CStdDialog)
    AFX_DECLARE_CONSTRUCT(CStdDialog)
public:
    CStdDialog();

    // Names the dialog template resource, in the entity's module.
    void SetName(CEntity const & name);

    // A rectangle in dialog units in pixels (each side converted), in the font of the
    // dialog being shown.
    CRect MapDialogRect(CRect const & units) const;

protected:
    BOOL OnCreateDialog(CWnd * owner) override;

private:
    // Tells the trace and the user that the dialog cannot be shown; returns FALSE.
    BOOL Refuse(CWnd * owner, UINT message, char const * argument, char const * reason);
    CString TemplateName() const;
    // A place in dialog units in pixels: the position and the size converted apart, so that
    // equal sizes stay equal wherever they stand.
    CRect MapPlace(int x, int y, int cx, int cy) const;

    CEntity m_name;
    CFont m_font;
    CSize m_baseUnits;
};
