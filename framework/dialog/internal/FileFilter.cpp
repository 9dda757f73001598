#include "internal/FileFilter.hpp"

#include <fnmatch.h>

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    for (;;) {
        std::size_t const at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return fields;
        text.remove_prefix(at + 1);
    }
}

std::string_view Trim(std::string_view text) {
    std::size_t const first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::vector<FileFilter> FileFilter::Parse(std::string_view text) {
    std::vector<FileFilter> filters;
    if (text.empty())
        return filters;
    std::vector<std::string_view> const fields = Split(text, '|');
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        FileFilter filter;
        filter.description = Trim(fields[i]);
        if (i + 1 < fields.size())
            for (std::string_view pattern : Split(fields[i + 1], ';'))
                if (!Trim(pattern).empty())
                    filter.patterns.emplace_back(Trim(pattern));
        if (filter.description.empty() && filter.patterns.empty())
            continue;
        if (filter.patterns.empty())
            filter.patterns.emplace_back("*");
        filters.push_back(std::move(filter));
    }
    return filters;
}

bool FileFilter::Matches(char const * name) const {
    for (std::string const & pattern : patterns) {
        if (pattern == "*.*" || pattern == "*")
            return true;
        if (fnmatch(pattern.c_str(), name, FNM_CASEFOLD) == 0)
            return true;
    }
    return false;
}
