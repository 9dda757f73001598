#include "RecordFields.hpp"

#include <string>
#include <string_view>

namespace {

// Reads the quoted field at the start of `rest` (past its opening quote) into `field`; false
// when it is not closed or its closing quote is followed by anything but a comma.
bool ReadQuoted(std::string_view & rest, std::string & field) {
    std::size_t at = 1;
    for (;;) {
        std::size_t const quote = rest.find('"', at);
        if (quote == std::string_view::npos)
            return false;
        field.append(rest.substr(at, quote - at));
        if (quote + 1 < rest.size() && rest[quote + 1] == '"') {
            field.push_back('"');
            at = quote + 2;
            continue;
        }
        rest.remove_prefix(quote + 1);
        return rest.empty() || rest.front() == ',';
    }
}

} // namespace

bool SplitRecord(CString const & text, UINT limit, CArray<CString> & fields) {
    fields.Empty();
    std::string_view rest(text.Str());
    for (;;) {
        bool const last = limit && fields.GetCount() + 1 == limit;
        if (!rest.empty() && rest.front() == '"') {
            std::string field;
            std::string_view after = rest;
            if (!ReadQuoted(after, field) || (last && !after.empty())) {
                text.Tokenize(',', fields, limit);
                return false;
            }
            fields.Append(CString(field));
            if (after.empty())
                return true;
            rest = after.substr(1);
            continue;
        }
        std::size_t const cut = rest.find(',');
        if (cut == std::string_view::npos || last) {
            fields.Append(CString(rest));
            return true;
        }
        fields.Append(CString(rest.substr(0, cut)));
        rest.remove_prefix(cut + 1);
    }
}
