#pragma once

#include "AfxLocale.hpp"
#include "CAutomation.hpp"
#include "CInput.hpp"
#include "CWnd.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

// Sets the thread's language for a scope and puts the previous one back at its end.
class LocaleScope {
public:
    explicit LocaleScope(LCID locale) : m_saved(GetThreadLocale()) { SetThreadLocale(locale); }
    ~LocaleScope() { SetThreadLocale(m_saved); }
    LocaleScope(LocaleScope const &) = delete;
    LocaleScope & operator=(LocaleScope const &) = delete;

private:
    LCID m_saved;
};

// A visible owner window for the dialogs of a test, the automation started and the English
// texts chosen.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        CAutomation::ClearMessageBoxTexts();
        ASSERT_TRUE(m_owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE,
                                   CRect(100, 50, 740, 530), nullptr, 0));
        CAutomation::Pump();
    }
    void TearDown() override {
        if (m_owner.IsWindow())
            m_owner.DestroyWindow();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    LocaleScope m_english{LANG_ID_ENGLISH};
    CWnd m_owner;
};
