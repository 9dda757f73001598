#include "DialogLists.hpp"
#include "DialogTestBase.hpp"
#include "ShellFolders.hpp"
#include "TempTree.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"

#include <cstring>
#include <filesystem>

namespace {

using Names = std::vector<std::string>;

constexpr UINT idTitle = 100;
constexpr UINT idFolders = 1121;
constexpr UINT idPath = 1152;

// What the callback heard, and what its selection answered.
struct Heard {
    std::vector<UINT> messages;
    void * window = nullptr;
    long data = 0;
    LRESULT selected = -1;
};
Heard g_heard;

// A callback of the shape the pickers use: on BFFM_INITIALIZED it preselects the path its
// data points at.
int Hook(void * wnd, unsigned int msg, long, long data) {
    g_heard.messages.push_back(msg);
    if (msg == BFFM_INITIALIZED) {
        g_heard.window = wnd;
        g_heard.data = data;
        g_heard.selected =
            CWnd::FromHandle(static_cast<HWND>(wnd))->SendMessage(BFFM_SETSELECTIONA, TRUE, data);
    }
    return 0;
}

class FolderBrowser : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        g_heard = Heard();
        for (char const * folder : {"alpha/deep", "beta", ".hidden"})
            m_tree.Folder(folder);
        m_tree.File("file.txt");
        std::memset(m_buffer, 0, sizeof m_buffer);
    }

    // Browses with the pickers' settings, the buffer preselected.
    ITEMIDLIST * Browse(std::string const & preselect, ITEMIDLIST const * root = nullptr) {
        std::strncpy(m_buffer, preselect.c_str(), MAX_PATH - 1);
        BROWSEINFOA info;
        info.hwndOwner = m_owner.GetSafeHwnd();
        info.pidlRoot = root;
        info.pszDisplayName = m_buffer;
        info.lpszTitle = "Select the required folder...";
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        info.lpfn = &Hook;
        info.lParam = reinterpret_cast<LPARAM>(m_buffer);
        return SHBrowseForFolderA(&info);
    }

    // The path of an item list, which is freed.
    static std::string Take(ITEMIDLIST * list) {
        char path[MAX_PATH];
        EXPECT_TRUE(SHGetPathFromIDListA(list, path));
        IMalloc * malloc = nullptr;
        EXPECT_EQ(SHGetMalloc(&malloc), S_OK);
        malloc->Free(list);
        malloc->Release();
        return path;
    }

    static std::string Text(CWnd & dialog, UINT id) {
        return dialog.GetDlgItem(id)->GetWindowText().Str();
    }

    TempTree m_tree;
    char m_buffer[MAX_PATH];
};

} // namespace

TEST_F(FolderBrowser, ItsCallbackPreselectsAFolderThatIsThenConfirmed) {
    CAutomation::OnNextModal([&](CWnd & modal) {
        EXPECT_EQ(g_heard.window, modal.GetSafeHwnd());
        EXPECT_EQ(Text(modal, idTitle), "Select the required folder...");
        EXPECT_EQ(Entries(modal, idFolders), (Names{"..", "alpha", "beta"}));
        EXPECT_EQ(Selected(modal, idFolders), "alpha");
        EXPECT_EQ(Text(modal, idPath), m_tree / "alpha");
        CAutomation::PressKey(VK_RETURN);
    });
    ITEMIDLIST * chosen = Browse(m_tree / "alpha/");
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(g_heard.messages, std::vector<UINT>{BFFM_INITIALIZED});
    EXPECT_EQ(g_heard.data, reinterpret_cast<long>(m_buffer));
    EXPECT_EQ(g_heard.selected, TRUE);
    EXPECT_STREQ(m_buffer, "alpha") << "the display name";
    EXPECT_EQ(Take(chosen), m_tree / "alpha");
}

