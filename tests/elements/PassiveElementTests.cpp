#include "ButtonMessages.hpp"
#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CDC.hpp"
#include "CElementTestItem.hpp"
#include "CEntity.hpp"
#include "CImageCompare.hpp"
#include "CLayFormCol.hpp"
#include "CLayFormGrid.hpp"
#include "CRulerWnd.hpp"
#include "CRuntimeClass.hpp"
#include "CStdTools.hpp"
#include "CUIButton.hpp"
#include "CUIGroup.hpp"
#include "CUIHeading.hpp"
#include "CUIStatic.hpp"
#include "VantorUIModule.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// A page of one column pair (label, value) on a visible parent, laid out on the headless
// device, into which each test puts elements.
class PassiveElements : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_parent.Create(nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                                    nullptr, 0));
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        m_elements.clear();
        m_form.reset();
        CAutomation::Stop();
    }

    // Lays the element out in a two-column grid, creates, loads and shows it.
    void Build(CUIElement * element) {
        m_elements.emplace_back(element);
        m_form = std::make_unique<CLayFormGrid>(2);
        element->LayoutUI(m_form.get());
        CScreenDC dc;
        m_form->Prepare(dc);
        m_form->SetRect(CRect(CPoint(0, 0), m_form->GetMinSize()));
        element->CreateUI(m_parent, m_id);
        element->ShowUI(1);
    }
    // The element's only window.
    CWnd * Child() {
        EXPECT_EQ(m_parent.GetChildCount(), 1u);
        return m_parent.GetChild(0);
    }

    CWnd m_parent;
    CElementTestItem m_item;
    std::unique_ptr<CLayFormGrid> m_form;
    std::vector<std::unique_ptr<CUIElement>> m_elements;
    unsigned int m_id = 1000;
};

CUIData Record(char const * tag, char const * format) {
    CUIData data;
    data.m_tag = tag;
    data.m_label = tag;
    data.m_labelAlt = tag;
    data.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUIStatic"));
    data.m_format = format;
    return data;
}

} // namespace

TEST_F(PassiveElements, AStaticShowsItsFormatInTheValueColumnAndTakesNoIdentifier) {
    struct Case {
        char const * tag;
        char const * shown;
    } const cases[] = {{"Name", "Hello"}, {"Colour", ""}}; // Colour: no such property
    for (Case const & c : cases) {
        SCOPED_TRACE(c.tag);
        CUIData const record = Record(c.tag, "Hello");
        auto * element = new CUIStatic;
        element->Bind(&m_item, &record, CUIElement::modeNormal);
        Build(element);
        CWnd * text = Child();
        EXPECT_EQ(text->GetWindowText(), c.shown);
        EXPECT_EQ(text->GetID(), 0u);
        EXPECT_TRUE(text->IsWindowVisible());
        EXPECT_EQ(m_id, 1000u);
        EXPECT_GT(element->GetRect().left, 0) << "the label column stays empty on its left";
        text->DestroyWindow();
    }
}

TEST_F(PassiveElements, RenamingAHeadingChangesTheTextShownButNotItsMeasure) {
    auto * heading = new CUIHeading("Volts", "Voltage:");
    Build(heading);
    CWnd * label = Child();
    EXPECT_EQ(label->GetID(), CUIControl::noId);
    EXPECT_EQ(m_id, 1000u);
    EXPECT_EQ(heading->GetTag(), "Volts");
    EXPECT_EQ(heading->GetUIData().m_class,
              CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUIHeading")));
    CSize const before = m_form->GetMinSize();
    heading->RenameUI("A much longer head:");
    EXPECT_EQ(label->GetWindowText(), "A much longer head:");
    CLayFormGrid again(2);
    heading->LayoutUI(&again);
    CScreenDC dc;
    again.Prepare(dc);
    EXPECT_EQ(again.GetMinSize(), before);
}

TEST_F(PassiveElements, AGroupTakesOneIdentifierAndPutsItsBodyBelowTheTitleLine) {
    auto * body = new CLayFormCol;
    CLayItem * content = new CLayItem(40);
    body->AddItem(content);
    auto * group = new CUIGroup("Supply", body);
    Build(group);
    CWnd * frame = Child();
    EXPECT_EQ(m_id, 1001u);
    EXPECT_EQ(frame->GetID(), 1000u);
    EXPECT_EQ(frame->GetStyle() & 0xF, static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_EQ(frame->GetWindowText(), "Supply");
    CRect const outer = group->GetRect();
    // 4 outer margin; the headless "X" is 13 high, so the title line takes 13 + 3.
    EXPECT_EQ(content->GetRect().top, outer.top + 4 + 16);
    EXPECT_EQ(content->GetRect().left, outer.left + 4 + 8);
    EXPECT_EQ(frame->GetWindowRect().top, outer.top + 4);
}

TEST_F(PassiveElements, AButtonIsIdentifiedByItsCommandAndClicksReachTheParentAsIt) {
    auto * button = new CUIButton("Apply", "Applies the settings", 0x9001);
    Build(button);
    CWnd * face = Child();
    EXPECT_EQ(face->GetID(), 0x9001u);
    EXPECT_EQ(m_id, 1000u);
    EXPECT_TRUE(face->GetStyle() & WS_TABSTOP);
    EXPECT_EQ(button->GetUIData().m_label, "Apply");
    EXPECT_EQ(button->GetUIData().m_tip, "Applies the settings");
    EXPECT_EQ(button->GetId(), CUIControl::noId) << "a command, not a change";
    button->EnableUI(0);
    EXPECT_FALSE(face->IsWindowEnabled());
}

TEST(RulerWindow, TheRuleStartsEightPixelsAfterTheTextAtTheMiddleOfItsLine) {
    CCairoDevice device;
    CDevice::SetScreen(&device);
    CAutomation::Start();
    struct Case {
        char const * text;
    } const cases[] = {{""}, {"Output"}};
    for (Case const & c : cases) {
        SCOPED_TRACE(c.text);
        CWnd page;
        ASSERT_TRUE(
            page.Create(nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 40), nullptr, 0));
        auto * ruler = new CRulerWnd;
        ASSERT_TRUE(ruler->Create(c.text, WS_VISIBLE, CRect(0, 0, 200, 40), &page, 1));
        CAutomation::Pump();
        CScreenDC dc;
        dc.Select(CStdTools::FindInstance()->GetStdFont());
        CSize const text = dc.GetTextExtent(c.text);
        CSize const line = dc.GetTextExtent("X");
        dc.Deselect();
        std::string const path =
            (std::filesystem::temp_directory_path() / "vantor-ruler.png").string();
        ASSERT_TRUE(page.WriteImage(path.c_str()));
        CImageCompare::Image picture;
        ASSERT_TRUE(CImageCompare::ReadPng(path.c_str(), picture));
        std::filesystem::remove(path);
        LONG const y = 4 + line.cy / 2;
        CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
        auto at = [&](LONG x) {
            return picture.pixels[static_cast<std::size_t>(y * picture.size.cx + x)];
        };
        EXPECT_FALSE(at(text.cx + 8) == face) << "the rule starts here";
        EXPECT_FALSE(at(190) == face) << "and runs to the right edge";
        EXPECT_TRUE(at(text.cx + 6) == face) << "with a gap after the text";
        page.DestroyWindow();
    }
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
}
