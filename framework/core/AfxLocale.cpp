#include "AfxLocale.hpp"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

thread_local LCID t_locale = 0;

} // namespace

LCID AfxLocaleFromName(char const * name) {
    static constexpr struct {
        char const * prefix;
        LCID locale;
    } languages[] = {{"de", LANG_ID_GERMAN},
                     {"en", LANG_ID_ENGLISH},
                     {"es", LANG_ID_SPANISH},
                     {"fr", LANG_ID_FRENCH},
                     {"it", LANG_ID_ITALIAN}};
    if (!name)
        return LANG_ID_ENGLISH;
    for (auto const & language : languages) {
        // The language part ends the name or is followed by a territory, codeset or modifier.
        if (std::strncmp(name, language.prefix, 2) == 0 &&
            (name[2] == '\0' || name[2] == '_' || name[2] == '.' || name[2] == '@'))
            return language.locale;
    }
    return LANG_ID_ENGLISH;
}

LCID AfxLocaleFromEnvironment() {
    for (char const * variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        char const * value = std::getenv(variable);
        if (value && *value)
            return AfxLocaleFromName(value);
    }
    return LANG_ID_ENGLISH;
}

LCID GetThreadLocale() {
    if (t_locale == 0)
        t_locale = AfxLocaleFromEnvironment();
    return t_locale;
}

BOOL SetThreadLocale(LCID locale) {
    t_locale = locale;
    return TRUE;
}
