#pragma once

#include <string>
#include <vector>

// What a folder holds, as the file dialogs list it: its sub-folders and its files, each
// sorted by name (letter case ignored), without the hidden ones (names beginning with '.').
// Links count as what they point to.
struct FolderListing {
    bool readable = false;
    std::vector<std::string> folders;
    std::vector<std::string> files;

    // Reads a folder; an empty, unreadable listing when it is gone or cannot be read.
    static FolderListing Read(std::string const & folder);
};
