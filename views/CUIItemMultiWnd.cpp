#include "CUIItemMultiWnd.hpp"

#include "CUIItemViewWnd.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CUIItemMultiWnd, CMultiViewWnd, &CMultiViewWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CUIItemMultiWnd, CMultiViewWnd)
AFX_ON_MESSAGE("V-", WM_AFX_POSTCREATE, &CUIItemMultiWnd::OnPostCreate)
AFX_END_MESSAGE_MAP()

CUIItemMultiWnd::CUIItemMultiWnd(char const * names) : m_names(names) {
    SetOptions(optionAutoDelete);
}

void CUIItemMultiWnd::OnPostCreate() {
    SetTabStyle(tabStyleTop);
    MakeTabs(TRUE);
    CMultiViewWnd::OnPostCreate();
}

void CUIItemMultiWnd::MakeTabs(BOOL) {
    if (m_names.IsEmpty())
        return;
    CArray<CString> names;
    m_names.Tokenize(',', names);
    for (UINT i = 0; i < names.GetCount(); ++i)
        AddView(names[i], new CUIItemViewWnd(i + 1));
    AttachViews();
}

void CUIItemMultiWnd::OnAttach() {
    FindItem();
    AttachViews();
}

void CUIItemMultiWnd::AttachViews() {
    if (!GetSafeHwnd())
        return;
    for (UINT i = 0; i < GetViewCount(); ++i)
        if (CViewWnd * view = GetView(i))
            view->Attach(m_item);
}

void CUIItemMultiWnd::FindItem() {
    CMultiViewWnd::OnAttach();
    m_item = GetItem();
}
