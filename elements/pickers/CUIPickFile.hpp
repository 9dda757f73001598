#pragma once

#include "CUIPickBase.hpp"

// A path property chosen in the open-file dialog ("Browse..."): the field, sized for 24
// characters, shows the path with the caret after its end. The format is a key, '|', then
// the dialog's filter; the key names the folder the dialog remembers across runs (a format
// without '|' has an empty key and is all filter). A chosen file is written with WriteString
// and the item's SetDirty (not NotifyWrite), its folder remembered under the key, and a
// change reported; cancelling changes nothing. Either way the button gets the focus back.
//
// Without the property (or after a rebind to no item) the field is empty and the button opens
// no dialog. A folder that cannot be remembered (the configuration folder is not writable)
// does not stop the pick: a trace line says so.
class VANTORUI_EXPORT CUIPickFile : public CUIPickBase {
    AFX_DECLARE_CLASS(CUIPickFile)
    AFX_DECLARE_CONSTRUCT(CUIPickFile)
public:
    CUIPickFile();

protected:
    void OnBind() override;
    void OnMove() override;
    void OnLoad() override;
    int OnPick() override;
};
