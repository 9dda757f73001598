#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A folder of the test's own under the system's temporary folder, removed with everything
// in it when the object goes.
class TempTree {
public:
    TempTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantor-dlg-XXXXXX").string();
        if (char * made = mkdtemp(pattern.data()))
            m_root = std::filesystem::canonical(made).string();
    }
    ~TempTree() {
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }
    TempTree(TempTree const &) = delete;
    TempTree & operator=(TempTree const &) = delete;

    std::string const & Root() const { return m_root; }
    // The path of a name below the root.
    std::string operator/(std::string const & name) const { return m_root + "/" + name; }

    void Folder(std::string const & name) const {
        std::filesystem::create_directories(*this / name);
    }
    void File(std::string const & name) const { std::ofstream(*this / name) << name; }

private:
    std::string m_root;
};
