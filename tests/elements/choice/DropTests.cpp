#include "CUIDropDown.hpp"
#include "ChoiceFixture.hpp"
#include "KeySteps.hpp"
#include "VirtualKeys.hpp"

#include <functional>

namespace {

using Drops = ChoiceFixture;

std::string Entries(unsigned int count) {
    std::string format;
    for (unsigned int i = 0; i < count; ++i)
        format += (i ? "|" : "") + std::to_string(i);
    return format;
}

} // namespace

TEST_F(Drops, ADropDownShowsItsEntriesAndStoresTheChosenEntrysData) {
    struct Case {
        char const * format;
        LONG stored;
        std::vector<Step> keys; // after a click on the combo box, which opens the list
        char const * listed;
        char const * selected;
        LONG after;
        size_t changes;
    };
    // clang-format off
    Case const cases[] = {
        {"A||C", 0, {Key(VK_DOWN), Key(VK_RETURN)}, "A,C", "C", 2, 1},
        {"Off|On", 5, {Key(VK_ESCAPE)}, "Off,On", "-", 5, 0},
        {"Off|On", 5, {Key(VK_DOWN), Key(VK_RETURN)}, "Off,On", "Off", 0, 1},
        {"Red|Green|Blue", 1, {Key(VK_ESCAPE), Type("b")}, "Red,Green,Blue", "Blue", 2, 1},
        {"", 3, {Key(VK_DOWN), Key(VK_RETURN)}, "", "-", 3, 0},
        {"|||", 0, {Key(VK_ESCAPE)}, "", "-", 0, 0},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.format + std::string(" from ") + std::to_string(c.stored));
        m_item.m_mode = c.stored;
        Show({ElementRecord("CUIDropDown", "Mode", c.format)});
        EXPECT_EQ(Control(1000)->GetStyle() & 0xFFFF000F, 0x50210003u) << "visible child list";
        EXPECT_EQ(Listed(), c.listed);
        CAutomation::Click(Combo());
        Do(c.keys);
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_EQ(m_item.m_mode, c.after);
        EXPECT_EQ(m_item.m_heard.size(), c.changes);
        EXPECT_EQ(m_item.IsDirty(), c.changes != 0);
    }
}

TEST_F(Drops, TheShownPartFollowsMinMaxMaskAndPlacesBeforeAndAfterCreation) {
    struct Case {
        std::string format;
        std::function<void(CUIDropBase &)> set;
        LONG stored;
        char const * listed;
        char const * selected;
    };
    // clang-format off
    Case const cases[] = {
        {Entries(36), [](CUIDropBase & d) { d.SetMask(5); }, 32, "0,2,32,34", "32"},
        {Entries(36), [](CUIDropBase & d) { d.SetMask(0x100000005ul); }, 1, "0,2,32,34", "-"},
        {Entries(5), [](CUIDropBase & d) { d.SetMin(1); d.SetMax(3); }, 2, "1,2", "2"},
        {Entries(5), [](CUIDropBase & d) { d.SetMin(5); }, 0, "", "-"},
        {Entries(5), [](CUIDropBase & d) { d.SetMax(0); }, 0, "", "-"},
        {Entries(5), [](CUIDropBase & d) { d.SetMin(4); d.SetMax(2); }, 0, "", "-"},
        {"1234|5|12", [](CUIDropBase & d) { d.SetPlaces(2); }, 1, "12.34,0.05,0.12", "0.05"},
        {"7", [](CUIDropBase & d) { d.SetPlaces(0xFFFFFFFF); }, 9, nullptr, "-"},
        {"A||C", [](CUIDropBase & d) { d.AppendData("D"); }, 2, "A,C,D", "C"},
        {"A|B|C", [](CUIDropBase & d) { d.AppendData("Red|Green"); d.SetMin(3); }, 4, "Red,Green", "Green"},
    };
    // clang-format on
    for (Case const & c : cases) {
        for (bool const early : {true, false}) {
            SCOPED_TRACE(c.format.substr(0, 20) + (early ? " before creation" : " after creation"));
            m_item.m_mode = c.stored;
            CTestView & view =
                Show({ElementRecord("CUIDropDown", "Mode", c.format.c_str())}, [&](CTestView & v) {
                    if (early)
                        c.set(*static_cast<CUIDropBase *>(v.FindUI("Mode")));
                });
            if (!early)
                c.set(*static_cast<CUIDropBase *>(view.FindUI("Mode")));
            if (c.listed)
                EXPECT_EQ(Listed(), c.listed);
            else
                EXPECT_EQ(Combo()->GetLBText(0).GetLength(), CUIDropBase::maxPlaces + 2);
            EXPECT_EQ(Selected(), c.selected);
            EXPECT_TRUE(m_item.m_heard.empty()) << "rebuilding saves nothing";
        }
    }
}

