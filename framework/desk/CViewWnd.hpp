#pragma once

#include "CWnd.hpp"
#include "haldendesk_export.h"

class CItem;
class CMultiViewWnd;

// A child window that shows an item. The view is attached to its item with Attach, before or
// after its window exists; what it shows is up to the derived view (OnAttach).
//
// The current view: each top-level window has at most one current view among the views
// below it, the one the user last worked in. Making a view current sends
// WM_AFX_SETCURRENT (wParam FALSE) to the view that stops being current, then
// WM_AFX_SETCURRENT (wParam TRUE) to the view that becomes current; a view that is already
// current hears nothing. A destroyed view stops being current without a message.
//
// Options (SetOptions), a word of flags:
// - optionAutoDelete: the view object belongs to its window and is deleted after the
//   window's last message, as controls are; allocate such views with new. Whoever holds a
//   view with this option deletes it only while it never got a window.
class HALDENDESK_EXPORT CViewWnd : public CWnd {
    AFX_DECLARE_CLASS(CViewWnd)
    AFX_DECLARE_CONSTRUCT(CViewWnd)
public:
    static constexpr UINT optionAutoDelete = 0x0001;

    CViewWnd() = default;
    ~CViewWnd() override;

    // Creates the view's window as a visible child of `parent` (WS_CHILD | WS_VISIBLE).
    virtual BOOL Create(CWnd * parent, CRect const & rect, UINT id);

    // Attaches the view to an item (null: none) and calls OnAttach, whether or not the window
    // exists. Attaching again, to another item or the same one, calls OnAttach again. The
    // view does not own the item.
    void Attach(CItem * item);
    CItem * GetItem() const { return m_item; }

    UINT GetOptions() const { return m_options; }
    void SetOptions(UINT options) { m_options = options; }

    // Whether this view is the current view of its top-level window; FALSE without a window.
    BOOL IsCurrent() const;
    // Makes the view current (TRUE) or makes its top-level window have no current view
    // (FALSE, only when this view is the current one). Does nothing without a window.
    void SetCurrent(BOOL current);

protected:
    // Called by Attach after the item has been stored; does nothing here.
    virtual void OnAttach() {}

    void PostNcDestroy() override;

private:
    friend class CMultiViewWnd;

    CItem * m_item = nullptr;
    UINT m_options = 0;
    // The multi-view that holds this view; it is told when the view object goes.
    CMultiViewWnd * m_holder = nullptr;
};
