#include "LineScanner.hpp"

#include "CompileError.hpp"

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace

bool LineScanner::AtEnd() {
    while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
        ++m_pos;
    return m_pos >= m_text.size();
}

char LineScanner::Peek() {
    return AtEnd() ? '\0' : m_text[m_pos];
}

std::string_view LineScanner::ReadWord() {
    AtEnd();
    std::size_t start = m_pos;
    while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]))
        ++m_pos;
    return m_text.substr(start, m_pos - start);
}

bool LineScanner::ParseNumber(std::string_view word, std::int64_t & value) {
    bool negative = false;
    if (word.starts_with('-')) {
        negative = true;
        word.remove_prefix(1);
    }
    int base = 10;
    if (word.starts_with("0x") || word.starts_with("0X")) {
        base = 16;
        word.remove_prefix(2);
    }
    if (word.empty() || word.size() > 10)
        return false;
    std::int64_t result = 0;
    for (char ch : word) {
        int digit = HexValue(ch);
        if (digit < 0 || digit >= base)
            return false;
        result = result * base + digit;
    }
    value = negative ? -result : result;
    return true;
}

std::int64_t LineScanner::ReadNumber(char const * what, std::int64_t low, std::int64_t high) {
    if (AtEnd())
        Fail(std::string("missing ") + what);
    std::string_view word = ReadWord();
    std::int64_t value = 0;
    if (!ParseNumber(word, value))
        Fail(std::string("bad ") + what + " '" + std::string(word) +
             "': expected a decimal or 0x hexadecimal number");
    if (value < low || value > high)
        Fail(std::string(what) + " " + std::string(word) + " is out of range (" +
             std::to_string(low) + " to " + std::to_string(high) + ")");
    return value;
}

std::string LineScanner::ReadQuoted(char const * what) {
    if (AtEnd() || m_text[m_pos] != '"')
        Fail(std::string("expected ") + what + " in double quotes");
    ++m_pos;
    std::string result;
    while (true) {
        if (m_pos >= m_text.size())
            Fail(std::string("missing closing quote of ") + what);
        char ch = m_text[m_pos++];
        if (ch == '"')
            break;
        if (ch != '\\') {
            result += ch;
            continue;
        }
        if (m_pos >= m_text.size())
            Fail("'\\' at the end of the line");
        char escape = m_text[m_pos++];
        switch (escape) {
        case '"':
        case '\\':
            result += escape;
            break;
        case 'n':
            result += '\n';
            break;
        case 'r':
            result += '\r';
            break;
        case 't':
            result += '\t';
            break;
        case 'x': {
            int high = m_pos < m_text.size() ? HexValue(m_text[m_pos]) : -1;
            int low = m_pos + 1 < m_text.size() ? HexValue(m_text[m_pos + 1]) : -1;
            if (high < 0 || low < 0)
                Fail("bad escape: \\x needs two hexadecimal digits");
            result += static_cast<char>(high * 16 + low);
            m_pos += 2;
            break;
        }
        default:
            Fail(std::string("unknown escape '\\") + escape + "'");
        }
    }
    if (m_pos < m_text.size() && !IsBlank(m_text[m_pos]))
        Fail(std::string("unexpected text after the closing quote of ") + what);
    return result;
}

void LineScanner::ExpectEnd() {
    if (!AtEnd())
        Fail("unexpected '" + std::string(m_text.substr(m_pos)) + "' at the end of the line");
}

void LineScanner::Fail(std::string const & message) const {
    throw CompileError(m_file, m_line, message);
}
