#pragma once

#include "CAutomation.hpp"
#include "CEditCtrl.hpp"
#include "CEditTestItem.hpp"
#include "CEntity.hpp"
#include "CInput.hpp"
#include "CParentRecorder.hpp"
#include "CRuntimeClass.hpp"
#include "CUIData.hpp"
#include "CUIEditBase.hpp"
#include "CUIEditCtrl.hpp"
#include "CUIViewWnd.hpp"
#include "KeySteps.hpp"
#include "VantorUIModule.hpp"
#include "VirtualKeys.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A view that builds the page a test gives it and logs into the item's log, in order with
// the item's writes and changes, every command its controls send it ("view <code>").
class CEditTestView : public CUIViewWnd {
    AFX_DECLARE_CLASS(CEditTestView)
    AFX_DECLARE_MESSAGE_MAP()
public:
    std::function<void(CEditTestView &)> m_build;
    std::vector<std::string> * m_log = nullptr;

protected:
    void OnUICreate() override { m_build(*this); }
    BOOL OnHeard(UINT id, UINT code, CWnd & ctrl);
};

// A visible frame holding a view of an item and, after the view, one more edit control
// ("other") for Tab to move to. The frame logs the commands the view passes on to it
// ("frame <id>").
class EditFixture : public ::testing::Test {
protected:
    struct Field {
        char const * cls;
        char const * tag;
        char const * format;
    };

    void SetUp() override;
    void TearDown() override;

    // Destroys the view and the other control; a field that had the focus saves on leaving.
    void Clear();
    // A page of one group with the fields, in a new view (the old one goes); the log is
    // cleared once the page is built.
    CEditTestView & Build(std::vector<Field> const & fields);
    // A page the test builds itself; Add adds a field of the page from there.
    CEditTestView & BuildPage(std::function<void(CEditTestView &)> page);
    void Add(CEditTestView & view, Field const & field);
    // The edit control of the element of a tag.
    CUIEditCtrl & Edit(char const * tag);
    // Clicks into the field and selects its text, as a user about to type over it.
    void Enter(char const * tag);
    std::string Shown(char const * tag) { return Edit(tag).GetWindowText().Str(); }
    std::vector<std::string> TakeLog();

    CEditTestItem m_item;
    CParentRecorder m_frame;
    CEditCtrl * m_other = nullptr;
    CEditTestView * m_view = nullptr;
    std::deque<CUIData> m_records;
};

// A schema record of an element class of the library.
CUIData EditRecord(char const * cls, char const * tag, char const * format);
