#pragma once

#include <string>
#include <string_view>
#include <vector>

// A resource file read as lines. A UTF-8 byte-order mark at the start is dropped, and each
// line loses its line end ("\n", and a "\r" before it) and nothing else.
class TextFile {
public:
    struct Line {
        int number;
        std::string text;
    };

    // Reads the file; throws CompileError when it cannot be read.
    explicit TextFile(std::string path);

    std::string const & GetPath() const { return m_path; }
    std::vector<Line> const & GetLines() const { return m_lines; }

    // A line holding only blanks and tabs, or nothing.
    static bool IsBlank(std::string_view text);
    // A line whose first character after blanks is ';'.
    static bool IsComment(std::string_view text);

private:
    std::string m_path;
    std::vector<Line> m_lines;
};
