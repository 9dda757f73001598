#pragma once

#include "AfxLocale.hpp"

// Sets the thread's locale for a scope and puts the previous one back at its end.
class LocaleScope {
public:
    explicit LocaleScope(LCID locale) : m_saved(GetThreadLocale()) { SetThreadLocale(locale); }
    ~LocaleScope() { SetThreadLocale(m_saved); }
    LocaleScope(LocaleScope const &) = delete;
    LocaleScope & operator=(LocaleScope const &) = delete;

private:
    LCID m_saved;
};
