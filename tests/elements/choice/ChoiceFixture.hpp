#pragma once

#include "CChoiceItem.hpp"
#include "CComboBox.hpp"
#include "ElementPage.hpp"

#include <string>

// A page of elements of a CChoiceItem, with what its combo boxes list and select.
class ChoiceFixture : public ElementPage<CChoiceItem> {
protected:
    CComboBox * Combo(UINT id = 1000) { return static_cast<CComboBox *>(Control(id)); }
    // The texts a combo box lists, joined by ",".
    std::string Listed(UINT id = 1000) {
        std::string texts;
        for (int i = 0; i < Combo(id)->GetCount(); ++i)
            texts += (i ? "," : "") + std::string(Combo(id)->GetLBText(i).Str());
        return texts;
    }
    std::string Selected(UINT id = 1000) {
        int const sel = Combo(id)->GetCurSel();
        return sel == CB_ERR ? "-" : Combo(id)->GetLBText(sel).Str();
    }
};
