// Runs the resource compiler on small folders written for each case and checks its exit
// status, its message and what it leaves behind.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct File {
    std::string path; // relative to the resources folder
    std::string content;
};

// A resources folder of its own in the temporary directory, removed at the end.
class Folder {
public:
    Folder() {
        static std::atomic<int> counter{0};
        m_root = fs::temp_directory_path() /
                 ("rescomp_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "resources");
    }
    ~Folder() {
        std::error_code error;
        fs::remove_all(m_root, error);
    }
    Folder(Folder const &) = delete;
    Folder & operator=(Folder const &) = delete;

    void Write(File const & file) const {
        fs::path path = Resources() / file.path;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << file.content;
    }
    fs::path Resources() const { return m_root / "resources"; }
    fs::path Output() const { return m_root / "out.cpp"; }

    // Runs the compiler; the exit status, and what it wrote to the error stream.
    std::pair<int, std::string> Compile() const {
        fs::path const messages = m_root / "messages.txt";
        std::string const command = "'" + std::string(RESCOMP_PATH) + "' '" + Resources().string() +
                                    "' '" + Output().string() + "' 2> '" + messages.string() + "'";
        int const status = std::system(command.c_str());
        std::ifstream in(messages);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
    }

private:
    fs::path m_root;
};

std::string ReadAll(fs::path const & path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string const kDialog = "DIALOG 0 0 0 0 \"x\" WS_POPUP\n";

} // namespace

TEST(ResourceCompiler, BadInputsFailWithFileAndLine) {
    // clang-format off
    struct Case {
        std::vector<File> files;
        std::string file; // the file the message names
        int line;         // 0: the message names the file only
        std::string says;
    } const cases[] = {
        // String tables.
        {{{"strings/1033.txt", "1 \"ok\"\n2 \"bad \\q escape\"\n"}}, "strings/1033.txt", 2, "unknown escape '\\q'"},
        {{{"strings/1033.txt", "1 \"\\x4\"\n"}}, "strings/1033.txt", 1, "two hexadecimal digits"},
        {{{"strings/1033.txt", "1 \"a\\"}}, "strings/1033.txt", 1, "at the end of the line"},
        {{{"strings/1033.txt", "; c\n0x1G \"x\"\n"}}, "strings/1033.txt", 2, "bad string number '0x1G'"},
        {{{"strings/1033.txt", "12a \"x\"\n"}}, "strings/1033.txt", 1, "bad string number"},
        {{{"strings/1033.txt", "70000 \"x\"\n"}}, "strings/1033.txt", 1, "out of range"},
        {{{"strings/1033.txt", "-1 \"x\"\n"}}, "strings/1033.txt", 1, "out of range"},
        {{{"strings/1033.txt", "1 \"unterminated\n"}}, "strings/1033.txt", 1, "missing closing quote"},
        {{{"strings/1033.txt", "1 unquoted\n"}}, "strings/1033.txt", 1, "in double quotes"},
        {{{"strings/1033.txt", "1\n"}}, "strings/1033.txt", 1, "in double quotes"},
        {{{"strings/1033.txt", "1 \"x\" more\n"}}, "strings/1033.txt", 1, "unexpected 'more'"},
        {{{"strings/1033.txt", "1 \"x\"more\n"}}, "strings/1033.txt", 1, "after the closing quote"},
        {{{"strings/1033.txt", "1 \"a\"\n\n0x1 \"b\"\n"}}, "strings/1033.txt", 3, "already defined on line 1"},
        {{{"strings/1033.txt", "1 \"caf\xE9\"\n"}}, "strings/1033.txt", 1, "not valid UTF-8"},
        {{{"strings/english.txt", "1 \"x\"\n"}}, "strings/english.txt", 0, "bad language"},
        // Raw data.
        {{{"data/Bad.en.txt", "x\n"}}, "data/Bad.en.txt", 0, "bad language 'en'"},
        {{{"data/Bad name.txt", "x\n"}}, "data/Bad name.txt", 0, "may hold only"},
        {{{"data/Name..txt", "x\n"}}, "data/Name..txt", 0, "bad language "},
        {{{"data/Nul.txt", std::string("ok\na\0b\n", 7)}}, "data/Nul.txt", 2, "NUL byte"},
        {{{"data/CItemUIList.1033.txt", "A,\"0,5 A\",,CUIStatic\nB,\"open,,CUIStatic\n"}}, "data/CItemUIList.1033.txt", 2, "two quotes"},
        {{{"data/List.txt", "a\n"}, {"data/LIST.txt", "b\n"}}, "data/List.txt", 0, "also defined at"},
        {{{"data/Notes.md", "x\n"}}, "data/Notes.md", 0, "ending in .txt"},
        // Bitmaps.
        {{{"bitmaps/B.txt", "##.\n; c\n#.\n"}}, "bitmaps/B.txt", 3, "ragged row"},
        {{{"bitmaps/B.txt", "#x#\n"}}, "bitmaps/B.txt", 1, "unexpected character 'x'"},
        {{{"bitmaps/B.txt", "## \n #\n"}}, "bitmaps/B.txt", 2, "unexpected character ' '"},
        {{{"bitmaps/B.txt", "; only a comment\n\n"}}, "bitmaps/B.txt", 0, "no rows"},
        // Dialogs.
        {{{"dialogs/D.txt", "DIALOG 0 0 0 0 \"x\" WS_POPUP|WS_NOSUCH\n"}}, "dialogs/D.txt", 1, "unknown style name 'WS_NOSUCH'"},
        {{{"dialogs/D.txt", "DIALOG 0 0 0 0 \"x\" ws_popup\n"}}, "dialogs/D.txt", 1, "unknown style name 'ws_popup'"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\" 1 button 0 0 zz 10 0\n"}}, "dialogs/D.txt", 2, "bad width 'zz'"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\" 1 button 0 0 40000 10 0\n"}}, "dialogs/D.txt", 2, "out of range"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\" 1 button 0 0 1 1\n"}}, "dialogs/D.txt", 2, "missing style"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\" 1 button 0 0 1 1 0 EXSTYLE\n"}}, "dialogs/D.txt", 2, "missing extended style"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\" 1 button 0 0 1 1 WS_CHILD|\n"}}, "dialogs/D.txt", 2, "empty part"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\\n\\x00\" 1 button 0 0 1 1 0\n"}}, "dialogs/D.txt", 2, "NUL byte"},
        {{{"dialogs/D.txt", "CONTROL \"a\" 1 button 0 0 1 1 0\n"}}, "dialogs/D.txt", 1, "before the DIALOG line"},
        {{{"dialogs/D.txt", kDialog + "BUTTON \"a\" 1 0 0 1 1 0\n"}}, "dialogs/D.txt", 2, "unknown keyword 'BUTTON'"},
        {{{"dialogs/D.txt", kDialog + kDialog}}, "dialogs/D.txt", 2, "a second DIALOG"},
        {{{"dialogs/D.txt", kDialog + "FONT 8 \"\"\n"}}, "dialogs/D.txt", 2, "empty font face"},
        {{{"dialogs/D.txt", kDialog + "FONT 0 \"Sans\"\n"}}, "dialogs/D.txt", 2, "out of range"},
        {{{"dialogs/D.txt", kDialog + "CONTROL \"a\" 1 button 0 0 1 1 0\nFONT 8 \"Sans\"\n"}}, "dialogs/D.txt", 3, "FONT after the first CONTROL"},
        {{{"dialogs/D.txt", "; nothing but a comment\n"}}, "dialogs/D.txt", 1, "missing DIALOG line"},
        // The folder.
        {{{"images/I.txt", "#\n"}}, "images", 0, "unknown resource folder"},
    };
    // clang-format on
    for (Case const & c : cases) {
        Folder folder;
        for (File const & file : c.files)
            folder.Write(file);
        auto const [status, messages] = folder.Compile();
        std::string const where = (folder.Resources() / c.file).string() +
                                  (c.line ? ":" + std::to_string(c.line) : std::string()) +
                                  ": error: ";
        SCOPED_TRACE(c.file + " saying " + c.says + "; the compiler said: " + messages);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(messages.rfind(where, 0), 0u);
        EXPECT_NE(messages.find(c.says, where.size()), std::string::npos);
        EXPECT_FALSE(fs::exists(folder.Output()));
    }
}

