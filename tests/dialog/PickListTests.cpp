#include "CListBox.hpp"
#include "CPrintf.hpp"
#include "CStdDialog.hpp"
#include "DialogLists.hpp"
#include "DialogTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

#include <utility>

class CModule;
extern "C" CModule * LibraryResourceModule();

namespace {

using Names = std::vector<std::string>;
using Entry = std::pair<char const *, unsigned long>;

// A list dialog of the kind the engine derives from CStdDialog: the engine's template
// PICKLISTDLG (a group box, list box 100, OK, Cancel; no size), a caption formatted from the
// template's, and a message map that takes over WM_INITDIALOG, a double click in the list and
// the OK and Cancel commands.
class CListPickDlg : public CStdDialog {
    AFX_DECLARE_CLASS(CListPickDlg)
    AFX_DECLARE_MESSAGE_MAP()
public:
    CListPickDlg(char const * name, std::vector<Entry> entries, unsigned long data)
        : m_name(name), m_entries(std::move(entries)), m_data(data) {
        SetName(CEntity(LibraryResourceModule(), "PickListDlg"));
    }
    unsigned long GetData() const { return m_data; }

protected:
    int OnInitDialog(CWnd &, unsigned long) {
        SetWindowText(CPrintf(GetWindowText(), m_name.c_str()));
        auto * list = static_cast<CListBox *>(GetDlgItem(100));
        for (Entry const & entry : m_entries)
            list->AddString(entry.first, entry.second);
        list->SelectData(m_data);
        return TRUE;
    }
    void OnDblClk(unsigned int, CWnd &) { SendMessage(WM_COMMAND, IDOK, 0); }
    int OnCommandOK(unsigned int) {
        m_data =
            static_cast<unsigned long>(static_cast<CListBox *>(GetDlgItem(100))->GetCurSelData());
        EndDialog(1);
        return TRUE;
    }
    int OnCommandCancel(unsigned int) {
        EndDialog(0);
        return TRUE;
    }

private:
    std::string m_name;
    std::vector<Entry> m_entries;
    unsigned long m_data;
};

AFX_IMPLEMENT_CLASS(CListPickDlg, CStdDialog, &CStdDialog::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CListPickDlg, CStdDialog)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CListPickDlg::OnInitDialog)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, 100, 100, LBN_DBLCLK, &CListPickDlg::OnDblClk)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDOK, IDOK, &CListPickDlg::OnCommandOK)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDCANCEL, IDCANCEL, &CListPickDlg::OnCommandCancel)
AFX_END_MESSAGE_MAP()

using PickList = DialogTest;

std::vector<Entry> const g_modes = {{"Auto", 0}, {"Manual", 2}, {"Remote", 5}};

} // namespace

TEST_F(PickList, OpensWithTheEntriesAndTheStoredOneSelected) {
    CListPickDlg dialog("Mode", g_modes, 2);
    CAutomation::OnNextModal([](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Mode");
        EXPECT_EQ(Entries(modal, 100), (Names{"Auto", "Manual", "Remote"}));
        EXPECT_EQ(Selected(modal, 100), "Manual");
        EXPECT_EQ(CWnd::GetFocus(), modal.GetDlgItem(100)) << "the first tab stop";
        // No size in the template: 158 x 126 units around the controls.
        EXPECT_EQ(modal.GetClientRect().Size(), CSize(277, 205));
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
}

TEST_F(PickList, TheDerivedMapDecidesHowItEnds) {
    // clang-format off
    struct Case {
        char const * name;
        CAutomation::ModalAction action;
        int code;
        unsigned long data;
    } const cases[] = {
        {"Down and Return", [](CWnd &) { CAutomation::PressKey(VK_DOWN); CAutomation::PressKey(VK_RETURN); }, 1, 5},
        {"double click", [](CWnd & modal) { ClickEntry(modal, 100, "Auto", true); }, 1, 0},
        {"OK clicked", CAutomation::ClickButton(IDOK), 1, 2},
        {"Escape after a change", [](CWnd &) { CAutomation::PressKey(VK_UP); CAutomation::PressKey(VK_ESCAPE); }, 0, 2},
        {"close box", [](CWnd & modal) { modal.SendMessage(WM_CLOSE); }, 0, 2},
        {"Tab to Cancel and Return", [](CWnd &) { CAutomation::PressKey(VK_TAB); CAutomation::PressKey(VK_TAB); CAutomation::PressKey(VK_RETURN); }, 0, 2},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CListPickDlg dialog("Mode", g_modes, 2);
        CAutomation::OnNextModal(test.action);
        EXPECT_EQ(dialog.Execute(&m_owner), test.code);
        EXPECT_EQ(dialog.GetData(), test.data);
    }
}

TEST_F(PickList, TheTemplateFollowsTheThreadsLanguage) {
    // clang-format off
    struct Case { LCID language; char const * group; char const * cancel; } const cases[] = {
        {LANG_ID_ENGLISH, "&Options", "Cancel"},    {LANG_ID_GERMAN, "&Optionen", "Abbrechen"},
        {LANG_ID_SPANISH, "&Opciones", "Cancelar"}, {LANG_ID_FRENCH, "&Options...", "Annuler"},
        {LANG_ID_ITALIAN, "&Opzioni", "Annulla"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.language);
        LocaleScope language(test.language);
        CListPickDlg dialog("Mode", g_modes, 0);
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(modal.GetDlgItem(0)->GetWindowText(), test.group);
            EXPECT_EQ(modal.GetDlgItem(IDCANCEL)->GetWindowText(), test.cancel);
            CAutomation::PressKey(VK_ESCAPE);
        });
        dialog.Execute(&m_owner);
    }
}
