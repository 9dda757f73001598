#pragma once

#include "CArray.hpp"
#include "CTabCtrl.hpp"
#include "CViewWnd.hpp"
#include "haldendesk_export.h"

// A view that holds other views, one per tab of a tab control (CTabCtrl), and shows one of
// them at a time: the active view, which fills the tab control's display area and follows
// the multi-view's size. Clicking a tab (or choosing it with the tab control's keys) makes
// its view the active one: that view is shown and the others hidden.
//
// Views are added with AddView before or after the window exists; those added before get
// their windows when the multi-view has been created (OnPostCreate, the handler of
// WM_AFX_POSTCREATE, which a derived multi-view that adds its views there calls after adding
// them). The first view added is the active one until another is chosen.
//
// The multi-view owns its views: a view with CViewWnd::optionAutoDelete goes with its
// window, any other is deleted with the multi-view; a view that is deleted earlier leaves
// its tab. Attaching the multi-view to an item attaches none of its views; a derived view
// attaches them as it needs.
//
// WM_GETMINMAXINFO answers, as the minimum track size, the largest minimum of the views
// plus what the tab row and the panel's frame take.
class HALDENDESK_EXPORT CMultiViewWnd : public CViewWnd {
    AFX_DECLARE_CLASS(CMultiViewWnd)
    AFX_DECLARE_CONSTRUCT(CMultiViewWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // Tab styles: a row of tabs on top of the views, or no tabs at all (the program picks
    // the active view); other values act as tabStyleTop.
    static constexpr UINT tabStyleTop = 0;
    static constexpr UINT tabStyleNone = 1;
    // The tab control's identifier and the first view's; the views follow in order.
    static constexpr UINT idTabs = 1;
    static constexpr UINT idFirstView = 0x100;

    CMultiViewWnd() = default;
    ~CMultiViewWnd() override;

    // Creates the window as a visible child; its tab control and views take part in the tab
    // order of an enclosing dialog (WS_EX_CONTROLPARENT).
    BOOL Create(CWnd * parent, CRect const & rect, UINT id) override;

    // Adds a view under a tab named `name` and returns its index; the multi-view owns it from
    // then on. -1 (and nothing added) for a null view.
    int AddView(char const * name, CViewWnd * view);
    UINT GetViewCount() const { return m_views.GetCount(); }
    // The view at an index, or null.
    CViewWnd * GetView(UINT index) const;
    // The active view (null when there is none) and its index (-1).
    CViewWnd * GetActiveView() const;
    int GetActiveIndex() const { return m_active; }
    // Makes the view at an index the active one, without a notification; an index out of
    // range changes nothing.
    void SetActiveView(UINT index);

    UINT GetTabStyle() const { return m_tabStyle; }
    void SetTabStyle(UINT style);

    CTabCtrl & GetTabCtrl() { return m_tabs; }

protected:
    // Makes the windows of the views that have none yet and shows the active one.
    virtual void OnPostCreate();

    int OnCreate(CREATESTRUCT & create);
    void OnSize(UINT type, CSize size);
    void OnGetMinMaxInfo(MINMAXINFO & info);
    void OnTabSelChange(UINT id, NMHDR & header);

private:
    friend class CViewWnd;

    struct Page {
        CString name;
        CViewWnd * view = nullptr;
    };

    // A view object is going: it leaves its page and its tab.
    void ForgetView(CViewWnd * view);
    void CreateViewWindow(UINT index);
    // The rectangle that the views fill, in client coordinates.
    CRect GetDisplayRect() const;
    void PlaceViews();
    void ShowActive();

    CArray<Page> m_views;
    CTabCtrl m_tabs;
    UINT m_tabStyle = tabStyleTop;
    int m_active = -1;
};