TEST(ResourceCompiler, GoodInputsCompileAndRegisterTheirTable) {
    Folder folder;
    folder.Write({"strings/neutral.txt", "; c\n1 \"x\"\n"});
    folder.Write({"data/List.1033.txt", "a\n"});
    folder.Write({"bitmaps/B.txt", "#.\n"});
    folder.Write({"dialogs/D.txt", kDialog});
    folder.Write({"README.md", "Files beside the kind folders are not resources.\n"});
    auto const [status, messages] = folder.Compile();
    EXPECT_EQ(status, 0) << messages;
    EXPECT_EQ(messages, "");
    std::string const source = ReadAll(folder.Output());
    EXPECT_NE(source.find("#include \"CResource.hpp\""), std::string::npos);
    EXPECT_NE(source.find("CResourceRegistration const"), std::string::npos);
    EXPECT_NE(source.find("\"List\""), std::string::npos);
    EXPECT_EQ(source.find("README"), std::string::npos);
}

TEST(ResourceCompiler, AFailedRunLeavesThePreviousOutputAlone) {
    Folder folder;
    std::ofstream(folder.Output()) << "previous";
    folder.Write({"strings/1033.txt", "1 \"\\z\"\n"});
    auto const [status, messages] = folder.Compile();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(ReadAll(folder.Output()), "previous");
}

TEST(ResourceCompiler, AnEmptyFolderGivesASourceWithoutATable) {
    Folder folder;
    auto const [status, messages] = folder.Compile();
    EXPECT_EQ(status, 0) << messages;
    std::string const source = ReadAll(folder.Output());
    EXPECT_NE(source.find("#include \"CResource.hpp\""), std::string::npos);
    EXPECT_EQ(source.find("CResourceRegistration"), std::string::npos);
}

TEST(ResourceCompiler, AMissingFolderOrWrongArgumentsFail) {
    std::string const missing = "'" + std::string(RESCOMP_PATH) + "' /nonexistent/folder " +
                                (fs::temp_directory_path() / "never.cpp").string() + " 2>/dev/null";
    int status = std::system(missing.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    std::string const usage = "'" + std::string(RESCOMP_PATH) + "' 2>/dev/null";
    status = std::system(usage.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
}
