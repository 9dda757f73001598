#pragma once

#include "AfxTypes.hpp"
#include "haldencore_export.h"

// Language identifiers of the languages the libraries carry texts in.
inline constexpr LCID LANG_ID_GERMAN = 1031;
inline constexpr LCID LANG_ID_ENGLISH = 1033;
inline constexpr LCID LANG_ID_SPANISH = 1034;
inline constexpr LCID LANG_ID_FRENCH = 1036;
inline constexpr LCID LANG_ID_ITALIAN = 1040;

// The calling thread's locale. Each thread starts from the environment (the first set of
// LC_ALL, LC_MESSAGES, LANG): de gives 1031, en 1033, es 1034, fr 1036, it 1040, anything
// else 1033.
HALDENCORE_EXPORT LCID GetThreadLocale();
// Sets the calling thread's locale; other threads keep theirs. Returns TRUE.
HALDENCORE_EXPORT BOOL SetThreadLocale(LCID locale);

// The locale that the environment variables name, as each new thread starts with.
HALDENCORE_EXPORT LCID AfxLocaleFromEnvironment();
// The locale of a language name such as "de_DE.UTF-8", "fr" or "C".
HALDENCORE_EXPORT LCID AfxLocaleFromName(char const * name);
