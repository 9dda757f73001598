#include "AfxTrace.hpp"

#include "CPrintf.hpp"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

thread_local CTraceCapture * t_capture = nullptr;

bool TraceToStandardError() {
    static bool const enabled = [] {
        char const * value = std::getenv("VANTORUI_TRACE");
        return value && std::strcmp(value, "1") == 0;
    }();
    return enabled;
}

} // namespace

void AfxTrace(char const * format, ...) {
    bool toError = TraceToStandardError();
    if (!t_capture && !toError)
        return;
    va_list args;
    va_start(args, format);
    CString line = CPrintf::FormatV(format, args);
    va_end(args);
    if (toError)
        std::fputs(line, stderr);
    if (t_capture)
        t_capture->m_lines.Append(line);
}

CTraceCapture::CTraceCapture() : m_outer(t_capture) {
    t_capture = this;
}

CTraceCapture::~CTraceCapture() {
    t_capture = m_outer;
}

bool CTraceCapture::Contains(char const * text) const {
    for (CString const & line : m_lines)
        if (line.Find(text) != CString::npos)
            return true;
    return false;
}
