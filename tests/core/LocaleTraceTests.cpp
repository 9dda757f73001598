#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CResourceException.hpp"
#include "CUserException.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

TEST(ThreadLocale, LanguageNamesMapToLocales) {
    // clang-format off
    struct Case { char const * name; LCID locale; } const cases[] = {
        {"de_DE.UTF-8", 1031},
        {"de", 1031},
        {"en_US.UTF-8", 1033},
        {"es_ES", 1034},
        {"fr_FR.UTF-8", 1036},
        {"fr_CA@euro", 1036},
        {"it_IT", 1040},
        {"C", 1033},
        {"POSIX", 1033},
        {"nl_NL", 1033},
        {"", 1033},
        {"def", 1033},
        {nullptr, 1033},
    };
    // clang-format on
    for (Case const & c : cases)
        EXPECT_EQ(AfxLocaleFromName(c.name), c.locale) << (c.name ? c.name : "null");
}

TEST(ThreadLocale, EnvironmentPrecedenceAndPerThreadState) {
    // clang-format off
    struct Case { char const * all; char const * messages; char const * lang; LCID locale; } const cases[] = {
        {"fr_FR", "de_DE", "it_IT", 1036},
        {"", "de_DE", "it_IT", 1031},
        {nullptr, nullptr, "es_ES.UTF-8", 1034},
        {nullptr, nullptr, nullptr, 1033},
    };
    // clang-format on
    auto set = [](char const * name, char const * value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    };
    for (Case const & c : cases) {
        set("LC_ALL", c.all);
        set("LC_MESSAGES", c.messages);
        set("LANG", c.lang);
        EXPECT_EQ(AfxLocaleFromEnvironment(), c.locale);
        LCID seen = 0;
        std::thread([&] { seen = GetThreadLocale(); }).join();
        EXPECT_EQ(seen, c.locale);
    }

    SetThreadLocale(1031);
    LCID other = 0;
    std::thread([&] {
        SetThreadLocale(1040);
        other = GetThreadLocale();
    }).join();
    EXPECT_EQ(other, 1040u);
    EXPECT_EQ(GetThreadLocale(), 1031u);
    SetThreadLocale(1033);
}

TEST(DebugTrace, CapturesNestAndStayOnTheirThread) {
    CTraceCapture outer;
    AfxTrace("ERROR: Could not find tag %s\n", "Voltage");
    {
        CTraceCapture inner;
        AfxTrace("inner %d\n", 1);
        std::thread([] { AfxTrace("other thread\n"); }).join();
        ASSERT_EQ(inner.GetLines().GetCount(), 1u);
        EXPECT_EQ(inner.GetLines()[0], "inner 1\n");
    }
    AfxTrace("after\n");
    ASSERT_EQ(outer.GetLines().GetCount(), 2u);
    EXPECT_EQ(outer.GetLines()[0], "ERROR: Could not find tag Voltage\n");
    EXPECT_TRUE(outer.Contains("after"));
    EXPECT_FALSE(outer.Contains("inner"));
    AfxTrace("nobody listens\n");
}

TEST(Exceptions, ResourceAndUserExceptions) {
    try {
        ThrowResourceException(nullptr, 0);
        FAIL() << "ThrowResourceException returned";
    } catch (CException const & e) {
        EXPECT_TRUE(e.IsKindOf(CResourceException::AfxStaticClassInfo()));
        EXPECT_EQ(static_cast<CResourceException const &>(e).GetId(), 0u);
    }
    try {
        throw CUserException("does not fit");
    } catch (CException const & e) {
        EXPECT_TRUE(e.IsKindOf(CUserException::AfxStaticClassInfo()));
        EXPECT_FALSE(e.IsKindOf(CResourceException::AfxStaticClassInfo()));
        EXPECT_EQ(e.GetMessage(), "does not fit");
    }
}
