#include "CCairoDevice.hpp"
#include "CImageCompare.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "EditFixture.hpp"

#include <algorithm>

// The editors painted on the Cairo device in their states, compared with stored reference
// pictures (VANTOR_UPDATE_REFERENCES=1 writes them anew).

namespace {

class EditPictures : public EditFixture {
protected:
    void SetUp() override {
        CDevice::SetScreen(&m_device);
        EditFixture::SetUp();
    }
    void TearDown() override {
        EditFixture::TearDown();
        CDevice::SetScreen(nullptr);
    }

    CCairoDevice m_device;
};

} // namespace

TEST_F(EditPictures, EachEditorInItsStates) {
    // clang-format off
    struct Case { char const * name; Field field; bool table; bool focused; bool enabled; };
    Case const cases[] = {
        {"string-default", {"CUIEditString", "Text", "|(none)"}, false, false, true},
        {"string-password", {"CUIEditString", "Text", "*8"}, false, false, true},
        {"integer-units", {"CUIEditInteger", "Value", "8|2|mA"}, false, false, true},
        {"integer-signed", {"CUIEditInteger", "Value", "8|2|V|-500|500"}, false, false, true},
        {"integer-focused", {"CUIEditInteger", "Value", "8|2|mA"}, false, true, true},
        {"integer-disabled", {"CUIEditInteger", "Value", "8|2|mA"}, false, false, false},
        {"integer-table", {"CUIEditInteger", "Value", "8|2|mA"}, true, false, true},
        {"hex", {"CUIEditIntHex", "Value", "4"}, false, false, true},
        {"ascii", {"CUIEditASCII", "Code", ""}, false, false, true},
        {"ipaddress", {"CUIIPAddress", "Address", ""}, false, false, true},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        Clear();
        m_item.m_value = 250;
        m_item.m_code = 27;
        m_item.m_address = static_cast<LONG>(0xC0A80001);
        m_item.m_text = c.field.format[0] == '*' ? "secret" : "";
        m_frame.MoveWindow(CRect(0, 0, 260, 90));
        BuildPage([&](CEditTestView & view) {
            view.StartPage(1);
            if (c.table) {
                view.StartTable("Limits", 1);
                view.AddColHead("Set");
                view.AddRowHead("Output");
                Add(view, c.field);
                view.EndTable();
            } else {
                view.StartGroup(2);
                Add(view, c.field);
                view.EndGroup(0);
            }
            view.EndPage(0);
        });
        m_view->MoveWindow(CRect(0, 0, 260, 90));
        m_other->ShowWindow(SW_HIDE);
        if (c.focused)
            CAutomation::Click(m_view->GetChild(1));
        m_view->EnableUI(c.enabled);
        CAutomation::Pump();
        std::string const picture = std::string(VANTOR_OUTPUT_DIR) + "/" + c.name + ".png";
        ASSERT_TRUE(m_frame.WriteImage(picture.c_str()));
        CheckReferencePicture(picture, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, c.name);
    }
}
