#pragma once

#include "CUIPickBase.hpp"
#include "WinTypes.hpp"

// A folder property chosen in the shell's folder browser ("Browse..."), which opens with the
// stored folder selected (paths of 260 characters or more are cut to 259 first). The field,
// sized for 24 characters, shows the path with the caret after its end. A chosen folder is
// written with WriteString and the item's SetDirty (not NotifyWrite) and a change reported; a
// choice without a file-system path is refused with the message "The selection is not a
// valid directory." and changes nothing, as does cancelling. Either way the button gets the
// focus back. The format string is not used. Without the property the field is empty and the
// button opens nothing.
class VANTORUI_EXPORT CUIPickPath : public CUIPickBase {
    AFX_DECLARE_CLASS(CUIPickPath)
    AFX_DECLARE_CONSTRUCT(CUIPickPath)
public:
    CUIPickPath();

protected:
    void OnBind() override;
    void OnMove() override;
    void OnLoad() override;
    int OnPick() override;
    // The browser's callback: once it is up, selects the folder in `data` (a path).
    static int Hook(void * wnd, unsigned int msg, LPARAM param, LPARAM data);
};
