#include "BitmapCompiler.hpp"

#include "ByteWriter.hpp"
#include "CompileError.hpp"

#include <string>

std::vector<unsigned char> BitmapCompiler::Compile(TextFile const & file) {
    std::vector<std::string_view> rows;
    int firstRowLine = 0;
    for (TextFile::Line const & line : file.GetLines()) {
        if (TextFile::IsBlank(line.text) || TextFile::IsComment(line.text))
            continue;
        std::string_view row = line.text;
        row = row.substr(0, row.find_last_not_of(" \t") + 1);
        std::size_t bad = row.find_first_not_of("#.");
        if (bad != std::string_view::npos)
            throw CompileError(file.GetPath(), line.number,
                               "unexpected character '" + std::string(1, row[bad]) +
                                   "' in column " + std::to_string(bad + 1) +
                                   ": rows hold only '#' and '.'");
        if (rows.empty()) {
            firstRowLine = line.number;
        } else if (row.size() != rows.front().size()) {
            throw CompileError(
                file.GetPath(), line.number,
                "ragged row: " + std::to_string(row.size()) + " pixels where the first row (line " +
                    std::to_string(firstRowLine) + ") has " + std::to_string(rows.front().size()));
        }
        if (row.size() > 0xFFFF)
            throw CompileError(file.GetPath(), line.number, "row too long");
        if (rows.size() == 0xFFFF)
            throw CompileError(file.GetPath(), line.number, "too many rows");
        rows.push_back(row);
    }
    if (rows.empty())
        throw CompileError(file.GetPath(), 0, "the bitmap has no rows");

    std::size_t const width = rows.front().size();
    std::vector<unsigned char> bytes;
    ByteWriter out(bytes);
    out.Tag("BMP1");
    out.U16(static_cast<unsigned>(width));
    out.U16(static_cast<unsigned>(rows.size()));
    for (std::string_view row : rows) {
        std::vector<unsigned char> packed((width + 7) / 8, 0);
        for (std::size_t x = 0; x < width; ++x)
            if (row[x] == '.')
                packed[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        bytes.insert(bytes.end(), packed.begin(), packed.end());
    }
    return bytes;
}
