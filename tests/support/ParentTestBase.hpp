#pragma once

#include "CAutomation.hpp"
#include "CInput.hpp"
#include "CParentRecorder.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// A test with the automation started and a visible top-level parent at `place` on the
// screen that records what the controls made on it tell it (dialog-style when asked, so
// that keys take the real road through the dialog manager).
class ParentTestBase : public ::testing::Test {
public:
    using Commands = CParentRecorder::Commands;
    using Lines = CParentRecorder::Lines;

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

    // A row of "a handler may destroy the control": when the parent first hears `trigger` (a
    // line as CParentRecorder writes it, or its start up to a blank: "H thumbtrack"), its handler
    // destroys the control, or the parent itself when `parent` is set.
    struct DestroyRow {
        char const * name;
        char const * trigger;
        bool parent;
        // What the parent hears after the trigger, other controls' lines left out.
        Lines after;
    };
    // Runs a row: `act` is the user's input on `control`. The control must be gone, the
    // capture released and nothing more heard than the row says; a destroyed parent is made
    // again, and the parent's other children are destroyed, for the next row.
    void CheckDestroyedByHandler(DestroyRow const & row, CWnd & control,
                                 std::function<void()> const & act) {
        SCOPED_TRACE(row.name);
        HWND const hwnd = control.GetSafeHwnd();
        std::string const own = std::to_string(control.GetID()) + ":";
        Clear();
        std::size_t firedAt = 0;
        m_parent.m_onHeard = [&](std::string const & line) {
            if (firedAt ||
                !(line == row.trigger || line.starts_with(std::string(row.trigger) + " ")))
                return;
            firedAt = m_parent.m_heard.size();
            if (row.parent)
                m_parent.DestroyWindow();
            else
                CWnd::FromHandle(hwnd)->DestroyWindow();
        };
        act();
        CAutomation::Pump();
        m_parent.m_onHeard = nullptr;
        EXPECT_NE(firedAt, 0u) << "never heard " << row.trigger;
        EXPECT_FALSE(CWnd::IsWindow(hwnd));
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        Lines after;
        for (std::size_t i = firedAt; firedAt && i < m_parent.m_heard.size(); ++i) {
            std::string const & line = m_parent.m_heard[i];
            bool const other = line.find(':') != std::string::npos && !line.starts_with(own);
            if (!other)
                after.push_back(line);
        }
        EXPECT_EQ(after, row.after);
        if (!m_parent.IsWindow())
            MakeParent();
        for (UINT i = m_parent.GetChildCount(); i-- > 0;)
            m_parent.GetChild(i)->DestroyWindow();
        Clear();
    }

protected:
    explicit ParentTestBase(CRect const & place, BOOL dialogStyle = FALSE)
        : m_place(place), m_dialogStyle(dialogStyle) {}

    void SetUp() override {
        CAutomation::Start();
        MakeParent();
        CAutomation::Pump();
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        CAutomation::Pump();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    void MakeParent() {
        ASSERT_TRUE(m_parent.Create(nullptr, "parent", WS_POPUP | WS_VISIBLE, m_place, nullptr, 0));
        if (m_dialogStyle)
            m_parent.SetDialogStyle(TRUE);
    }

    CParentRecorder m_parent;

private:
    CRect m_place;
    BOOL m_dialogStyle;
};
