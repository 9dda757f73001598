#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reads the tokens of one line of a resource file: words, numbers and quoted texts,
// separated by blanks. Faults throw CompileError naming the file and line.
class LineScanner {
public:
    LineScanner(std::string const & file, int line, std::string_view text)
        : m_file(file), m_line(line), m_text(text) {}

    // Skips blanks; true when nothing is left.
    bool AtEnd();
    // The next character after blanks, or 0 at the end.
    char Peek();
    // A run of characters up to the next blank; empty at the end.
    std::string_view ReadWord();
    // A decimal or 0x hexadecimal number, optionally negative, within [low, high]; `what`
    // names it in messages.
    std::int64_t ReadNumber(char const * what, std::int64_t low, std::int64_t high);
    // A text in double quotes with the escapes \" \\ \n \r \t and \xHH (two hex digits).
    std::string ReadQuoted(char const * what);
    // Fails unless only blanks are left.
    void ExpectEnd();

    [[noreturn]] void Fail(std::string const & message) const;

    // Parses a whole word as a number, as ReadNumber does; false when it is not one.
    static bool ParseNumber(std::string_view word, std::int64_t & value);

private:
    std::string const & m_file;
    int m_line;
    std::string_view m_text;
    std::size_t m_pos = 0;
};
