#include "CButton.hpp"
#include "CLayFormGrid.hpp"
#include "CUIRadioCol.hpp"
#include "ChoiceFixture.hpp"
#include "KeySteps.hpp"
#include "ParentTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <memory>

namespace {

using Groups = ChoiceFixture;

// A radio column made straight on a dialog-style parent that records what its buttons say.
class RadioKeys : public ParentTestBase {
protected:
    RadioKeys() : ParentTestBase(CRect(0, 0, 400, 300)) {}

    void SetUp() override {
        ParentTestBase::SetUp();
        m_parent.SetDialogStyle(TRUE);
        m_record = ElementRecord("CUIRadioCol", "Level", "Low|Medium|High");
        m_radio.Bind(&m_item, &m_record, CUIElement::modeNormal);
        m_radio.LayoutUI(&m_form);
        CScreenDC dc;
        m_form.Prepare(dc);
        m_form.SetRect(CRect(CPoint(0, 0), m_form.GetMinSize()));
        unsigned int id = 1000;
        m_radio.CreateUI(m_parent, id);
        m_radio.ShowUI(1);
        Clear();
    }

    CChoiceItem m_item;
    CUIData m_record;
    CLayFormGrid m_form{2};
    CUIRadioCol m_radio;
};

} // namespace

TEST_F(RadioKeys, ArrowKeysCheckTheNextButtonOfTheGroupAndWrapWithinIt) {
    CAutomation::Click(m_parent.GetDlgItem(1000));
    EXPECT_EQ(Heard(), (Commands{{1000, BN_CLICKED}}));
    struct Case {
        UINT key;
        UINT button;
    };
    // clang-format off
    Case const cases[] = {{VK_DOWN, 1001}, {VK_RIGHT, 1002}, {VK_DOWN, 1000}, {VK_UP, 1002}, {VK_LEFT, 1001}};
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.key);
        Clear();
        CAutomation::PressKey(c.key);
        EXPECT_EQ(Heard(), (Commands{{c.button, BN_CLICKED}}));
        EXPECT_EQ(CWnd::GetFocus(), m_parent.GetDlgItem(c.button));
        for (UINT id = 1000; id < 1003; ++id)
            EXPECT_EQ(static_cast<CButton *>(m_parent.GetDlgItem(id))->IsChecked(), id == c.button);
    }
}

TEST_F(Groups, ARadioGroupStoresThePositionOfTheButtonChosen) {
    struct Case {
        char const * cls;
        char const * format;
        LONG stored;
        std::vector<Step> keys; // after a click on the button of position `clicked`
        UINT clicked;
        LONG after;
        size_t changes;
    };
    // clang-format off
    Case const cases[] = {
        {"CUIRadioRow", "Low|Medium|High", 7, {}, 0, 0, 1},
        {"CUIRadioRow", "Low|Medium|High", 1, {}, 1, 1, 0},
        {"CUIRadioCol", "Low|Medium|High", 0, {Key(VK_DOWN), Key(VK_DOWN), Key(VK_DOWN)}, 0, 0, 3},
        {"CUIRadioRow", "Low|Medium|High", 0, {Key(VK_LEFT), Key(VK_SPACE)}, 1, 0, 2},
        {"CUIRadioCol", "Off||On", 0, {}, 1, 1, 1},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " " + c.format + " from " + std::to_string(c.stored));
        m_item.m_level = c.stored;
        Show({ElementRecord(c.cls, "Level", c.format), ElementRecord("CUICheck", "Flags", "")});
        EXPECT_EQ(Control(1000)->GetStyle() & 0x000F000F, 0x00030009u);
        EXPECT_EQ(Control(1001)->GetStyle() & 0x000F000F, 0x00000009u);
        CAutomation::Click(Control(1000 + c.clicked));
        Do(c.keys);
        EXPECT_EQ(m_item.m_level, c.after);
        EXPECT_EQ(m_item.m_heard, std::vector<std::string>(c.changes, "Level"));
        EXPECT_EQ(m_item.m_flags, 0) << "the arrows stay in the group";
    }
}

TEST_F(Groups, RowsSetButtonsSideBySideAndColumnsOneBelowTheOther) {
    for (char const * cls : {"CUIRadioRow", "CUIRadioCol", "CUIPushRow", "CUIPushCol"}) {
        SCOPED_TRACE(cls);
        Show({ElementRecord(cls, "Level", "One|Two")});
        CRect const first = Control(1000)->GetWindowRect();
        CRect const second = Control(1001)->GetWindowRect();
        bool const row = std::string(cls).ends_with("Row");
        EXPECT_EQ(first.top == second.top, row);
        EXPECT_EQ(first.left == second.left, !row);
    }
}

TEST_F(Groups, APushGroupWritesThePressedButtonsPositionAndZeroWhenLoaded) {
    m_item.m_other = 5;
    CTestView & view = Show({ElementRecord("CUIPushRow", "Other", "Read||Verify"),
                             ElementRecord("CUICheck", "Flags", "")});
    EXPECT_EQ(m_item.m_other, 0);
    EXPECT_EQ(Control(1000)->GetStyle() & 0x000F000F, 0x00010000u);
    CAutomation::Click(Control(1001));
    EXPECT_EQ(m_item.m_other, 1);
    EXPECT_FALSE(m_item.IsDirty()) << "a press calls no NotifyWrite";
    CAutomation::Click(Control(1001));
    CAutomation::Click(Control(1002));
    EXPECT_EQ(m_item.m_heard, (std::vector<std::string>{"Other", "Other", "Flags"}));
    view.UpdateUI();
    EXPECT_EQ(m_item.m_other, 0);
}

TEST_F(Groups, GroupsWithoutButtonsOrWithHundredsOfThem) {
    struct Case {
        char const * cls;
        unsigned int fields;
        UINT buttons;
    };
    // clang-format off
    Case const cases[] = {{"CUIRadioRow", 0, 0}, {"CUIPushCol", 0, 0}, {"CUIRadioCol", 300, 300}, {"CUIPushCol", 300, 300}};
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " " + std::to_string(c.fields));
        std::string format;
        for (unsigned int i = 0; i < c.fields; ++i)
            format += "B" + std::to_string(i) + "|";
        m_item.m_level = m_item.m_flags = 0;
        Show({ElementRecord(c.cls, "Level", format.c_str()),
              ElementRecord("CUICheck", "Flags", "")});
        // Hundreds of buttons do not fit the window, which hides them: the buttons are
        // pressed as BM_CLICK presses them.
        static_cast<CButton *>(Control(1000 + c.buttons))->Click();
        EXPECT_EQ(m_item.m_flags, 1) << "the check box follows the buttons";
        if (c.buttons) {
            static_cast<CButton *>(Control(1000 + c.buttons - 1))->Click();
            EXPECT_EQ(m_item.m_level, static_cast<LONG>(c.buttons - 1));
        }
    }
}
