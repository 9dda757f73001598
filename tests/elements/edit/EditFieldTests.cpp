#include "CHeadlessDevice.hpp"
#include "CLayFormGrid.hpp"
#include "CRecordingSurface.hpp"
#include "CUIEditInteger.hpp"
#include "CUIEditString.hpp"
#include "EditFixture.hpp"

#include <memory>

namespace {

using Log = std::vector<std::string>;

class EditField : public EditFixture {
protected:
    // Two integer fields; the second one entered, its text selected.
    void TwoFields() {
        Clear();
        m_item.m_value = 5;
        m_item.m_code = 9;
        Build({{"CUIEditInteger", "Value", ""}, {"CUIEditInteger", "Code", ""}});
        Enter("Code");
    }
    bool WholeTextSelected(char const * tag) {
        int start = 0;
        int end = 0;
        Edit(tag).GetSel(start, end);
        return start == 0 && end == static_cast<int>(Edit(tag).GetWindowText().GetLength());
    }
};

// A headless device whose pictures record what is drawn on them.
class CRecordingDevice : public CHeadlessDevice {
public:
    std::unique_ptr<CSurface> CreateSurface(CSize size) const override {
        auto surface = std::make_unique<CRecordingSurface>(size);
        m_last = surface.get();
        return surface;
    }
    mutable CRecordingSurface * m_last = nullptr;
};

} // namespace

TEST_F(EditField, DialogKeysCommitMoveAndRestoreInThisOrder) {
    // clang-format off
    struct Case { char const * name; std::vector<Step> keys; Log heard; char const * focus; LONG code; bool selected; };
    Case const cases[] = {
        {"Tab", {Key(VK_TAB)}, {"view killfocus", "frame 20"}, nullptr, 9, false},
        {"typed Tab", {Type("7"), Key(VK_TAB)}, {"W Code=7", "N Code", "view force", "C Code", "view killfocus", "frame 20"}, nullptr, 7, false},
        {"Shift+Tab", {Key(VK_TAB, CAutomation::modShift)}, {"view killfocus", "view setfocus"}, "Value", 9, true},
        {"typed Shift+Tab", {Type("7"), Key(VK_TAB, CAutomation::modShift)}, {"W Code=7", "N Code", "view force", "C Code", "view killfocus", "view setfocus"}, "Value", 7, true},
        {"Return", {Key(VK_END), Key(VK_RETURN)}, {}, "Code", 9, true},
        {"typed Return", {Type("7"), Key(VK_RETURN)}, {"W Code=7", "N Code", "view force", "C Code"}, "Code", 7, true},
        {"same Return", {Type("9"), Key(VK_RETURN)}, {}, "Code", 9, true},
        {"Escape", {Key(VK_ESCAPE)}, {"view cancel", "frame 2"}, "Code", 9, true},
        {"typed Escape", {Type("7"), Key(VK_ESCAPE)}, {}, "Code", 9, true},
        {"typed Escape Escape", {Type("7"), Key(VK_ESCAPE), Key(VK_ESCAPE)}, {"view cancel", "frame 2"}, "Code", 9, true},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        TwoFields();
        Do(c.keys);
        EXPECT_EQ(TakeLog(), c.heard);
        EXPECT_EQ(CWnd::GetFocus(), c.focus ? &Edit(c.focus) : m_other);
        EXPECT_EQ(m_item.m_code, c.code);
        EXPECT_EQ(Shown("Code"), std::to_string(c.code));
        if (c.focus) {
            EXPECT_EQ(WholeTextSelected(c.focus), c.selected);
        }
    }
}

TEST_F(EditField, TheDefaultTextPaintsOnlyWhileEmptyUnfocusedAndEnabled) {
    CRecordingDevice device;
    CDevice::SetScreen(&device);
    // clang-format off
    struct Case { char const * cls; char const * tag; char const * format; char const * text; bool focused; bool enabled; char const * painted; };
    Case const cases[] = {
        {"CUIEditString", "Text", "|(none)", "", false, true, "(none)"},
        {"CUIEditString", "Text", "|[:Std]", "", false, true, "Default"},
        {"CUIEditIntHex", "Value", "0|none", "", false, true, "none"},
        {"CUIEditString", "Text", "|(none)", "", true, true, nullptr},
        {"CUIEditString", "Text", "|(none)", "abc", false, true, nullptr},
        {"CUIEditString", "Text", "|(none)", "", false, false, nullptr},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.format) + (c.focused ? " focused" : "") +
                     (c.enabled ? "" : " disabled"));
        Clear();
        m_item.m_text = c.text;
        m_item.m_value = 0;
        Build({{c.cls, c.tag, c.format}});
        CUIEditCtrl & edit = Edit(c.tag);
        if (c.focused)
            CAutomation::Click(&edit);
        edit.EnableWindow(c.enabled);
        ASSERT_NE(device.m_last, nullptr);
        device.m_last->texts.clear();
        edit.Invalidate();
        CAutomation::Pump();
        CPoint origin(5, 2);
        edit.ClientToScreen(origin);
        std::vector<std::string> defaults;
        for (CRecordingSurface::Text const & text : device.m_last->texts)
            if (text.text == "(none)" || text.text == "Default" || text.text == "none")
                defaults.push_back(text.text + (text.at == origin ? "" : " elsewhere"));
        EXPECT_EQ(defaults,
                  c.painted ? std::vector<std::string>{c.painted} : std::vector<std::string>{});
    }
    Clear();
    CDevice::SetScreen(nullptr);
}

