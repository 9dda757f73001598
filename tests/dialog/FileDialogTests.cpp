#include "CEditCtrl.hpp"
#include "COpenFileDialog.hpp"
#include "DialogLists.hpp"
#include "DialogTestBase.hpp"
#include "TempTree.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"

#include <filesystem>
#include <optional>
#include <unistd.h>

namespace {

using Names = std::vector<std::string>;

// Sets an environment variable (null: unsets it) for a scope.
class EnvScope {
public:
    EnvScope(char const * name, char const * value) : m_name(name) {
        if (char const * old = std::getenv(name))
            m_saved = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvScope() {
        if (m_saved)
            setenv(m_name.c_str(), m_saved->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }
    EnvScope(EnvScope const &) = delete;
    EnvScope & operator=(EnvScope const &) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_saved;
};

// A folder tree to browse, and the user's configuration inside it:
//   alpha/ (inner.txt)  beta/ (b2.txt)  .hidden/  a.txt  b.csv  c.log  Readme.TXT  .dot.txt
class FileDialog : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        for (char const * folder : {"alpha", "beta", ".hidden"})
            m_tree.Folder(folder);
        for (char const * file : {"a.txt", "b.csv", "c.log", "Readme.TXT", ".dot.txt",
                                  "alpha/inner.txt", "beta/b2.txt"})
            m_tree.File(file);
    }

    std::string Text(CWnd & dialog, UINT id) {
        return dialog.GetDlgItem(id)->GetWindowText().Str();
    }

    // The filter box follows the name field in the tab order; Down chooses the next filter.
    static void NextFilter(CWnd & dialog) {
        dialog.GetDlgItem(CFileDialog::idName)->SetFocus();
        CAutomation::PressKey(VK_TAB);
        CAutomation::PressKey(VK_DOWN);
    }

    TempTree m_tree;
    EnvScope m_config{"XDG_CONFIG_HOME", (m_tree / "config").c_str()};
};

} // namespace

TEST_F(FileDialog, ShowsTheFoldersAndTheFilesOfTheChosenFilter) {
    COpenFileDialog dialog;
    dialog.SetFilter("Text files|*.txt;*.csv|All files|*");
    dialog.SetFilename((m_tree / "a.txt").c_str());
    CAutomation::OnNextModal([&](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Open");
        EXPECT_EQ(Text(modal, CFileDialog::idFolder), m_tree.Root());
        EXPECT_EQ(Entries(modal, CFileDialog::idFolders), (Names{"..", "alpha", "beta"}));
        EXPECT_EQ(Entries(modal, CFileDialog::idFiles), (Names{"a.txt", "b.csv", "Readme.TXT"}));
        EXPECT_EQ(Text(modal, CFileDialog::idName), "a.txt");
        EXPECT_EQ(CWnd::GetFocus(), modal.GetDlgItem(CFileDialog::idName));
        EXPECT_EQ(Text(modal, CFileDialog::idTypes), "Text files");
        NextFilter(modal);
        EXPECT_EQ(Text(modal, CFileDialog::idTypes), "All files");
        EXPECT_EQ(Entries(modal, CFileDialog::idFiles),
                  (Names{"a.txt", "b.csv", "c.log", "Readme.TXT"}));
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    EXPECT_EQ(dialog.GetFilename(), (m_tree / "a.txt").c_str()) << "as it was given";
}

TEST_F(FileDialog, FilterTextsChooseTheFilesShown) {
    // clang-format off
    struct Case { char const * filter; char const * shownAs; Names files; } const cases[] = {
        {"", "All files", {"a.txt", "b.csv", "c.log", "Readme.TXT"}},
        {"Logs|*.LOG", "Logs", {"c.log"}},
        {"Text|*.txt|", "Text", {"a.txt", "Readme.TXT"}},
        {"Everything", "Everything", {"a.txt", "b.csv", "c.log", "Readme.TXT"}},
        {"Two| *.csv ; *.log ;", "Two", {"b.csv", "c.log"}},
        {"Any|*.*", "Any", {"a.txt", "b.csv", "c.log", "Readme.TXT"}},
        {"One letter|?.txt", "One letter", {"a.txt"}},
        {"Set|[bc].*", "Set", {"b.csv", "c.log"}},
        {"||Csv|*.csv", "Csv", {"b.csv"}},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.filter);
        CFileDialog dialog;
        dialog.SetFilter(test.filter);
        dialog.SetFilename((m_tree / "x").c_str());
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(Text(modal, CFileDialog::idTypes), test.shownAs);
            EXPECT_EQ(Entries(modal, CFileDialog::idFiles), test.files);
            CAutomation::PressKey(VK_ESCAPE);
        });
        dialog.Execute(&m_owner);
    }
}

