#pragma once

#include "CMainWnd.hpp"
#include "WinConstants.hpp"

class CViewWnd;

// The preview's window: the view fills it, and its limits are the view's.
class CPreviewFrame : public CMainWnd {
    AFX_DECLARE_CLASS(CPreviewFrame)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // Creates the hidden window at a size with the view inside; the view belongs to the
    // window from then on, also when the window cannot be made.
    BOOL Create(char const * title, CSize size, CViewWnd * view);

protected:
    void OnSize(UINT type, CSize size);
    void OnGetMinMaxInfo(MINMAXINFO & info);

private:
    CViewWnd * m_view = nullptr;
};