TEST_F(EditField, AFieldWithoutItsPropertyShowsNothingAndWritesNothing) {
    m_item.m_value = 5;
    Build({{"CUIEditInteger", "Missing", "|2"},
           {"CUIEditIntHex", "Missing", ""},
           {"CUIEditASCII", "Missing", ""},
           {"CUIEditString", "Missing", "|(none)"},
           {"CUIIPAddress", "Missing", ""},
           {"CUIEditBase", "Text", ""},
           {"CUIEditInteger", "Value", ""}});
    EXPECT_EQ(m_view->GetChildCount(), 3u) << "only the last field has windows";
    for (UINT i = 0; i + 1 < m_view->GetElementCount(); ++i) {
        CUIElement * element = m_view->GetElementAt(i);
        EXPECT_EQ(element->SaveUI(0), 0u);
        EXPECT_EQ(element->GetAsText(), "");
        EXPECT_EQ(element->SetAsText("12"), 0);
        element->LoadUI();
        element->MoveUI();
        element->ShowUI(1);
        element->EnableUI(0);
    }
    static_cast<CUIEditInteger *>(m_view->GetElementAt(0))->Scroll(SB_LINEUP);
    Enter("Value");
    Do({Type("6"), Key(VK_TAB)});
    EXPECT_EQ(TakeLog(),
              (Log{"W Value=6", "N Value", "view force", "C Value", "view killfocus", "frame 20"}));
}

TEST_F(EditField, TextModeMakesNoWindowsAndWritesWithoutNotifying) {
    // clang-format off
    struct Case { char const * cls; char const * tag; char const * format; char const * set; int taken; char const * shown; Log log; };
    Case const cases[] = {
        {"CUIEditInteger", "Value", "|2||-500|500", "", 0, "+0.05", {}},
        {"CUIEditInteger", "Value", "", "99999", 1, "99999", {"W Value=99999"}},
        {"CUIEditInteger", "Value", "|2", "1.005", 1, "1.00", {"W Value=100"}},
        {"CUIEditInteger", "Value", "", "1e300", 1, "2147483647", {"W Value=2147483647"}},
        {"CUIEditString", "Text", "3", "longer than three", 1, "longer than three", {"W Text=longer than three"}},
        {"CUIEditString", "Text", "", "", 1, "", {"W Text="}},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " <- " + c.set);
        m_item.m_value = 5;
        m_item.m_text = "abc";
        m_item.m_log.clear();
        CUIData const record = EditRecord(c.cls, c.tag, c.format);
        std::unique_ptr<CUIElement> element(
            static_cast<CUIElement *>(record.m_class->NewObject(CUIElement::AfxStaticClassInfo())));
        ASSERT_EQ(element->UseTextMode(), 1);
        ASSERT_EQ(element->Bind(&m_item, &record, CUIElement::modeNormal), 1);
        CLayFormGrid form(2);
        element->LayoutUI(&form);
        unsigned int id = 1000;
        element->CreateUI(m_frame, id);
        element->MoveUI();
        element->ShowUI(1);
        EXPECT_EQ(id, 1000u);
        EXPECT_EQ(m_frame.GetChildCount(), 0u);
        EXPECT_EQ(element->SetAsText(c.set), c.taken);
        EXPECT_EQ(element->GetAsText(), c.shown);
        EXPECT_EQ(m_item.m_log, c.log);
    }
}

TEST_F(EditField, MalformedFormatsBuildBoundedFields) {
    std::string const manyFields(10000, '|');
    std::string const longNumber(5000, '9');
    char const * const classes[] = {"CUIEditInteger", "CUIEditIntHex", "CUIEditASCII",
                                    "CUIEditString"};
    char const * const formats[] = {"|",
                                    "||||||||",
                                    manyFields.c_str(),
                                    longNumber.c_str(),
                                    "-2147483648|-2147483648|u|2147483647|-2147483648",
                                    "*",
                                    "*|",
                                    "x|y|z",
                                    "\xff\xfe|\x01",
                                    "1e9|1e9",
                                    "  12  |  3"};
    for (char const * cls : classes) {
        for (char const * format : formats) {
            SCOPED_TRACE(std::string(cls) + " " + std::string(format).substr(0, 20));
            Build({{cls, "Value", format}});
            EXPECT_LE(Edit("Value").GetWindowRect().Width(), 7 * 42 + 9);
            Enter("Value");
            Do({Type("12"), Key(VK_UP), Key(VK_PRIOR), Key(VK_TAB)});
        }
    }
}
