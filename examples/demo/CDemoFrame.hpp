#pragma once

#include "CMainWnd.hpp"
#include "WinConstants.hpp"

class CItem;
class CMenuButton;
class CViewWnd;

// The main program's window: a strip with a menu button of the device's presets above the
// item's view. Choosing a preset writes its values through the item's accessors (each write
// told to the item, which is marked dirty) and reloads the view. The view fills the rest of
// the window and sets the window's smallest size.
class CDemoFrame : public CMainWnd {
    AFX_DECLARE_CLASS(CDemoFrame)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT idPresets = 0x100;
    static constexpr UINT idView = 0x101;
    // The height of the strip that holds the presets.
    static constexpr LONG stripHeight = 32;

    // Creates the window with its strip and a view of the item; the view belongs to its
    // window. The window is shown at the view's smallest size.
    BOOL Create(char const * title, CItem & item, CViewWnd * view);

protected:
    void OnSize(UINT type, CSize size);
    void OnGetMinMaxInfo(MINMAXINFO & info);
    BOOL OnCommand(UINT id, UINT code, CWnd & control);

private:
    void ApplyPreset(UINT index);

    CItem * m_item = nullptr;
    CViewWnd * m_view = nullptr;
    CMenuButton * m_presets = nullptr;
};
