#pragma once

#include "CDialog.hpp"
#include "vantorcore_export.h"

class CItem;
class CViewWnd;

// A modal dialog that shows an item's own view (CItem::CreateItemView) above OK and Cancel.
//
// Execute makes the view, attaches it to the item and puts it in the dialog, which takes the
// view's minimum track size (WM_GETMINMAXINFO) and asks again once the view has set itself
// up after its creation (its WM_AFX_POSTCREATE); the focus then goes to the view's first tab
// stop. Tab stays inside a dialog view, so the keys of the dialog are Return and Escape.
//
// OK (its button) first sends the view WM_COMMAND IDOK, so that it commits what is being
// edited as Return in the view does, then ends the dialog with IDOK. Return in a dialog view
// that leaves IDOK to its parent ends the dialog the same way, the view having had it once;
// a view that handles IDOK itself keeps the dialog open on Return. Cancel, Escape and the close box
// end it with 0 and tell the view nothing. What the view writes to the item while the user edits
// stays written; a caller that wants cancelling to leave an item untouched shows a copy of it.
//
// The view is released when the dialog ends: with its window when it has
// CViewWnd::optionAutoDelete, else by the dialog.
class VANTORCORE_EXPORT CItemDialog : public CDialog {
    AFX_DECLARE_CLASS(CItemDialog)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // The dialog does not own the item; `caption` is its window's caption.
    CItemDialog(CItem * item, char const * caption);
    ~CItemDialog() override;

    // Runs the dialog over parent's top-level window and returns IDOK when the user
    // confirmed, 0 when not. An item without a view (or a null item), or a view whose window
    // cannot be made, gives 0 at once and an "ERROR: " trace line.
    int Execute(CWnd * parent);

    CItem * GetItem() const { return m_item; }
    // The item's view while the dialog runs; null before and after.
    CViewWnd * GetView() const { return m_view; }

protected:
    BOOL OnCreateDialog(CWnd * owner) override;
    void OnOK() override;
    BOOL OnCommandOK(UINT id, UINT code, CWnd & control);
    void OnViewReady();

private:
    // Sizes the dialog around the view's minimum and places the buttons under it.
    void Layout();
    void ReleaseView();

    CItem * m_item;
    CViewWnd * m_view = nullptr;
    HWND m_viewHwnd = nullptr;
    // Whether the view object goes with its window.
    bool m_viewReleasedWithWindow = false;
    // The IDOK being handled is one the view had first and passed on.
    bool m_okFromView = false;
};
