#include "CAutomation.hpp"
#include "CElementTestItem.hpp"
#include "CStatic.hpp"
#include "CUIControl.hpp"
#include "IDataAccess.hpp"
#include "ParentTestBase.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An element whose hooks record their calls and whose save answers what a test scripts.
class CProbeElement : public CUIControl {
public:
    std::vector<std::string> m_calls;
    unsigned int m_saveAnswer = 0;
    std::vector<std::uint32_t> m_savingSeen;
    bool m_nestSave = false;

    std::uint32_t Saving() const { return m_saving; }
    using CUIControl::ForceUpdate;

protected:
    void OnBind() override { m_calls.push_back("bind"); }
    void OnLoad() override { m_calls.push_back("load"); }
    void OnRename(char const * name) override { m_calls.push_back(std::string("rename ") + name); }
    unsigned int OnSave(int) override {
        m_savingSeen.push_back(m_saving);
        if (m_nestSave) {
            m_nestSave = false;
            SaveUI(0);
            m_savingSeen.push_back(m_saving);
        }
        return m_saveAnswer;
    }
};

CUIData Record(char const * tag) {
    CUIData data;
    data.m_tag = tag;
    data.m_label = "Label";
    data.m_labelAlt = "Other";
    data.m_format = "fmt";
    return data;
}

} // namespace

TEST(ElementBase, BindingKeepsTheFirstBindingAndRefusesMissingProperties) {
    CElementTestItem item;
    CElementTestItem other;
    CUIData const name = Record("Name");
    CUIData const missing = Record("Colour");

    CProbeElement bound;
    EXPECT_EQ(bound.Bind(&item, &name, CUIElement::modeNormal), 1);
    EXPECT_EQ(bound.Bind(&other, &missing, CUIElement::modeTable), 0);
    EXPECT_EQ(bound.GetItem(), &item);
    EXPECT_EQ(bound.GetTag(), "Name");
    EXPECT_EQ(bound.GetMode(), CUIElement::modeNormal);
    EXPECT_EQ(bound.m_calls, std::vector<std::string>{"bind"});
    ASSERT_NE(bound.GetDataAccess(), nullptr);
    EXPECT_EQ(bound.GetDataAccess()->ReadString(&item), "first");

    CProbeElement unbound;
    EXPECT_EQ(unbound.Bind(&item, &missing, CUIElement::modeNormal), 0);
    EXPECT_EQ(unbound.GetTag(), "Colour");
    EXPECT_EQ(unbound.GetDataAccess(), nullptr);
    EXPECT_TRUE(unbound.m_calls.empty());
    EXPECT_EQ(unbound.Bind(&item, &name, CUIElement::modeNormal), 0) << "bound once already";
}

TEST(ElementBase, RebindingLooksTheAccessorUpAgainAndReloadsOnlyForTheControls) {
    CElementTestItem first;
    CElementTestItem second;
    second.m_name = "second";
    CUIData const name = Record("Name");
    CProbeElement element;
    element.Bind(&first, &name, CUIElement::modeNormal);
    element.m_calls.clear();
    element.RebindUIForText(&second);
    EXPECT_TRUE(element.m_calls.empty());
    EXPECT_EQ(element.GetItem(), &second);
    element.RebindUI(&first);
    EXPECT_EQ(element.m_calls, std::vector<std::string>{"load"});
    EXPECT_EQ(element.GetDataAccess()->ReadString(element.GetItem()), "first");
}

TEST(ElementBase, LabelsFollowTheModeAndRenamingDefaultsToTheName) {
    // clang-format off
    struct Case { unsigned int mode; char const * name; char const * label; } const cases[] = {
        {CUIElement::modeNormal, "Label", "Label:"},
        {CUIElement::modeAltName, "Other", "Other:"},
        {CUIElement::modeTable, "Label", ""},
    };
    // clang-format on
    CElementTestItem item;
    CUIData const name = Record("Name");
    for (Case const & c : cases) {
        SCOPED_TRACE(c.mode);
        CProbeElement element;
        element.Bind(&item, &name, c.mode);
        EXPECT_EQ(element.GetName(), c.name);
        EXPECT_EQ(element.GetLabel(), c.label);
        element.m_calls.clear();
        element.RenameUI(nullptr);
        element.RenameUI("New");
        EXPECT_EQ(element.m_calls,
                  (std::vector<std::string>{std::string("rename ") + c.name, "rename New"}));
    }
}

