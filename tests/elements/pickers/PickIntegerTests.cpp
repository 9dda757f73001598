#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CEditCtrl.hpp"
#include "CStringDialog.hpp"
#include "PickerFixture.hpp"
#include "VirtualKeys.hpp"

namespace {

class PickBase : public PickerTest {};
class PickInteger : public PickerTest {};

} // namespace

TEST_F(PickBase, TakesTwoIdentifiersAndTabSkipsTheReadOnlyField) {
    Show({ElementRecord("CUIPickBase", "Number", ""), ElementRecord("CUIPickBase", "Path", "")});
    auto * edit = static_cast<CEditCtrl *>(Control(1000));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->GetStyle() & ES_READONLY);
    EXPECT_EQ(Control(1001)->GetWindowText(), "Edit...");
    EXPECT_NE(Control(1003), nullptr); // the second picker's button
    Control(1001)->SetFocus();
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), Control(1003));
    CAutomation::PressKey(VK_TAB, CAutomation::modShift);
    EXPECT_EQ(CWnd::GetFocus(), Control(1001));
    Press(); // a bare pick base changes nothing
    EXPECT_TRUE(m_item.m_heard.empty());
}

TEST_F(PickBase, ButtonTextFollowsTheThreadLanguage) {
    // clang-format off
    struct Row { LCID language; char const * text; };
    Row const rows[] = {
        {1033, "Edit..."}, {1031, "Bear..."}, {1034, "Edición..."}, {1036, "Edition... "}, {1040, "Modifica.."},
    };
    // clang-format on
    for (Row const & row : rows) {
        SetThreadLocale(row.language);
        Show(ElementRecord("CUIPickInteger", "Number", ""));
        EXPECT_EQ(Control(1001)->GetWindowText(), row.text) << row.language;
    }
}

TEST_F(PickInteger, ShowsPlacesAndUnits) {
    // clang-format off
    struct Row { char const * format; LONG stored; char const * shown; };
    Row const rows[] = {
        {"0|2|V", 1250, "12.50 V"}, {"0|1|s|0|100", 25, "2.5 s"}, {"", 7, "7"}, {"0|2||-500|500", 250, "+2.50"},
        {"0|0|", -3, "-3"}, {"|||", 0, "0"}, {"0|-1|x", 1, "0.000000000000001 x"},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_number = row.stored;
        Show(ElementRecord("CUIPickInteger", "Number", row.format));
        EXPECT_EQ(Control(1000)->GetWindowText(), row.shown) << row.format;
    }
}

TEST_F(PickInteger, DialogAcceptsRefusesAndCancels) {
    // Each row confirms its texts one after another; the first ones are refused (as many as
    // the row has messages) and leave the dialog open with the text typed. Then an accepted
    // text has ended the dialog, or Escape ends it; no text at all is confirmed unchanged.
    // clang-format off
    struct Row { char const * format; LONG stored; Texts typed; bool ok; LONG after; Texts messages; Texts heard; };
    Row const rows[] = {
        {"0|1|s|0|100", 25, {"9.96"}, true, 100, {}, {"Number"}},
        {"0|1|s|0|100", 25, {"10.1", "5"}, true, 50, {"The value entered must not be more than 10.0."}, {"Number"}},
        {"", 7, {"-1", "x"}, true, 0, {"The value entered must not be less than 0."}, {"Number"}},
        {"0|2|mA|-500|500", 0, {"-5.01", "5.01"}, false, 0, {"The value entered must not be less than -5.00.", "The value entered must not be more than +5.00."}, {}},
        {"", 7, {}, true, 7, {}, {"Number"}},
        {"", 7, {}, false, 7, {}, {}},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_number = row.stored;
        Show(ElementRecord("CUIPickInteger", "Number", row.format));
        CAutomation::OnNextModal([&row](CWnd & modal) {
            for (std::size_t i = 0; i < row.typed.size(); ++i) {
                bool const refused = i < row.messages.size();
                if (refused)
                    CAutomation::OnNextModal(CAutomation::Confirm()); // the message box
                CAutomation::TypeAndConfirm(row.typed[i].c_str())(modal);
                if (refused) {
                    EXPECT_EQ(modal.GetDlgItem(CStringDialog::idText)->GetWindowText().Str(),
                              row.typed[i]);
                }
            }
            if (!row.ok)
                CAutomation::PressKey(VK_ESCAPE);
            else if (row.typed.empty())
                CAutomation::PressKey(VK_RETURN);
        });
        Press();
        EXPECT_EQ(m_item.m_number, row.after) << row.format;
        EXPECT_EQ(MessageBoxTexts(), row.messages) << row.format;
        EXPECT_EQ(m_item.m_heard, row.heard) << row.format;
    }
}

TEST_F(PickInteger, DialogShowsNameValueAndLimitAndSpeaksGerman) {
    SetThreadLocale(1031);
    m_item.m_number = 25;
    Show(ElementRecord("CUIPickInteger", "Number", "0|1|s|0|100", "Level"));
    CAutomation::OnNextModal([](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Wert &bearbeiten");
        EXPECT_EQ(modal.GetDlgItem(CStringDialog::idPrompt)->GetWindowText(), "Level");
        auto * field = static_cast<CEditCtrl *>(modal.GetDlgItem(CStringDialog::idText));
        EXPECT_EQ(field->GetWindowText(), "2.5");
        EXPECT_EQ(field->GetLimitText(), 4u);
        CAutomation::OnNextModal(CAutomation::Confirm());
        CAutomation::TypeAndConfirm("-1")(modal);
        CAutomation::PressKey(VK_ESCAPE);
    });
    Press();
    EXPECT_EQ(MessageBoxTexts(), Texts{"Der eingegebene Wert darf mindestens 0.0 betragen."});
    EXPECT_EQ(m_item.m_number, 25);
}

TEST_F(PickBase, WithoutThePropertyTheFieldIsEmptyAndNoDialogOpens) {
    for (char const * cls :
         {"CUIPickInteger", "CUIPickList", "CUIBitMask", "CUIPickFile", "CUIPickPath"}) {
        Show(ElementRecord(cls, "Missing", "1|A|B"));
        EXPECT_EQ(Control(1000)->GetWindowText(), "") << cls;
        CTraceCapture trace; // a dialog left without actions would be cancelled with a trace
        Press();
        EXPECT_TRUE(trace.GetLines().IsEmpty()) << cls;
        EXPECT_TRUE(m_item.m_heard.empty()) << cls;
    }
}
