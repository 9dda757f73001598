#include "internal/FolderListing.hpp"

#include "AfxCompare.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool NameLess(std::string const & a, std::string const & b) {
    int const order = AfxCompareNoCase(a.c_str(), b.c_str());
    return order != 0 ? order < 0 : AfxCompare(a.c_str(), b.c_str()) < 0;
}

} // namespace

FolderListing FolderListing::Read(std::string const & folder) {
    FolderListing listing;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        return listing;
    for (fs::directory_iterator const end; it != end; it.increment(error)) {
        if (error)
            return FolderListing();
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code kind;
        if (it->is_directory(kind))
            listing.folders.push_back(std::move(name));
        else if (!kind)
            listing.files.push_back(std::move(name));
    }
    std::sort(listing.folders.begin(), listing.folders.end(), NameLess);
    std::sort(listing.files.begin(), listing.files.end(), NameLess);
    listing.readable = true;
    return listing;
}