TEST(ElementBase, NestedSavesCountTheSavesInProgress) {
    CProbeElement element;
    element.m_nestSave = true;
    element.SaveUI(0);
    EXPECT_EQ(element.m_savingSeen, (std::vector<std::uint32_t>{1, 2, 1}));
    EXPECT_EQ(element.Saving(), 0u);
}

class ControlElement : public ParentTestBase {
protected:
    ControlElement() : ParentTestBase(CRect(0, 0, 300, 200)) {}
    CStatic * AddStatic(UINT id) {
        auto * ctrl = new CStatic;
        EXPECT_TRUE(ctrl->Create("s", WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, id));
        return ctrl;
    }
};

TEST_F(ControlElement, OnlyTheMainControlsChangeCodeSavesAndForcedUpdatesAlwaysReport) {
    constexpr unsigned int change = 5;
    CProbeElement element;
    EXPECT_EQ(element.GetId(), CUIControl::noId);
    EXPECT_EQ(element.NotifyUI(CUIControl::noId, CUIElement::codeForceUpdate), 0)
        << "no main control yet";
    element.AddControl(AddStatic(30));
    element.AddControl(AddStatic(31), change);
    EXPECT_EQ(element.GetId(), 31u);

    struct Case {
        char const * name;
        unsigned int id;
        unsigned int code;
        unsigned int saveAnswer;
        int answer;
        size_t saves;
    } const cases[] = {
        {"another control", 30, change, 1, 0, 0},
        {"another code", 31, change + 1, 1, 0, 0},
        {"a changed value", 31, change, 1, 1, 1},
        {"an unchanged value", 31, change, 0, 0, 1},
        {"an odd save answer", 31, change, 2, 0, 1},
        {"forced", 31, CUIElement::codeForceUpdate, 0, 1, 0},
    };
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        element.m_savingSeen.clear();
        element.m_saveAnswer = c.saveAnswer;
        EXPECT_EQ(element.NotifyUI(c.id, c.code), c.answer);
        EXPECT_EQ(element.m_savingSeen.size(), c.saves);
    }
}

// Saving writes to a control, whose change notification comes back during the save.
class CEchoElement : public CProbeElement {
public:
    int m_inner = -1;

protected:
    unsigned int OnSave(int) override {
        m_inner = NotifyUI(GetId(), 5);
        return 1;
    }
};

TEST_F(ControlElement, ANotificationRaisedBySavingDoesNotSaveAgain) {
    CEchoElement element;
    element.AddControl(AddStatic(40), 5);
    EXPECT_EQ(element.NotifyUI(40, 5u), 1);
    EXPECT_EQ(element.m_inner, 0);
}

TEST_F(ControlElement, ShowingAndEnablingReachEveryControlAndForcingSendsTheCommand) {
    CProbeElement element;
    CStatic * label = AddStatic(50);
    CStatic * main = AddStatic(51);
    element.AddControl(label);
    element.AddControl(main, 5);
    element.ShowUI(0);
    EXPECT_FALSE(label->IsWindowVisible());
    EXPECT_FALSE(main->IsWindowVisible());
    element.EnableUI(0);
    element.ShowUI(1);
    EXPECT_TRUE(label->IsWindowVisible());
    EXPECT_FALSE(label->IsWindowEnabled());
    EXPECT_FALSE(main->IsWindowEnabled());

    element.ForceUpdate();
    EXPECT_EQ(Heard(), (Commands{{51, CUIElement::codeForceUpdate}}));
}
