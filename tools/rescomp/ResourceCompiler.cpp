#include "ResourceCompiler.hpp"

#include "AfxTypes.hpp"
#include "BitmapCompiler.hpp"
#include "CompileError.hpp"
#include "DialogCompiler.hpp"
#include "LineScanner.hpp"
#include "RecordFields.hpp"
#include "TextFile.hpp"
#include "Utf8.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string_view text) {
    std::string result(text);
    for (char & ch : result)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return result;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch)) != 0;
    });
}

std::uint32_t ParseLanguage(std::string const & path, std::string_view text) {
    if (!AllDigits(text) || text.size() > 10)
        throw CompileError(path, 0, "bad language '" + std::string(text) + "': expected a number");
    unsigned long long value = std::stoull(std::string(text));
    if (value > 0xFFFFFFFFull)
        throw CompileError(path, 0, "language " + std::string(text) + " is out of range");
    return static_cast<std::uint32_t>(value);
}

// Splits "<Name>[.<lang>].txt" into the name and the language (0 when there is none).
void SplitFileName(std::string const & path, std::string const & fileName, std::string & name,
                   std::uint32_t & language) {
    std::string_view stem(fileName);
    stem.remove_suffix(4); // ".txt"
    language = 0;
    std::size_t dot = stem.rfind('.');
    if (dot != std::string_view::npos) {
        language = ParseLanguage(path, stem.substr(dot + 1));
        stem = stem.substr(0, dot);
    }
    if (stem.empty())
        throw CompileError(path, 0, "the file name gives no resource name");
    for (char ch : stem)
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_' && ch != '-')
            throw CompileError(path, 0,
                               "resource name '" + std::string(stem) +
                                   "' may hold only letters, digits, '_' and '-'");
    name = std::string(stem);
}

// A schema list's records may quote a field to keep a comma in it; a quote that does not
// close would make the loader read the record without quotes, so it stops the build.
bool IsSchemaList(std::string const & name) {
    std::string const suffix = "uilist";
    if (name.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - suffix.size() + i])) !=
            suffix[i])
            return false;
    return true;
}

