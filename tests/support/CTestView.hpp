#pragma once

#include "CUIToolTip.hpp"
#include "CUIViewWnd.hpp"

#include <functional>
#include <string>
#include <vector>

class CLayFormation;

// A view whose page a test builds (m_build runs as the view's OnUICreate), with its building
// state and its own change notifications open to the test.
class CTestView : public CUIViewWnd {
    AFX_DECLARE_CLASS(CTestView)
public:
    std::function<void(CTestView & view)> m_build;
    std::vector<std::pair<CItem *, std::string>> m_changes;

    unsigned int PageCells() const { return m_pageCells; }
    unsigned int GroupCells() const { return m_groupCells; }
    CLayFormation * Root() const { return m_root; }
    CLayFormation * Group() const { return m_group; }
    int Fits() const { return m_fits; }
    CString const & PathAt(UINT index) const { return m_paths[index]; }
    CToolTip * Tip() const { return m_toolTip; }
    unsigned int ToolId() const { return m_toolId; }
    using CUIViewWnd::GetObjectA;
    using CUIViewWnd::SendEnable;

protected:
    void OnUICreate() override;
    void OnUIChange(CItem * item, CString tag) override;
};
