#pragma once

#include "AfxTypes.hpp"
#include "haldencore_export.h"

// A read-only view of a NUL-terminated string that it does not own; a null pointer reads as
// the empty string.
class HALDENCORE_EXPORT CStrPtr {
public:
    static constexpr UINT npos = ~0u;

    CStrPtr(char const * text) : m_text(text ? text : "") {}

    char const * GetString() const { return m_text; }
    operator char const *() const { return m_text; }

    bool IsEmpty() const { return *m_text == '\0'; }
    UINT GetLength() const;
    // How many times a character occurs.
    UINT Count(char ch) const;
    // The position of a character or text, or npos (all ones) when it does not occur.
    UINT Find(char ch) const;
    UINT Find(char const * text) const;
    // Compares byte by byte, with regard to letter case: 0 when equal, negative or positive
    // as the first differing byte orders.
    int CompareC(char const * other) const;
    // Equal without regard to the case of ASCII letters: "esc" equals "ESC". Names typed by a
    // user are found whatever case they were typed in.
    bool operator==(char const * other) const;
    bool operator!=(char const * other) const { return !(*this == other); }

private:
    char const * m_text;
};