// Raw data: every non-blank line as a NUL-terminated string, then one more NUL.
std::vector<unsigned char> CompileDataLines(TextFile const & file, bool schemaList) {
    std::vector<unsigned char> bytes;
    CArray<CString> fields;
    for (TextFile::Line const & line : file.GetLines()) {
        if (TextFile::IsBlank(line.text))
            continue;
        if (line.text.find('\0') != std::string::npos)
            throw CompileError(file.GetPath(), line.number,
                               "a NUL byte would end the line's string early");
        if (schemaList && !SplitRecord(CString(std::string_view(line.text)), 6, fields))
            throw CompileError(file.GetPath(), line.number,
                               "a quoted field does not end in a quote followed by a comma or "
                               "the line's end; write a quote inside a quoted field as two "
                               "quotes (\"\")");
        bytes.insert(bytes.end(), line.text.begin(), line.text.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

std::string Describe(Resource const & res) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%X", res.id);
    std::string what = res.name.empty() ? std::string("number ") + number : "'" + res.name + "'";
    return "resource " + what + " of type " + std::to_string(res.type) + " and language " +
           std::to_string(res.language);
}

std::string CLiteral(std::string_view text) {
    std::string result = "\"";
    for (char ch : text) {
        if (ch == '"' || ch == '\\')
            result += '\\';
        result += ch;
    }
    return result + "\"";
}

} // namespace

void ResourceCompiler::CompileFolder(fs::path const & folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw CompileError(folder.string(), 0, "not a folder");
    std::vector<fs::path> kinds;
    for (fs::directory_entry const & entry : fs::directory_iterator(folder)) {
        std::string const name = entry.path().filename().string();
        // Files beside the kind folders (a README, say) are not resources.
        if (!entry.is_directory() || name.starts_with('.'))
            continue;
        if (name != "strings" && name != "data" && name != "dialogs" && name != "bitmaps")
            throw CompileError(entry.path().string(), 0,
                               "unknown resource folder: expected strings, data, dialogs "
                               "or bitmaps");
        kinds.push_back(entry.path());
    }
    std::sort(kinds.begin(), kinds.end());
    for (fs::path const & kind : kinds) {
        std::vector<fs::path> files;
        for (fs::directory_entry const & entry : fs::directory_iterator(kind)) {
            std::string const name = entry.path().filename().string();
            if (name.starts_with('.'))
                continue;
            if (!entry.is_regular_file() || !name.ends_with(".txt") || name.size() <= 4)
                throw CompileError(entry.path().string(), 0,
                                   "not a resource file: expected a file ending in .txt");
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        std::string const kindName = kind.filename().string();
        for (fs::path const & file : files) {
            std::string const path = file.string();
            std::string const fileName = file.filename().string();
            if (kindName == "strings") {
                std::string stem = fileName.substr(0, fileName.size() - 4);
                CompileStringTable(path, stem == "neutral" ? 0 : ParseLanguage(path, stem));
                continue;
            }
            std::string name;
            std::uint32_t language = 0;
            SplitFileName(path, fileName, name, language);
            if (kindName == "data") {
                CompileData(path, name, language);
            } else {
                Resource res;
                res.name = name;
                res.language = language;
                res.source = path;
                TextFile text(path);
                if (kindName == "dialogs") {
                    res.type = RT_DIALOG;
                    res.bytes = DialogCompiler::Compile(text);
                } else {
                    res.type = RT_BITMAP;
                    res.bytes = BitmapCompiler::Compile(text);
                }
                Add(std::move(res));
            }
        }
    }
}

void ResourceCompiler::CompileStringTable(std::string const & path, std::uint32_t language) {
    TextFile file(path);
    std::map<unsigned, int> seen;
    for (TextFile::Line const & line : file.GetLines()) {
        if (TextFile::IsBlank(line.text) || TextFile::IsComment(line.text))
            continue;
        LineScanner scanner(path, line.number, line.text);
        if (!Utf8::IsValid(line.text))
            scanner.Fail("the line is not valid UTF-8");
        auto const id = static_cast<unsigned>(scanner.ReadNumber("string number", 0, 0xFFFF));
        std::string text = scanner.ReadQuoted("string");
        scanner.ExpectEnd();
        auto [previous, added] = seen.emplace(id, line.number);
        if (!added)
            scanner.Fail("string " + std::to_string(id) + " is already defined on line " +
                         std::to_string(previous->second));
        Resource res;
        res.type = RT_STRING;
        res.id = id;
        res.language = language;
        res.bytes.assign(text.begin(), text.end());
        res.source = path;
        res.line = line.number;
        Add(std::move(res));
    }
}

void ResourceCompiler::CompileData(std::string const & path, std::string const & name,
                                   std::uint32_t language) {
    Resource res;
    res.type = RT_RCDATA;
    res.name = name;
    res.language = language;
    res.source = path;
    res.bytes = CompileDataLines(TextFile(path), IsSchemaList(name));
    Add(std::move(res));
}

void ResourceCompiler::Add(Resource resource) {
    // Lookups ignore the case of names, so names that differ only in case collide.
    std::string const key = Lower(resource.name);
    for (Resource const & other : m_resources)
        if (other.type == resource.type && other.language == resource.language &&
            other.id == resource.id && Lower(other.name) == key) {
            std::string where = other.source;
            if (other.line > 0)
                where += ":" + std::to_string(other.line);
            throw CompileError(resource.source, resource.line,
                               Describe(resource) + " is also defined at " + where);
        }
    m_resources.push_back(std::move(resource));
}

void ResourceCompiler::WriteSource(std::ostream & out, std::string const & folder) const {
    out << "// Compiled from " << folder << " by rescomp. Do not edit.\n"
        << "#include \"CResource.hpp\"\n\n";
    if (m_resources.empty()) {
        out << "// The folder holds no resources.\n";
        return;
    }
    out << "namespace {\n\n";
    for (std::size_t i = 0; i < m_resources.size(); ++i) {
        Resource const & res = m_resources[i];
        out << "// " << res.source;
        if (res.line > 0)
            out << ":" << res.line;
        out << "\n";
        // An empty resource still needs an array; its size says 0.
        out << "unsigned char const kData" << i << "[] = {";
        if (res.bytes.empty())
            out << "0";
        for (std::size_t k = 0; k < res.bytes.size(); ++k) {
            if (k % 16 == 0)
                out << "\n   ";
            char hex[8];
            std::snprintf(hex, sizeof hex, " 0x%02X,", res.bytes[k]);
            out << hex;
        }
        out << "\n};\n\n";
    }
    out << "CResource const kResources[] = {\n";
    for (std::size_t i = 0; i < m_resources.size(); ++i) {
        Resource const & res = m_resources[i];
        char id[16];
        std::snprintf(id, sizeof id, "0x%X", res.id);
        out << "    {" << res.type << ", "
            << (res.name.empty() ? std::string("nullptr") : CLiteral(res.name)) << ", " << id
            << ", " << res.language << ", kData" << i << ", " << res.bytes.size() << "},\n";
    }
    out << "};\n\n"
        << "CResourceRegistration const kRegistration(kResources,\n"
        << "                                          sizeof kResources / sizeof kResources[0]);\n"
        << "\n} // namespace\n";
}
