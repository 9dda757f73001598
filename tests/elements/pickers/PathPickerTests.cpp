#include "AfxTrace.hpp"
#include "CEditCtrl.hpp"
#include "CFileDialog.hpp"
#include "CListBox.hpp"
#include "PickerFixture.hpp"
#include "TempTree.hpp"
#include "VirtualKeys.hpp"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Action = std::function<void(CWnd & modal)>;

// The folder browser's path field.
constexpr UINT idBrowserPath = 1152;

// Pickers of files and folders in a folder tree of their own, with the user's configuration
// inside it:  fw/ (a.bin)  logs/  note.txt
class PathPicker : public PickerTest {
protected:
    void SetUp() override {
        PickerTest::SetUp();
        m_tree.Folder("fw");
        m_tree.Folder("logs");
        m_tree.File("fw/a.bin");
        m_tree.File("note.txt");
        setenv("XDG_CONFIG_HOME", (m_tree / "config").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        PickerTest::TearDown();
    }

    // The shown text and whether the caret stands after its end.
    std::pair<std::string, bool> Field() {
        auto * edit = static_cast<CEditCtrl *>(Control(1000));
        int start = 0;
        int end = 0;
        edit->GetSel(start, end);
        int const length = static_cast<int>(edit->GetWindowText().GetLength());
        return {edit->GetWindowText().Str(), start == length && end == length};
    }

    TempTree m_tree;
};

std::string LongPath(std::size_t length) {
    return "/" + std::string(length - 1, 'p');
}

} // namespace

