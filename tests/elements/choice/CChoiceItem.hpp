#pragma once

#include "CUIItem.hpp"

#include <functional>
#include <string>
#include <vector>

// An item with whole-number properties for the choice elements, which records each change
// it hears (not the enable passes) and runs a test's rule on it.
class CChoiceItem : public CUIItem {
    AFX_DECLARE_CLASS(CChoiceItem)
    AFX_DECLARE_CONSTRUCT(CChoiceItem)
public:
    LONG m_mode = 0;
    LONG m_flags = 0;
    LONG m_level = 0;
    LONG m_other = 0;

    std::vector<std::string> m_heard;
    std::function<void(CUIViewWnd & view, CString const & tag)> m_rule;

    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;
};
