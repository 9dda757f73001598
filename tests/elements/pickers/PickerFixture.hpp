#pragma once

#include "CPickerTestItem.hpp"
#include "ElementPage.hpp"

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// A page of pickers of a CPickerTestItem; the first picker's field is 1000, its button 1001.
class PickerTest : public ElementPage<CPickerTestItem> {
protected:
    void Press() { CAutomation::Click(Control(1001)); }
    static Texts MessageBoxTexts() {
        Texts texts;
        for (CString const & text : CAutomation::GetMessageBoxTexts())
            texts.push_back(text.Str());
        return texts;
    }
};