TEST_F(PathPicker, FilePickerRemembersTheFolderForTheNextRunOfTheProgram) {
    // The first run picks a file in a process of its own, which ends when it has picked.
    pid_t const child = fork();
    if (child == 0) {
        Show(ElementRecord("CUIPickFile", "Path", "fw|Firmware|*.bin|All|*"));
        CAutomation::OnNextModal(CAutomation::TypeAndConfirm((m_tree / "fw/a.bin").c_str()));
        Press();
        _exit(m_item.m_path.Str() == m_tree / "fw/a.bin" ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(status, 0);

    // The next run opens in the folder remembered under the key.
    Show(ElementRecord("CUIPickFile", "Path", "fw|All|*"));
    std::string folder;
    CAutomation::OnNextModal([&folder](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Browse for File");
        EXPECT_EQ(modal.GetDlgItem(CFileDialog::idName)->GetWindowText(), "");
        folder = modal.GetDlgItem(CFileDialog::idFolder)->GetWindowText().Str();
        CAutomation::PressKey(VK_ESCAPE);
    });
    Press();
    EXPECT_EQ(folder, m_tree / "fw");
    EXPECT_EQ(m_item.m_path, "");
    EXPECT_TRUE(m_item.m_heard.empty());
}

TEST_F(PathPicker, FilePickerWritesTheChosenFileWhateverTheConfigurationHolds) {
    // Each row is a remembered-folders file (a folder of that name where it cannot be
    // written); only the folder that cannot be written is traced.
    // clang-format off
    struct Row { char const * config; std::string content; bool traced; };
    Row const rows[] = {
        {"note.txt/config", "", true}, {"empty", "", false}, {"binary", std::string("\0\x01\xff\n\0", 5), false}, {"cut", "fw\t/tm", false},
    };
    // clang-format on
    for (Row const & row : rows) {
        setenv("XDG_CONFIG_HOME", (m_tree / row.config).c_str(), 1);
        if (!row.traced) {
            m_tree.Folder(std::string(row.config) + "/vantorui");
            std::ofstream(m_tree / row.config + "/vantorui/lastpaths") << row.content;
        }
        m_item.m_path = "";
        m_item.SetDirty(FALSE);
        Show(ElementRecord("CUIPickFile", "Path", "fw|All|*"));
        CTraceCapture trace;
        CAutomation::OnNextModal(CAutomation::TypeAndConfirm((m_tree / "fw/a.bin").c_str()));
        Press();
        EXPECT_EQ(m_item.m_path.Str(), m_tree / "fw/a.bin") << row.config;
        EXPECT_TRUE(m_item.IsDirty());
        EXPECT_EQ(m_item.m_heard, Texts{"Path"});
        EXPECT_EQ(Field(), std::make_pair(m_tree / "fw/a.bin", true));
        EXPECT_EQ(CWnd::GetFocus(), Control(1001));
        EXPECT_EQ(trace.Contains("ERROR: The folder of"), row.traced) << row.config;
    }
}

TEST_F(PathPicker, StoredPathsOfAnyKindOpenTheDialogsAndCancelChangesNothing) {
    // clang-format off
    struct Row { char const * cls; std::string stored; };
    Row const rows[] = {
        {"CUIPickFile", ""}, {"CUIPickFile", "/no/such/folder/x.bin"}, {"CUIPickFile", LongPath(10000)}, {"CUIPickFile", "\xff\xfe/x"},
        {"CUIPickPath", ""}, {"CUIPickPath", "/no/such/folder"}, {"CUIPickPath", LongPath(10000)}, {"CUIPickPath", m_tree / "note.txt"}, {"CUIPickPath", "\xff\xfe/x"},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_path = row.stored.c_str();
        Show(ElementRecord(row.cls, "Path", "key|All|*"));
        EXPECT_EQ(Field(), std::make_pair(row.stored, true)) << row.cls;
        CAutomation::OnNextModal(CAutomation::Cancel());
        Press();
        EXPECT_EQ(m_item.m_path.Str(), row.stored) << row.cls;
        EXPECT_TRUE(m_item.m_heard.empty()) << row.cls;
        EXPECT_EQ(CAutomation::GetPendingModalActions(), 0u) << row.cls;
    }
}

TEST_F(PathPicker, FolderPickerPreselectsTheStoredFolderAndRefusesPathlessChoices) {
    // A folder whose path still fits the shell's buffer, with a sub-folder whose path does not.
    std::string deep = m_tree / "d";
    while (deep.size() < 240)
        deep += "/dddddddddd";
    std::filesystem::create_directories(deep + "/cccccccccccccccccccccccccc");
    // Enters the preselected folder and chooses its sub-folder with the mouse.
    Action const chooseTooLong = [](CWnd & modal) {
        auto * list = static_cast<CListBox *>(modal.GetDlgItem(CFileDialog::idFolders));
        CRect rect;
        list->GetItemRect(list->GetCurSel(), rect);
        CAutomation::DoubleClick(list, CPoint(rect.left + 2, rect.top + 2));
        list->GetItemRect(1, rect);
        CAutomation::Click(list, CPoint(rect.left + 2, rect.top + 2));
        CAutomation::ClickItem(&modal, IDOK);
    };
    // clang-format off
    struct Row { std::string stored; Action action; std::string after; Texts messages; Texts heard; };
    Row const rows[] = {
        {m_tree / "logs", CAutomation::Confirm(), m_tree / "logs", {}, {"Path"}},
        {m_tree / "logs", CAutomation::TypeAndConfirm((m_tree / "fw").c_str()), m_tree / "fw", {}, {"Path"}},
        {deep, chooseTooLong, deep, {"The selection is not a valid directory."}, {}},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_path = row.stored.c_str();
        Show(ElementRecord("CUIPickPath", "Path", ""));
        EXPECT_EQ(Control(1001)->GetWindowText(), "Browse...");
        std::string preselected;
        CAutomation::OnNextModal([&](CWnd & modal) {
            preselected = modal.GetDlgItem(idBrowserPath)->GetWindowText().Str();
            if (!row.messages.empty())
                CAutomation::OnNextModal(CAutomation::Confirm());
            row.action(modal);
        });
        Press();
        EXPECT_EQ(preselected, row.stored);
        EXPECT_EQ(m_item.m_path.Str(), row.after);
        EXPECT_EQ(Field(), std::make_pair(row.after, true));
        EXPECT_EQ(m_item.m_heard, row.heard);
        EXPECT_EQ(MessageBoxTexts(), row.messages);
        EXPECT_EQ(CWnd::GetFocus(), Control(1001));
    }
}