TEST_F(Drops, AnItemRuleNarrowsTheFocusedDropDownItIsChosenFrom) {
    m_item.m_mode = 0;
    m_item.m_rule = [](CUIViewWnd & view, CString const & tag) {
        auto * drop = static_cast<CUIDropBase *>(view.FindUI("Mode"));
        if (tag == "Mode")
            drop->SetMask(0b11001);
        if (tag == "Level")
            drop->SetMax(2);
    };
    Show({ElementRecord("CUIDropDown", "Mode", "A|B|C|D|E"),
          ElementRecord("CUIDropDown", "Level", "Low|High")});
    CAutomation::Click(Combo());
    Do({Key(VK_ESCAPE), Key(VK_END)});
    EXPECT_EQ(m_item.m_mode, 4);
    EXPECT_EQ(Listed(), "A,D,E");
    EXPECT_EQ(Selected(), "E");
    EXPECT_EQ(CWnd::GetFocus(), Combo());
    Do({Key(VK_UP)});
    EXPECT_EQ(m_item.m_mode, 3);
    EXPECT_EQ(Selected(), "D");
    EXPECT_EQ(m_item.m_heard, (std::vector<std::string>{"Mode", "Mode"})) << "reloads save nothing";
    Do({Key(VK_TAB), Key(VK_DOWN)});
    EXPECT_EQ(m_item.m_level, 1);
    EXPECT_EQ(Listed(), "A") << "below position 2 the mask keeps position 0 only";
    EXPECT_EQ(Selected(), "-") << "D is no longer shown";
    EXPECT_EQ(m_item.m_mode, 3) << "and stays stored";
}

TEST_F(Drops, TheTextFormFindsEntriesShownOrNot) {
    m_item.m_mode = 7;
    CTestView & view = Show({ElementRecord("CUIDropDown", "Mode", "A||C|c")}, [](CTestView & v) {
        static_cast<CUIDropBase *>(v.FindUI("Mode"))->SetMin(3);
    });
    CUIElement & drop = *view.FindUI("Mode");
    EXPECT_TRUE(drop.UseTextMode());
    EXPECT_EQ(drop.GetAsText(), "") << "no entry carries 7";
    struct Case {
        char const * text;
        int accepted;
        LONG stored;
        char const * shown;
    };
    // clang-format off
    Case const cases[] = {{"C", 1, 2, "C"}, {"c", 1, 2, "C"}, {"a", 1, 0, "A"}, {"B", 0, 0, "A"}, {"", 0, 0, "A"}};
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(drop.SetAsText(c.text), c.accepted);
        EXPECT_EQ(m_item.m_mode, c.stored);
        EXPECT_EQ(drop.GetAsText(), c.shown);
    }
    EXPECT_FALSE(m_item.IsDirty()) << "the text form calls no NotifyWrite";
}

TEST_F(Drops, ADropEditStoresTheTypedNumberLimitedToItsRangeWhenLeft) {
    struct Case {
        char const * format;
        LONG stored;
        char const * typed;
        LONG after;
        size_t changes;
    };
    // clang-format off
    Case const cases[] = {
        {"0|100|10|20", 50, "150", 100, 1},
        {"0|100|10|20", 50, "abc", 0, 1},
        {"0|100|10|20", 0, "abc", 0, 0},
        {"0|100|10|20", 20, "20", 20, 0},
        {"0|100|10|20", 100, "150", 100, 1},
        {"-5|100", 50, "-9", -5, 1},
        {"||1200|2400", 1200, "70000", 60000, 1},
        {"||1200|2400", 1200, "9999999999", 60000, 1},
        {"||1200|2400", 1200, " 2400 baud", 2400, 1},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.format) + " typed " + c.typed);
        m_item.m_mode = c.stored;
        Show({ElementRecord("CUIDropEdit", "Mode", c.format),
              ElementRecord("CUICheck", "Flags", "")});
        EXPECT_EQ(Control(1000)->GetStyle() & 0xFFFF000F, 0x50210002u);
        CAutomation::Click(Combo());
        Do({Key(VK_END), Key(VK_HOME, CAutomation::modShift), Type(c.typed), Key(VK_TAB)});
        EXPECT_EQ(m_item.m_mode, c.after);
        EXPECT_EQ(m_item.m_heard.size(), c.changes);
        EXPECT_EQ(Combo()->GetWindowText(), c.typed) << "the save does not rewrite the text";
    }
}

TEST_F(Drops, ADropEditSelectsASuggestionOrShowsThePlainNumber) {
    struct Case {
        LONG stored;
        char const * selected;
        char const * text;
    };
    // clang-format off
    Case const cases[] = {{20, "20", "20"}, {33, "-", "33"}, {-1, "-", "4294967295"}};
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.stored);
        m_item.m_mode = c.stored;
        Show({ElementRecord("CUIDropEdit", "Mode", "0|100|10|20|50")});
        EXPECT_EQ(Listed(), "10,20,50");
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_EQ(Combo()->GetWindowText(), c.text);
    }
}

TEST_F(Drops, TheComboBoxIsSizedFromEveryEntryWithinItsWidthLimits) {
    struct Case {
        char const * format;
        LONG width;
    };
    // clang-format off
    Case const cases[] = {
        {"", 100},                                 // "XXXXXXXX" + 24 = 80, limit 100
        {"On|Off", 100},
        {"Constant voltage|Off", 200},             // a space widens the limit
        {"ABCDEFGHIJKLMNOPQRST|Off", 20 * 7 + 24}, // wider than the limit
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD efg", 34 * 7 + 24},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.format);
        Show({ElementRecord("CUIDropDown", "Mode", c.format)},
             [](CTestView & v) { static_cast<CUIDropBase *>(v.FindUI("Mode"))->SetMax(1); });
        EXPECT_EQ(Combo()->GetWindowRect().Width(), c.width) << "hidden entries count too";
    }
}
