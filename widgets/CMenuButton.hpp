#pragma once

#include "CArray.hpp"
#include "CBitmap.hpp"
#include "CButton.hpp"
#include "CSize.hpp"
#include "CString.hpp"
#include "WinConstants.hpp"
#include "vantorui_export.h"

class CDC;

// An owner-drawn push button that works like a compact drop-down list: its face shows a
// small down-arrow and the text of the selected entry, and ShowMenu (which the owner calls,
// typically on the button's click) pops up a menu of the entries with the selected one
// checked; choosing an entry selects it.
//
// Entries: "-" is a separator and takes no index; a text beginning with "!" is a disabled
// entry (greyed in the menu, shown without the "!"); one beginning with "~" is hidden (not
// in the menu, but it takes an index). Indexes count every other entry from 0 in the order
// added; the menu command of index i is 100 + i.
//
// The face is drawn once into a bitmap, sized at Create from the entries (the widest text
// plus 20 by the tallest), and redrawn on SetData, on a choice and on WM_ENABLE; the button
// paints by copying it into its middle. A button without entries has a face of no height,
// so it paints only its edge; a selection past the last entry shows no text. The button
// sends no notifications of its own beyond those of CButton.
class VANTORUI_EXPORT CMenuButton : public CButton {
    AFX_DECLARE_CLASS(CMenuButton)
    AFX_DECLARE_CONSTRUCT(CMenuButton)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT firstCommand = 100;

    CMenuButton();

    // Appends an entry; the face is measured again at the next measuring pass.
    void AddString(char const * text);
    // Makes the window (WS_TABSTOP | BS_OWNERDRAW, hidden until the owner shows it), draws
    // the face and sets the standard control font. FALSE when the window cannot be made.
    BOOL Create(CRect const & rect, CWnd * parent, UINT id);

    // The face size, measured on the screen or on a given device context.
    CSize GetSize();
    CSize GetSize(CDC & dc);

    UINT GetData() const { return m_selection; }
    void SetData(UINT index);
    // Disables (a leading "!") or enables the entry of an index; no such index changes
    // nothing. The face is not redrawn.
    void Enable(UINT index, BOOL enable);
    // Pops the menu up below the button and selects the chosen entry; TRUE when one was.
    BOOL ShowMenu();

protected:
    void OnDrawItem(UINT id, DRAWITEMSTRUCT & item);
    void OnEnable(BOOL enable);
    void CalcSize(CDC & dc);
    void CreateBitmap();
    void UpdateBitmap();

    // The entry of an index (separators skipped); null when no entry has it.
    CString * FindEntry(UINT index);

    CArray<CString> m_entries{16};
    CSize m_faceSize;
    UINT m_selection = 0;
    CBitmap m_face;
    CBitmap m_check;
};
