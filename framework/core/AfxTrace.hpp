#pragma once

#include "CArray.hpp"
#include "CString.hpp"

// The debug trace. Silent by default; with VANTORUI_TRACE=1 in the environment every line
// goes to standard error. Lines are formatted printf-style and written as given (callers
// end them with "\n").
HALDENCORE_EXPORT void AfxTrace(char const * format, ...) __attribute__((format(printf, 1, 2)));

// Collects the trace lines written on the creating thread while it lives, for tests and
// tools that report what went wrong. Captures nest; the innermost one receives the lines.
class HALDENCORE_EXPORT CTraceCapture {
public:
    CTraceCapture();
    ~CTraceCapture();
    CTraceCapture(CTraceCapture const &) = delete;
    CTraceCapture & operator=(CTraceCapture const &) = delete;

    CArray<CString> const & GetLines() const { return m_lines; }
    // True when some line contains the text.
    bool Contains(char const * text) const;
    void Empty() { m_lines.Empty(); }

private:
    friend void AfxTrace(char const * format, ...);

    CArray<CString> m_lines;
    CTraceCapture * m_outer;
};
