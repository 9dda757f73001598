#include "CStrPtr.hpp"

#include "AfxCompare.hpp"

#include <cstring>

UINT CStrPtr::GetLength() const {
    return static_cast<UINT>(std::strlen(m_text));
}

UINT CStrPtr::Count(char ch) const {
    UINT count = 0;
    for (char const * p = m_text; *p; ++p)
        if (*p == ch)
            ++count;
    return count;
}

UINT CStrPtr::Find(char ch) const {
    char const * hit = std::strchr(m_text, ch);
    return hit && ch ? static_cast<UINT>(hit - m_text) : npos;
}

UINT CStrPtr::Find(char const * text) const {
    char const * hit = std::strstr(m_text, text ? text : "");
    return hit ? static_cast<UINT>(hit - m_text) : npos;
}

int CStrPtr::CompareC(char const * other) const {
    return AfxCompare(m_text, other);
}

bool CStrPtr::operator==(char const * other) const {
    return AfxCompareNoCase(m_text, other) == 0;
}