TEST_F(FileDialog, FoldersAreEnteredByDoubleClickReturnOrName) {
    COpenFileDialog dialog;
    dialog.SetFilename((m_tree / "a.txt").c_str());
    std::vector<std::string> visited;
    CAutomation::OnNextModal([&](CWnd & modal) {
        auto visit = [&] {
            visited.push_back(Text(modal, CFileDialog::idFolder));
            EXPECT_EQ(Text(modal, CFileDialog::idName), "") << visited.back();
        };
        ASSERT_TRUE(ClickEntry(modal, CFileDialog::idFolders, "alpha", true));
        visited.push_back(Text(modal, CFileDialog::idFolder));
        EXPECT_EQ(Entries(modal, CFileDialog::idFolders), Names{".."});
        EXPECT_EQ(Entries(modal, CFileDialog::idFiles), Names{"inner.txt"});
        // Return on the selected folder enters it instead of confirming.
        ASSERT_TRUE(ClickEntry(modal, CFileDialog::idFolders, ".."));
        CAutomation::PressKey(VK_RETURN);
        visited.push_back(Text(modal, CFileDialog::idFolder));
        FocusField(modal, CFileDialog::idName);
        CAutomation::TypeAndConfirm("beta")(modal);
        visit();
        CAutomation::TypeAndConfirm((m_tree / "alpha").c_str())(modal);
        visit();
        CAutomation::TypeAndConfirm("../beta/../.hidden")(modal);
        visit();
        EXPECT_EQ(Entries(modal, CFileDialog::idFolders), Names{".."});
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    EXPECT_EQ(visited, (std::vector<std::string>{m_tree / "alpha", m_tree.Root(), m_tree / "beta",
                                                 m_tree / "alpha", m_tree / ".hidden"}));
}

TEST_F(FileDialog, OKChoosesTheFileNamedOrPicked) {
    // clang-format off
    struct Case { char const * name; CAutomation::ModalAction action; std::string chosen; } const cases[] = {
        {"typed", CAutomation::TypeAndConfirm("b.csv"), m_tree / "b.csv"},
        {"typed with blanks", CAutomation::TypeAndConfirm("  c.log "), m_tree / "c.log"},
        {"typed path", CAutomation::TypeAndConfirm((m_tree / "alpha/inner.txt").c_str()), m_tree / "alpha/inner.txt"},
        {"typed relative path", CAutomation::TypeAndConfirm("beta/b2.txt"), m_tree / "beta/b2.txt"},
        {"double-clicked", [](CWnd & modal) { ClickEntry(modal, CFileDialog::idFiles, "Readme.TXT", true); }, m_tree / "Readme.TXT"},
        {"clicked, then OK", [](CWnd & modal) { ClickEntry(modal, CFileDialog::idFiles, "b.csv"); CAutomation::ClickItem(&modal, IDOK); }, m_tree / "b.csv"},
        {"clicked, then Return in the list", [](CWnd & modal) { ClickEntry(modal, CFileDialog::idFiles, "a.txt"); CAutomation::PressKey(VK_RETURN); }, m_tree / "a.txt"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        COpenFileDialog dialog;
        dialog.SetFilename((m_tree / "nothing-yet").c_str());
        CAutomation::OnNextModal(test.action);
        EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
        EXPECT_EQ(dialog.GetFilename(), test.chosen.c_str());
        EXPECT_EQ(dialog.GetFolder(), std::filesystem::path(test.chosen).parent_path().c_str());
        EXPECT_TRUE(CAutomation::GetMessageBoxTexts().IsEmpty());
    }
}

TEST_F(FileDialog, AMissingFileIsRefusedByTheOpenDialogOnly) {
    // clang-format off
    struct Case { char const * name; bool open; char const * typed; std::string told; } const cases[] = {
        {"open, missing file", true, "nope.txt", "The file " + (m_tree / "nope.txt") + " was not found."},
        {"open, missing folder", true, "gone/x.txt", "The file " + (m_tree / "gone/x.txt") + " was not found."},
        {"any, missing folder", false, "gone/x.txt", "The folder " + (m_tree / "gone") + " does not exist."},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CAutomation::ClearMessageBoxTexts();
        COpenFileDialog open;
        CFileDialog any;
        CFileDialog & dialog = test.open ? open : any;
        dialog.SetFilename((m_tree / "x").c_str());
        std::string afterRefusal;
        bool selected = false;
        CAutomation::OnNextModal([&](CWnd & modal) {
            CAutomation::OnNextModal(CAutomation::Confirm());
            CAutomation::TypeAndConfirm(test.typed)(modal);
            ASSERT_TRUE(modal.IsWindow());
            auto * name = static_cast<CEditCtrl *>(modal.GetDlgItem(CFileDialog::idName));
            afterRefusal = name->GetWindowText().Str();
            int start = 0;
            int end = 0;
            name->GetSel(start, end);
            selected = CWnd::GetFocus() == name && start == 0 &&
                       end == static_cast<int>(afterRefusal.size());
            CAutomation::TypeAndConfirm("a.txt")(modal);
        });
        EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
        EXPECT_EQ(afterRefusal, test.typed);
        EXPECT_TRUE(selected);
        EXPECT_EQ(dialog.GetFilename(), (m_tree / "a.txt").c_str());
        ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
        EXPECT_EQ(CAutomation::GetMessageBoxTexts()[0], test.told.c_str());
    }
    // A dialog that need not open the file takes a new name in an existing folder.
    CFileDialog any;
    any.SetFilename((m_tree / "new.txt").c_str());
    CAutomation::OnNextModal(CAutomation::Confirm());
    EXPECT_EQ(any.Execute(&m_owner), IDOK);
    EXPECT_EQ(any.GetFilename(), (m_tree / "new.txt").c_str());
}

TEST_F(FileDialog, LastPathsAreRememberedPerKeyAcrossRuns) {
    char const * const odd = "weird\tkey\nwith=%25|and \xC3\xA4";
    // The first run: two files chosen, their folders remembered under two keys.
    {
        COpenFileDialog first;
        EXPECT_FALSE(first.LoadLastPath("key one"));
        first.SetFilename((m_tree / "a.txt").c_str());
        CAutomation::OnNextModal(CAutomation::TypeAndConfirm("alpha/inner.txt"));
        ASSERT_EQ(first.Execute(&m_owner), IDOK);
        EXPECT_TRUE(first.SaveLastPath("key one"));

        COpenFileDialog second;
        second.SetFilename((m_tree / "beta/b2.txt").c_str());
        CAutomation::OnNextModal(CAutomation::Confirm());
        ASSERT_EQ(second.Execute(&m_owner), IDOK);
        EXPECT_TRUE(second.SaveLastPath(odd));
        EXPECT_TRUE(second.SaveLastPath(""));
    }
    // Written whole, with no file left beside it.
    std::filesystem::path const store = m_tree / "config/vantorui/lastpaths";
    ASSERT_TRUE(std::filesystem::exists(store));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.parent_path()),
                            std::filesystem::directory_iterator()),
              1);
    // The next run: new objects find the folders again.
    // clang-format off
    struct Case { char const * key; bool found; std::string folder; } const cases[] = {
        {"key one", true, m_tree / "alpha"},
        {odd, true, m_tree / "beta"},
        {"", true, m_tree / "beta"},
        {"key", false, std::filesystem::current_path().string()},
        {"weird", false, std::filesystem::current_path().string()},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.key);
        COpenFileDialog next;
        EXPECT_EQ(next.LoadLastPath(test.key), test.found);
        EXPECT_EQ(next.GetFolder(), test.folder.c_str());
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(Text(modal, CFileDialog::idFolder), test.folder);
            CAutomation::PressKey(VK_ESCAPE);
        });
        next.Execute(&m_owner);
    }
    // Saving again replaces the key's folder; a folder that is gone is not used.
    COpenFileDialog again;
    again.SetFilename((m_tree / "alpha/x").c_str());
    EXPECT_TRUE(again.SaveLastPath(odd));
    std::filesystem::remove_all(m_tree / "beta");
    COpenFileDialog last;
    EXPECT_TRUE(last.LoadLastPath(odd));
    EXPECT_EQ(last.GetFolder(), (m_tree / "alpha").c_str());
    EXPECT_FALSE(last.LoadLastPath(""));
    EXPECT_EQ(last.GetFolder(), (m_tree / "alpha").c_str());
}

