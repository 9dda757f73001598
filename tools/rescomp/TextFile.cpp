#include "TextFile.hpp"

#include "CompileError.hpp"

#include <fstream>
#include <iterator>

TextFile::TextFile(std::string path) : m_path(std::move(path)) {
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        throw CompileError(m_path, 0, "cannot read the file");
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw CompileError(m_path, 0, "cannot read the file");
    std::string_view rest(content);
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    int number = 0;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        m_lines.push_back({++number, std::string(line)});
    }
}

bool TextFile::IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool TextFile::IsComment(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    return first != std::string_view::npos && text[first] == ';';
}
