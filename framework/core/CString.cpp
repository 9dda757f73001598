#include "CString.hpp"

#include "CEntity.hpp"
#include "CModule.hpp"
#include "Utf8.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

CString::CString(CEntity const & id) {
    if (CResource const * res = CModule::LoadResource(id, RT_STRING))
        m_text.assign(static_cast<char const *>(res->GetData()), res->GetSize());
}

CString CString::Mid(UINT pos) const {
    return Mid(pos, npos);
}

CString CString::Mid(UINT pos, UINT count) const {
    if (pos >= m_text.size())
        return CString();
    return CString(std::string_view(m_text).substr(pos, count));
}

CString CString::Left(UINT count) const {
    return CString(std::string_view(m_text).substr(0, count));
}

CString CString::Right(UINT count) const {
    std::size_t n = std::min<std::size_t>(count, m_text.size());
    return CString(std::string_view(m_text).substr(m_text.size() - n));
}

UINT CString::Insert(UINT pos, char const * text) {
    m_text.insert(std::min<std::size_t>(pos, m_text.size()), text ? text : "");
    return GetLength();
}

UINT CString::Insert(UINT pos, char ch) {
    m_text.insert(m_text.begin() + std::min<std::size_t>(pos, m_text.size()), ch);
    return GetLength();
}

UINT CString::Delete(UINT pos, UINT count) {
    if (pos < m_text.size())
        m_text.erase(pos, count);
    return GetLength();
}

UINT CString::Replace(char const * from, char const * to) {
    if (!from || !*from)
        return 0;
    std::string_view pattern(from);
    std::string_view replacement(to ? to : "");
    std::string out;
    UINT count = 0;
    std::size_t start = 0;
    for (std::size_t hit; (hit = m_text.find(pattern, start)) != std::string::npos;) {
        out.append(m_text, start, hit - start);
        out.append(replacement);
        start = hit + pattern.size();
        ++count;
    }
    if (count) {
        out.append(m_text, start);
        m_text = std::move(out);
    }
    return count;
}

UINT CString::Replace(char from, char to) {
    UINT count = 0;
    for (char & ch : m_text)
        if (ch == from) {
            ch = to;
            ++count;
        }
    return count;
}

static UINT ToPosition(std::size_t pos) {
    return pos == std::string::npos ? CString::npos : static_cast<UINT>(pos);
}

UINT CString::Find(char ch, UINT start) const {
    return ToPosition(m_text.find(ch, start));
}

UINT CString::Find(char const * text, UINT start) const {
    return ToPosition(m_text.find(text ? text : "", start));
}

UINT CString::ReverseFind(char ch) const {
    return ToPosition(m_text.rfind(ch));
}

void CString::MakeUpper() {
    for (char & ch : m_text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
}

void CString::MakeLower() {
    for (char & ch : m_text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

static bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

void CString::TrimLeft() {
    std::size_t n = 0;
    while (n < m_text.size() && IsBlank(m_text[n]))
        ++n;
    m_text.erase(0, n);
}

void CString::TrimRight() {
    while (!m_text.empty() && IsBlank(m_text.back()))
        m_text.pop_back();
}

void CString::Trim() {
    TrimRight();
    TrimLeft();
}

UINT CString::Tokenize(char separator, CArray<CString> & fields, UINT limit) const {
    fields.Empty();
    std::string_view rest(m_text);
    for (;;) {
        std::size_t cut = rest.find(separator);
        if (cut == std::string_view::npos || (limit && fields.GetCount() + 1 == limit)) {
            fields.Append(CString(rest));
            break;
        }
        fields.Append(CString(rest.substr(0, cut)));
        rest.remove_prefix(cut + 1);
    }
    return fields.GetCount();
}

UINT CString::GetCodePointCount() const {
    return static_cast<UINT>(Utf8::Count(m_text));
}

CString & CString::operator=(char const * text) {
    m_text = text ? text : "";
    return *this;
}

CString & CString::operator+=(CString const & text) {
    m_text += text.m_text;
    return *this;
}

CString & CString::operator+=(char const * text) {
    m_text += text ? text : "";
    return *this;
}

CString & CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

CString operator+(CString const & a, CString const & b) {
    return CString(a.m_text + b.m_text);
}

CString operator+(CString const & a, char const * b) {
    return CString(a.m_text + (b ? b : ""));
}

CString operator+(char const * a, CString const & b) {
    return CString((a ? a : "") + b.m_text);
}

CString operator+(CString const & a, char b) {
    return CString(a.m_text + b);
}