TEST_F(FileDialog, TheLastPathsFileLivesInTheUsersConfiguration) {
    // clang-format off
    struct Case { char const * config; char const * home; std::string file; } const cases[] = {
        {"xdg", "home", m_tree / "xdg/vantorui/lastpaths"},
        {nullptr, "home", m_tree / "home/.config/vantorui/lastpaths"},
        {"", "home", m_tree / "home/.config/vantorui/lastpaths"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.file);
        std::string const config = test.config && *test.config ? m_tree / test.config : "";
        EnvScope xdg("XDG_CONFIG_HOME", test.config ? config.c_str() : nullptr);
        EnvScope home("HOME", (m_tree / test.home).c_str());
        CFileDialog dialog;
        dialog.SetFilename((m_tree / "alpha/x").c_str());
        EXPECT_TRUE(dialog.SaveLastPath("k"));
        EXPECT_TRUE(std::filesystem::exists(test.file));
        std::filesystem::remove(test.file);
    }
    EnvScope xdg("XDG_CONFIG_HOME", nullptr);
    EnvScope home("HOME", nullptr);
    CFileDialog dialog;
    EXPECT_FALSE(dialog.SaveLastPath("k"));
    EXPECT_FALSE(dialog.LoadLastPath("k"));
}

TEST_F(FileDialog, AFolderRemovedUnderTheDialogIsToldOnce) {
    m_tree.Folder("gone");
    m_tree.File("gone/g.txt");
    COpenFileDialog dialog;
    dialog.SetFilter("All|*|Text|*.txt");
    dialog.SetFilename((m_tree / "gone/g.txt").c_str());
    CAutomation::OnNextModal([&](CWnd & modal) {
        EXPECT_EQ(Entries(modal, CFileDialog::idFiles), Names{"g.txt"});
        std::filesystem::remove_all(m_tree / "gone");
        CAutomation::OnNextModal(CAutomation::Confirm());
        NextFilter(modal);
        EXPECT_EQ(Entries(modal, CFileDialog::idFolders), Names{});
        EXPECT_EQ(Entries(modal, CFileDialog::idFiles), Names{});
        EXPECT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
        // Shown again in the same folder: nothing more is said.
        CAutomation::PressKey(VK_UP);
        EXPECT_EQ(Text(modal, CFileDialog::idTypes), "All");
        EXPECT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
        // The name field still leads out.
        FocusField(modal, CFileDialog::idName);
        CAutomation::TypeAndConfirm("..")(modal);
        EXPECT_EQ(Text(modal, CFileDialog::idFolder), m_tree.Root());
        EXPECT_EQ(Entries(modal, CFileDialog::idFolders), (Names{"..", "alpha", "beta"}));
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), 0);
    ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
    EXPECT_EQ(CAutomation::GetMessageBoxTexts()[0],
              ("The folder " + (m_tree / "gone") + " cannot be read.").c_str());
}

