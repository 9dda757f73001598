#include "internal/FolderPath.hpp"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string FolderPath::Normal(std::string const & path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path.empty() ? fs::path(".") : fs::path(path), error);
    if (error)
        absolute = fs::path(path);
    std::string normal = absolute.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string FolderPath::Join(std::string const & folder, std::string const & name) {
    if (!name.empty() && name[0] == '/')
        return Normal(name);
    return Normal((fs::path(folder) / name).string());
}

std::string FolderPath::Parent(std::string const & path) {
    return Normal(fs::path(path).parent_path().string());
}

std::string FolderPath::NameOf(std::string const & path) {
    if (path == "/")
        return path;
    return fs::path(path).filename().string();
}

bool FolderPath::IsFolder(std::string const & path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool FolderPath::IsFile(std::string const & path) {
    std::error_code error;
    return fs::exists(path, error) && !fs::is_directory(path, error);
}