TEST_F(FolderBrowser, APathThatIsNoFolderSelectsNothing) {
    // clang-format off
    struct Case { char const * name; std::string path; } const cases[] = {
        {"empty", ""},
        {"missing", m_tree / "missing"},
        {"a file", m_tree / "file.txt"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        g_heard = Heard();
        std::string shown;
        std::string selected;
        CAutomation::OnNextModal([&](CWnd & modal) {
            shown = Text(modal, idPath);
            selected = Selected(modal, idFolders);
            CAutomation::PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(Browse(test.path), nullptr);
        EXPECT_EQ(g_heard.selected, FALSE);
        EXPECT_EQ(shown, "");
        EXPECT_EQ(selected, "(none)");
        EXPECT_EQ(std::string(m_buffer), test.path) << "cancelled: the buffer is untouched";
    }
}

TEST_F(FolderBrowser, TheUserChoosesByListOrByPath) {
    std::filesystem::path const root(m_tree.Root());
    // clang-format off
    struct Case {
        char const * name;
        CAutomation::ModalAction action;
        std::string chosen;
        std::string display;
    } const cases[] = {
        {"preselected, then OK", CAutomation::ClickButton(IDOK), m_tree / "beta", "beta"},
        {"clicked, then OK", [](CWnd & modal) { ClickEntry(modal, idFolders, "alpha"); CAutomation::ClickItem(&modal, IDOK); }, m_tree / "alpha", "alpha"},
        {"entered by double click, then Return", [](CWnd & modal) { ClickEntry(modal, idFolders, "alpha", true); EXPECT_EQ(Entries(modal, idFolders), (Names{"..", "deep"})); EXPECT_EQ(Text(modal, idPath), ""); CAutomation::PressKey(VK_RETURN); }, m_tree / "alpha", "alpha"},
        {"up by double click", [](CWnd & modal) { ClickEntry(modal, idFolders, "..", true); CAutomation::PressKey(VK_RETURN); }, root.parent_path().string(), root.parent_path().filename().string()},
        {"a path typed, from the folder shown", [](CWnd & modal) { FocusField(modal, idPath); CAutomation::TypeAndConfirm("alpha/deep/")(modal); }, m_tree / "alpha/deep", "deep"},
        {"a hidden folder typed", [](CWnd & modal) { FocusField(modal, idPath); CAutomation::TypeAndConfirm(".hidden")(modal); }, m_tree / ".hidden", ".hidden"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CAutomation::OnNextModal(test.action);
        ITEMIDLIST * chosen = Browse(m_tree / "beta");
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(m_buffer, test.display);
        EXPECT_EQ(Take(chosen), test.chosen);
    }
}

TEST_F(FolderBrowser, APathThatIsNoFolderIsRefusedOnOK) {
    CAutomation::OnNextModal([&](CWnd & modal) {
        CAutomation::OnNextModal(CAutomation::Confirm());
        FocusField(modal, idPath);
        CAutomation::TypeAndConfirm("file.txt")(modal);
        EXPECT_TRUE(modal.IsWindow());
        EXPECT_EQ(CWnd::GetFocus(), modal.GetDlgItem(idPath));
        CAutomation::TypeAndConfirm("beta")(modal);
    });
    ITEMIDLIST * chosen = Browse(m_tree / "alpha");
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(Take(chosen), m_tree / "beta");
    ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
    EXPECT_EQ(CAutomation::GetMessageBoxTexts()[0],
              ("The folder " + (m_tree / "file.txt") + " does not exist.").c_str());
}

TEST_F(FolderBrowser, ARootKeepsTheBrowserInItsTree) {
    ITEMIDLIST * root = nullptr;
    {
        CAutomation::OnNextModal(CAutomation::Confirm());
        root = Browse(m_tree / "alpha");
        ASSERT_NE(root, nullptr);
    }
    // clang-format off
    struct Case { std::string preselect; LRESULT selected; Names shown; } const cases[] = {
        {"", FALSE, {"deep"}},
        {m_tree / "alpha/deep", TRUE, {"deep"}},
        {m_tree / "beta", FALSE, {"deep"}},
        {m_tree.Root(), FALSE, {"deep"}},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.preselect);
        g_heard = Heard();
        Names shown;
        CAutomation::OnNextModal([&](CWnd & modal) {
            shown = Entries(modal, idFolders);
            CAutomation::PressKey(VK_RETURN);
        });
        ITEMIDLIST * chosen = Browse(test.preselect, root);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(g_heard.selected, test.selected);
        EXPECT_EQ(shown, test.shown);
        EXPECT_EQ(Take(chosen), test.selected ? test.preselect : m_tree / "alpha");
    }
    EXPECT_EQ(Take(root), m_tree / "alpha");
}

TEST_F(FolderBrowser, ItemListsAndTheAllocator) {
    char path[MAX_PATH] = "untouched";
    EXPECT_FALSE(SHGetPathFromIDListA(nullptr, path));
    EXPECT_STREQ(path, "");
    EXPECT_EQ(SHGetMalloc(nullptr), E_INVALIDARG);
    IMalloc * first = nullptr;
    IMalloc * second = nullptr;
    ASSERT_EQ(SHGetMalloc(&first), S_OK);
    ASSERT_EQ(SHGetMalloc(&second), S_OK);
    EXPECT_EQ(first, second);
    // A path longer than the buffers the calls take cannot be given back.
    std::string const longPath = "/" + std::string(MAX_PATH, 'x');
    auto * list = static_cast<ITEMIDLIST *>(first->Alloc(longPath.size() + 1));
    std::memcpy(list, longPath.c_str(), longPath.size() + 1);
    EXPECT_FALSE(SHGetPathFromIDListA(list, path));
    EXPECT_STREQ(path, "");
    first->Free(list);
    first->Free(nullptr);
    first->Release();
    second->Release();
    EXPECT_EQ(SHBrowseForFolderA(nullptr), nullptr);
}
