#pragma once

#include "CUIEditBase.hpp"

// Edits a text property in one edit control whose text scrolls sideways. The format
// "limit|default" gives the most characters that can be typed (10 when empty; a leading "*"
// makes a password field whose characters are hidden; 0 or no digits give 1) and the
// default text painted while the field is empty. The field is sized for the limit, never
// wider than forty characters. Every text is taken; a stored text longer than the limit
// shows whole. A save that writes calls NotifyWrite and answers 1.
//
// Decisions:
// - A negative limit is kept as its unsigned value, far beyond the edit control's largest
//   limit, which the control treats as no limit at all: nothing is allocated or counted in
//   proportion to it.
// - Texts compare with CStrPtr::CompareC, with regard to letter case: "abc" replaces "ABC".
// - Without the property the element shows nothing and writes nothing; SetAsText answers 0.
class VANTORUI_EXPORT CUIEditString : public CUIEditBase {
    AFX_DECLARE_CLASS(CUIEditString)
    AFX_DECLARE_CONSTRUCT(CUIEditString)
public:
    CUIEditString();

    // Text mode: the control objects are destroyed and the element never creates windows.
    int UseTextMode() override;
    // Writes every text, the empty one too, unchecked and without NotifyWrite.
    int SetAsText(CString text) override;
    CString GetAsText() override;

protected:
    void OnBind() override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;

    std::uint32_t m_limit = 10;
};
