#include "internal/LastPathStore.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Entry = std::pair<std::string, std::string>;

std::string Escape(std::string const & text) {
    static char const hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (char ch : text) {
        auto const byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F || ch == '%') {
            escaped += '%';
            escaped += hex[byte >> 4];
            escaped += hex[byte & 0xF];
        } else {
            escaped += ch;
        }
    }
    return escaped;
}

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

bool Unescape(std::string const & text, std::string & plain) {
    plain.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            plain += text[i];
            continue;
        }
        int const high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        int const low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return false;
        plain += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return true;
}

std::vector<Entry> ReadEntries(std::string const & path) {
    std::vector<Entry> entries;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::size_t const tab = line.find('\t');
        if (tab == std::string::npos || line.find('\t', tab + 1) != std::string::npos)
            continue;
        Entry entry;
        if (Unescape(line.substr(0, tab), entry.first) &&
            Unescape(line.substr(tab + 1), entry.second))
            entries.push_back(std::move(entry));
    }
    return entries;
}

bool WriteAll(int fd, std::string const & bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t const written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::string LastPathStore::FilePath() {
    char const * config = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (config && *config == '/') {
        base = config;
    } else {
        char const * home = std::getenv("HOME");
        if (!home || !*home)
            return {};
        base = fs::path(home) / ".config";
    }
    return (base / "vantorui" / "lastpaths").string();
}

bool LastPathStore::Load(std::string const & key, std::string & folder) {
    std::string const path = FilePath();
    if (path.empty())
        return false;
    std::vector<Entry> const entries = ReadEntries(path);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (it->first == key) {
            folder = it->second;
            return true;
        }
    return false;
}

bool LastPathStore::Save(std::string const & key, std::string const & folder) {
    std::string const path = FilePath();
    if (path.empty())
        return false;
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error)
        return false;

    std::vector<Entry> entries = ReadEntries(path);
    std::erase_if(entries, [&](Entry const & entry) { return entry.first == key; });
    entries.emplace_back(key, folder);
    std::string bytes;
    for (Entry const & entry : entries)
        bytes += Escape(entry.first) + '\t' + Escape(entry.second) + '\n';

    std::string temporary = path + ".XXXXXX";
    int const fd = mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool const written = WriteAll(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