TEST_F(FileDialog, AnUnreadableFolderShowsNothing) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every folder";
    m_tree.Folder("locked");
    m_tree.File("locked/l.txt");
    std::filesystem::permissions(m_tree / "locked", std::filesystem::perms::none);
    COpenFileDialog dialog;
    dialog.SetFilename((m_tree / "a.txt").c_str());
    CAutomation::OnNextModal([&](CWnd & modal) {
        CAutomation::OnNextModal(CAutomation::Confirm());
        ClickEntry(modal, CFileDialog::idFolders, "locked", true);
        EXPECT_EQ(Entries(modal, CFileDialog::idFiles), Names{});
        CAutomation::PressKey(VK_ESCAPE);
    });
    dialog.Execute(&m_owner);
    std::filesystem::permissions(m_tree / "locked", std::filesystem::perms::owner_all);
    ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
    EXPECT_EQ(CAutomation::GetMessageBoxTexts()[0],
              ("The folder " + (m_tree / "locked") + " cannot be read.").c_str());
}

TEST_F(FileDialog, TextsSpeakTheThreadsLanguage) {
    // clang-format off
    struct Case {
        LCID language;
        char const * caption;
        char const * cancel;
        char const * allFiles;
    } const cases[] = {
        {LANG_ID_ENGLISH, "Open", "Cancel", "All files"},
        {LANG_ID_GERMAN, "\xC3\x96" "ffnen", "Abbrechen", "Alle Dateien"},
        {LANG_ID_SPANISH, "Abrir", "Cancelar", "Todos los archivos"},
        {LANG_ID_FRENCH, "Ouvrir", "Annuler", "Tous les fichiers"},
        {LANG_ID_ITALIAN, "Apri", "Annulla", "Tutti i file"},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.language);
        LocaleScope language(test.language);
        COpenFileDialog dialog;
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(modal.GetWindowText(), test.caption);
            EXPECT_EQ(Text(modal, IDCANCEL), test.cancel);
            EXPECT_EQ(Text(modal, CFileDialog::idTypes), test.allFiles);
            CAutomation::PressKey(VK_ESCAPE);
        });
        dialog.Execute(&m_owner);
    }
}
