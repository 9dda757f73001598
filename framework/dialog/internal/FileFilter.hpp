#pragma once

#include <string>
#include <string_view>
#include <vector>

// The filters of a file dialog, from the text CFileDialog::SetFilter takes:
// "Description|patterns|Description|patterns", the patterns of one filter separated by ';'.
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;

    // Reads a filter text. Blanks around patterns are dropped; a filter with no patterns
    // (the text ends after its description, or its field is empty) shows every file; a
    // filter with neither description nor patterns is left out.
    static std::vector<FileFilter> Parse(std::string_view text);

    // True when a file name matches one of the patterns: '*' stands for any run of
    // characters, '?' for one, "[...]" for one of a set; letter case is ignored and "*.*"
    // matches every name.
    bool Matches(char const * name) const;
};
