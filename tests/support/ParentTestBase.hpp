#pragma once

#include "CAutomation.hpp"
#include "CInput.hpp"
#include "CParentRecorder.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

// A test with the automation started and a visible top-level parent at `place` on the
// screen that records what the controls made on it tell it.
class ParentTestBase : public ::testing::Test {
public:
    using Commands = CParentRecorder::Commands;

    // Delivers what is queued, then forgets what the parent heard so far.
    void Clear() {
        CAutomation::Pump();
        m_parent.Clear();
    }
    Commands const & Heard() const { return m_parent.m_commands; }

    static CPoint Screen(CWnd & wnd, CPoint client) {
        wnd.ClientToScreen(client);
        return client;
    }

protected:
    explicit ParentTestBase(CRect const & place) : m_place(place) {}

    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_parent.Create(nullptr, "parent", WS_POPUP | WS_VISIBLE, m_place, nullptr, 0));
        CAutomation::Pump();
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        CAutomation::Pump();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    CParentRecorder m_parent;

private:
    CRect m_place;
};
