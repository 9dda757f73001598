#include "ChoiceFixture.hpp"
#include "KeySteps.hpp"
#include "VirtualKeys.hpp"

#include <memory>

namespace {

using BadInput = ChoiceFixture;

} // namespace

TEST_F(BadInput, AnElementWhoseItemLacksThePropertyShowsNothingAndChangesNothing) {
    struct Case {
        char const * cls;
        char const * format;
    };
    // clang-format off
    Case const cases[] = {
        {"CUIDropDown", "A|B"}, {"CUIDropEdit", "0|9|1|2"}, {"CUICheck", ""}, {"CUICheck", "B2"},
        {"CUIRadioRow", "A|B"}, {"CUIPushCol", "A|B"}, {"CUIScrollHorz", ""}, {"CUIScrollVert", ""},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.cls);
        m_item.m_flags = 5;
        CTestView & view = Show({ElementRecord("CUIDropDown", "Flags", "A|B"),
                                 ElementRecord(c.cls, "Missing", c.format)});
        CUIElement & element = *view.FindUI("Missing");
        EXPECT_EQ(element.GetDataAccess(), nullptr);
        if (CWnd * first = Control(1001)) {
            CAutomation::Click(first);
            Do({Key(VK_SPACE), Key(VK_END), Key(VK_DOWN), Type("7\t")});
        }
        EXPECT_EQ(element.GetAsText(), "");
        EXPECT_FALSE(element.SetAsText("A"));
        EXPECT_FALSE(element.SetAsText("Yes"));
        EXPECT_TRUE(m_item.m_heard.empty());
        EXPECT_EQ(m_item.m_flags, 5) << "the other element's value stays";
    }
}

TEST_F(BadInput, FormatsOfThousandsOfFieldsBuildAndChoose) {
    std::string fields;
    for (int i = 0; i < 5000; ++i)
        fields += "|" + std::to_string(i);
    struct Case {
        char const * cls;
        std::string format;
        LONG stored;
        int listed;
        char const * selected;
    };
    // clang-format off
    Case const cases[] = {
        {"CUIDropDown", fields, 4000, 5000, "3999"},
        {"CUIDropDown", std::string(3000, '|'), 0, 0, "-"},
        {"CUIDropEdit", "0|6000" + fields, 4000, 5000, "4000"},
        {"CUIDropEdit", std::string(3000, '|'), 7, 0, "-"},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.cls);
        m_item.m_mode = c.stored;
        Show({ElementRecord(c.cls, "Mode", c.format.c_str())});
        EXPECT_EQ(Combo()->GetCount(), c.listed);
        EXPECT_EQ(Selected(), c.selected);
    }
}

TEST(ChoiceTextMode, ElementsUsedOnlyForTheirTextNeedNoWindows) {
    struct Case {
        char const * cls;
        char const * format;
        char const * text;
        LONG stored;
    };
    // clang-format off
    Case const cases[] = {{"CUIDropDown", "Off||On", "On", 2}, {"CUICheck", "B4", "Yes", 0x11}, {"CUIDropEdit", "", "7", 1}};
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.cls);
        CChoiceItem item;
        item.m_flags = 1;
        CUIData const record = ElementRecord(c.cls, "Flags", c.format);
        std::unique_ptr<CUIElement> element(
            static_cast<CUIElement *>(record.m_class->NewObject(nullptr)));
        ASSERT_TRUE(element->Bind(&item, &record, CUIElement::modeNormal));
        bool const textual = element->UseTextMode();
        EXPECT_EQ(element->SetAsText(c.text), textual);
        EXPECT_EQ(item.m_flags, c.stored);
        EXPECT_EQ(element->GetAsText(), textual ? c.text : "");
    }
}
