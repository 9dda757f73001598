#pragma once

#include "CMainWnd.hpp"
#include "WinConstants.hpp"

class CItem;
class CViewWnd;

// The main program's window: a field for the device's name above the item's view. The field
// writes the item's "Name" when it loses the focus; the view fills the rest of the window
// and sets the window's smallest size.
class CDemoFrame : public CMainWnd {
    AFX_DECLARE_CLASS(CDemoFrame)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT idName = 0x100;
    static constexpr UINT idView = 0x101;
    // The height of the strip that holds the name field.
    static constexpr LONG stripHeight = 32;

    // Creates the window with its field and a view of the item; the view belongs to its
    // window. The window is shown at the view's smallest size.
    BOOL Create(char const * title, CItem & item, CViewWnd * view);

protected:
    void OnSize(UINT type, CSize size);
    void OnGetMinMaxInfo(MINMAXINFO & info);
    BOOL OnCommand(UINT id, UINT code, CWnd & control);

private:
    CItem * m_item = nullptr;
    CViewWnd * m_view = nullptr;
};
