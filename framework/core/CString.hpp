#pragma once

#include "AfxTypes.hpp"
#include "CArray.hpp"
#include "haldencore_export.h"

#include <string>
#include <string_view>

class CEntity;

// An owned, copyable string of UTF-8 bytes. Lengths and positions count bytes; a position
// past the end is clamped, so no operation reads or writes outside the text.
class HALDENCORE_EXPORT CString {
public:
    static constexpr UINT npos = ~0u;

    CString() = default;
    CString(char const * text) : m_text(text ? text : "") {}
    CString(char const * text, UINT length) : m_text(text ? text : "", text ? length : 0) {}
    CString(char ch, UINT count) : m_text(count, ch) {}
    explicit CString(std::string_view text) : m_text(text) {}
    explicit CString(std::string && text) : m_text(std::move(text)) {}
    // Loads a string resource by number from the entity's module, in the thread's language;
    // empty when the module has no such string.
    explicit CString(CEntity const & id);

    UINT GetLength() const { return static_cast<UINT>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    operator char const *() const { return m_text.c_str(); }
    char const * GetString() const { return m_text.c_str(); }
    std::string const & Str() const { return m_text; }
    std::string_view View() const { return m_text; }

    // The byte at a position; 0 past the end.
    char GetAt(UINT pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

    CString Mid(UINT pos) const;
    CString Mid(UINT pos, UINT count) const;
    CString Left(UINT count) const;
    CString Right(UINT count) const;

    // Inserts at a position (clamped to the length); returns the new length.
    UINT Insert(UINT pos, char const * text);
    UINT Insert(UINT pos, char ch);
    // Removes up to count bytes from a position; returns the new length.
    UINT Delete(UINT pos, UINT count = 1);
    // Replaces every occurrence; returns how many were replaced. An empty pattern replaces
    // nothing.
    UINT Replace(char const * from, char const * to);
    UINT Replace(char from, char to);

    UINT Find(char ch, UINT start = 0) const;
    UINT Find(char const * text, UINT start = 0) const;
    UINT ReverseFind(char ch) const;

    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();
    void Trim();

    // Splits at every separator into fields, keeping empty fields so that positions hold
    // ("A||C" gives "A", "", "C"; an empty string gives one empty field). With a limit, at
    // most that many fields are made and the last one holds the rest of the text,
    // separators included. Returns the number of fields; the array is emptied first.
    UINT Tokenize(char separator, CArray<CString> & fields, UINT limit = 0) const;

    // Number of code points: the bytes that do not continue a UTF-8 sequence.
    UINT GetCodePointCount() const;

    CString & operator=(char const * text);
    CString & operator+=(CString const & text);
    CString & operator+=(char const * text);
    CString & operator+=(char ch);

    friend HALDENCORE_EXPORT CString operator+(CString const & a, CString const & b);
    friend HALDENCORE_EXPORT CString operator+(CString const & a, char const * b);
    friend HALDENCORE_EXPORT CString operator+(char const * a, CString const & b);
    friend HALDENCORE_EXPORT CString operator+(CString const & a, char b);

    // Exact, case-sensitive byte comparison.
    friend bool operator==(CString const & a, CString const & b) { return a.m_text == b.m_text; }
    friend bool operator==(CString const & a, char const * b) { return a.m_text == (b ? b : ""); }

private:
    std::string m_text;
};
