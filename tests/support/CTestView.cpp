#include "CTestView.hpp"

AFX_IMPLEMENT_CLASS(CTestView, CUIViewWnd, nullptr)

void CTestView::OnUICreate() {
    if (m_build)
        m_build(*this);
}

void CTestView::OnUIChange(CItem * item, CString tag) {
    m_changes.emplace_back(item, tag.Str());
}
