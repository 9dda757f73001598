#include "CEditCtrl.hpp"
#include "CStringDialog.hpp"
#include "DialogTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"

#include <cstdlib>

namespace {

using StringDialog = DialogTest;

// Accepts numbers up to 100; a larger one is refused with a message box.
class CNumberDialog : public CStringDialog {
public:
    CNumberDialog() : CStringDialog("Edit Value", "Voltage", "12", 3) {}
    std::vector<std::string> m_checked;

protected:
    BOOL OnCheckText(CString text) override {
        m_checked.push_back(text.Str());
        if (std::atoi(text) <= 100)
            return TRUE;
        Error("The value entered must not be more than 100.");
        return FALSE;
    }
};

CEditCtrl * Field(CWnd & dialog) {
    return static_cast<CEditCtrl *>(dialog.GetDlgItem(CStringDialog::idText));
}

// The field's text and whether all of it is selected.
struct FieldState {
    std::string text;
    bool allSelected = false;
    bool focused = false;
    bool operator==(FieldState const &) const = default;
};

std::ostream & operator<<(std::ostream & out, FieldState const & state) {
    return out << "{" << state.text << ", " << state.allSelected << ", " << state.focused << "}";
}

FieldState StateOf(CWnd & dialog) {
    CEditCtrl * field = Field(dialog);
    int start = 0;
    int end = 0;
    field->GetSel(start, end);
    CString const text = field->GetWindowText();
    return {text.Str(), start == 0 && end == static_cast<int>(text.GetLength()),
            CWnd::GetFocus() == field};
}

} // namespace

TEST_F(StringDialog, OpensWithCaptionPromptAndTheWholeTextSelected) {
    CStringDialog dialog("Edit Value", "Output voltage", "12.50", 6);
    CAutomation::OnNextModal([](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Edit Value");
        EXPECT_EQ(modal.GetDlgItem(CStringDialog::idPrompt)->GetWindowText(), "Output voltage");
        EXPECT_EQ(StateOf(modal), (FieldState{"12.50", true, true}));
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
}

TEST_F(StringDialog, ConfirmingGivesTheTextTypedAndCancellingTheOneItOpenedWith) {
    // clang-format off
    struct Case {
        char const * name;
        CAutomation::ModalAction action;
        int code;
        char const * text;
    } const cases[] = {
        {"typed and Return", CAutomation::TypeAndConfirm("7.25"), IDOK, "7.25"},
        {"OK unchanged", CAutomation::ClickButton(IDOK), IDOK, "12.50"},
        {"typed and Escape", [](CWnd &) { CAutomation::TypeText("99"); CAutomation::PressKey(VK_ESCAPE); }, 0, "12.50"},
        {"typed and Cancel clicked", [](CWnd & modal) { CAutomation::TypeText("99"); CAutomation::ClickItem(&modal, IDCANCEL); }, 0, "12.50"},
        {"emptied and OK", CAutomation::TypeAndConfirm("\b"), IDOK, ""},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CStringDialog dialog("Edit Value", "Voltage", "12.50", 10);
        CAutomation::OnNextModal(test.action);
        EXPECT_EQ(dialog.Execute(&m_owner), test.code);
        EXPECT_EQ(dialog.GetText(), test.text);
    }
}

TEST_F(StringDialog, ARefusedTextKeepsTheDialogOpenUntilAnAcceptedOne) {
    CNumberDialog dialog;
    std::vector<FieldState> afterRefusal;
    CAutomation::OnNextModal([&](CWnd & modal) {
        CAutomation::OnNextModal(CAutomation::Confirm()); // the message box
        CAutomation::TypeAndConfirm("500")(modal);
        EXPECT_TRUE(modal.IsWindow());
        afterRefusal.push_back(StateOf(modal));
        // Typing replaces the selected text.
        CAutomation::TypeAndConfirm("50")(modal);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
    EXPECT_EQ(dialog.GetText(), "50");
    EXPECT_EQ(dialog.m_checked, (std::vector<std::string>{"500", "50"}));
    EXPECT_EQ(afterRefusal, (std::vector<FieldState>{{"500", true, true}}));
    ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
    EXPECT_EQ(CAutomation::GetMessageBoxTexts()[0], "The value entered must not be more than 100.");
}

TEST_F(StringDialog, ARefusedTextIsKeptWhenTheUserCancels) {
    CNumberDialog dialog;
    CAutomation::OnNextModal([](CWnd & modal) {
        CAutomation::OnNextModal(CAutomation::Confirm());
        CAutomation::TypeAndConfirm("101")(modal);
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    EXPECT_EQ(dialog.GetText(), "12");
}

TEST_F(StringDialog, TheLengthLimitCountsCharactersTheUserTypes) {
    // clang-format off
    struct Case {
        char const * initial;
        UINT limit;
        char const * typed;
        char const * result;
    } const cases[] = {
        {"", 4, "123456", "1234"},
        {"", 4, "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F" "x", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F"},
        {"abcdefgh", 4, "", "abcdefgh"}, // the program's text is shown whole
        {"abcdefgh", 4, "xyz", "xyz"}, // and replaced by what the user types
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.typed);
        CStringDialog dialog("Caption", "Prompt", test.initial, test.limit);
        std::string shown;
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(Field(modal)->GetLimitText(), test.limit);
            CAutomation::TypeText(test.typed);
            shown = Field(modal)->GetWindowText().Str();
            CAutomation::PressKey(VK_RETURN);
        });
        EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
        EXPECT_EQ(shown, test.result);
        EXPECT_EQ(dialog.GetText(), test.result);
    }
}

TEST_F(StringDialog, ButtonsSpeakTheThreadsLanguage) {
    // clang-format off
    struct Case { LCID language; char const * ok; char const * cancel; } const cases[] = {
        {LANG_ID_ENGLISH, "OK", "Cancel"},        {LANG_ID_GERMAN, "OK", "Abbrechen"},
        {LANG_ID_SPANISH, "Aceptar", "Cancelar"}, {LANG_ID_FRENCH, "OK", "Annuler"},
        {LANG_ID_ITALIAN, "OK", "Annulla"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.language);
        LocaleScope language(test.language);
        CStringDialog dialog("Caption", "Prompt", "", 0);
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(modal.GetDlgItem(IDOK)->GetWindowText(), test.ok);
            EXPECT_EQ(modal.GetDlgItem(IDCANCEL)->GetWindowText(), test.cancel);
            CAutomation::PressKey(VK_ESCAPE);
        });
        dialog.Execute(&m_owner);
    }
}
