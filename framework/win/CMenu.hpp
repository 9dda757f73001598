#pragma once

#include "CRect.hpp"
#include "CString.hpp"
#include "MenuFlags.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

#include <vector>

class CBitmap;
class CWnd;
class MenuWindow;

// A pop-up menu: a list of items, each a text with a command identifier, or a separator.
// An item can be greyed or disabled (then it cannot be chosen) and checked; a checked item
// shows a check mark, or the bitmap that SetMenuItemBitmaps gave it. Operations name an
// item by its command (MF_BYCOMMAND, the first item with it) or by its position from 0
// (MF_BYPOSITION).
//
// TrackPopupMenu shows the menu in a top-level pop-up window and runs a modal loop until
// the user chooses an item or cancels. The menu holds the mouse capture while it runs; the
// focus stays where it was, and keys reach the menu.
// - Moving the mouse over an item that can be chosen highlights it. Pressing a button over
//   the menu and releasing it over such an item chooses the item; pressing a button outside
//   the menu cancels.
// - Up and Down move the highlight to the previous or next item that can be chosen,
//   skipping separators, greyed and disabled items, and wrap around; Home and End go to
//   the first and the last. Return chooses the highlighted item, or closes the menu when
//   none is highlighted. Escape cancels.
// - Typing a character chooses the item it names: the character after "&" in the item's
//   text, or its first character when the text has no "&" ("&&" stands for "&"); letters
//   match in either case. When several items share the character, typing it moves the
//   highlight to the next of them instead.
// - Losing the capture to another window, or WM_CANCELMODE, cancels.
class HALDENWIN_EXPORT CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(CMenu const &) = delete;
    CMenu & operator=(CMenu const &) = delete;

    // Makes this an empty pop-up menu. FALSE when it is a menu already.
    BOOL CreatePopupMenu();
    // Removes the menu and its items. FALSE when there is no menu.
    BOOL DestroyMenu();

    // Appends an item: MF_STRING (a command and a text) with any of MF_GRAYED, MF_DISABLED
    // and MF_CHECKED, or MF_SEPARATOR. FALSE without a menu or for other flags.
    BOOL AppendMenu(UINT flags, UINT id = 0, char const * text = nullptr);
    BOOL AppendSeparator();

    // Checks (MF_CHECKED) or unchecks (MF_UNCHECKED) an item. Returns the item's check state
    // before (MF_CHECKED or MF_UNCHECKED), or 0xFFFFFFFF when there is no such item.
    UINT CheckMenuItem(UINT item, UINT flags);
    // Enables (MF_ENABLED), greys (MF_GRAYED) or disables (MF_DISABLED) an item. Returns its
    // MF_GRAYED and MF_DISABLED bits before, or 0xFFFFFFFF when there is no such item.
    UINT EnableMenuItem(UINT item, UINT flags);
    // The bitmaps an item shows in place of the check mark while unchecked and while checked;
    // null means nothing unchecked and the drawn check mark checked. A bitmap is centred on
    // the check mark's square (SM_CXMENUCHECK by SM_CYMENUCHECK) and clipped to the item; a
    // 1-bit bitmap's black pixels take the item's text colour. The caller keeps the bitmaps
    // alive while the menu has them. FALSE when there is no such item.
    BOOL SetMenuItemBitmaps(UINT item, UINT flags, CBitmap * unchecked, CBitmap * checked);

    // The number of items, separators included; -1 without a menu.
    int GetMenuItemCount() const;
    // The command of the item at a position: 0 for a separator, 0xFFFFFFFF past the end.
    UINT GetMenuItemID(int position) const;
    // The flags of an item (MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR), or
    // 0xFFFFFFFF when there is no such item.
    UINT GetMenuState(UINT item, UINT flags) const;
    // Copies an item's text and returns its length in bytes; 0 and an empty text when there
    // is no such item.
    int GetMenuString(UINT item, CString & text, UINT flags) const;

    // Shows the menu owned by `owner` and runs it until the user chooses or cancels. The
    // menu's top-left corner lies at (x, y) on the screen, or its centre or right side with
    // TPM_CENTERALIGN or TPM_RIGHTALIGN, its middle or bottom with TPM_VCENTERALIGN or
    // TPM_BOTTOMALIGN; a menu that would pass an edge of the screen opens on the other side
    // of the point, and is then moved inside the screen. The left button chooses, and with
    // TPM_RIGHTBUTTON the right button as well.
    // With TPM_RETURNCMD, returns the command chosen, or 0, and tells the owner nothing.
    // Without it, returns TRUE when an item was chosen, FALSE otherwise, and posts the owner
    // WM_COMMAND with the command in the low word of wParam (code 0, lParam 0).
    // Returns 0 at once for a menu without items, an owner that is not a window, or while
    // another menu runs.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd * owner);
    // While the menu runs, the screen rectangle of the item at a position; FALSE otherwise.
    BOOL GetMenuItemRect(UINT position, CRect & screen) const;

private:
    friend class MenuWindow;

    struct Item {
        UINT flags = MF_STRING;
        UINT id = 0;
        CString text;
        CBitmap * unchecked = nullptr;
        CBitmap * checked = nullptr;
    };

    Item * Find(UINT item, UINT flags);
    Item const * Find(UINT item, UINT flags) const;

    bool m_created = false;
    std::vector<Item> m_items;
    MenuWindow * m_window = nullptr; // while the menu runs
};
