#include "AfxLocale.hpp"
#include "AfxTrace.hpp"
#include "CAutomation.hpp"
#include "CMessageBox.hpp"
#include "CRecorderWnd.hpp"
#include "VirtualKeys.hpp"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Kills another of its timers when the first runs out.
class CTimerKillerWnd : public CWnd {
    AFX_DECLARE_CLASS(CTimerKillerWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    UINT m_first = 0;
    UINT m_second = 0;
    std::vector<UINT> m_fired;

    void OnTimer(UINT id) {
        m_fired.push_back(id);
        if (id == m_first)
            KillTimer(m_second);
    }
};

AFX_IMPLEMENT_CLASS(CTimerKillerWnd, CWnd, &CWnd::AfxConstruct)
AFX_BEGIN_MESSAGE_MAP(CTimerKillerWnd, CWnd)
AFX_ON_MESSAGE("V-1L", WM_TIMER, &CTimerKillerWnd::OnTimer)
AFX_END_MESSAGE_MAP()

class TimersAndModals : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        CAutomation::ClearMessageBoxTexts();
        ASSERT_TRUE(m_wnd.Create(nullptr, "main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200),
                                 nullptr, 0));
        CAutomation::Pump();
        Heard().clear();
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        CAutomation::Stop();
    }

    CRecorderWnd m_wnd{"w"};
};

} // namespace

TEST_F(TimersAndModals, TimersFireInTheOrderTheyRunOut) {
    UINT const slow = CWnd::AllocTimerID();
    UINT const fast = CWnd::AllocTimerID();
    EXPECT_NE(slow, fast);
    m_wnd.SetTimer(slow, 250);
    m_wnd.SetTimer(fast, 100);
    CAutomation::AdvanceClock(99);
    EXPECT_TRUE(Heard().empty());
    CAutomation::AdvanceClock(201);
    std::string const s = "w:timer " + std::to_string(slow);
    std::string const f = "w:timer " + std::to_string(fast);
    EXPECT_EQ(Heard(), (Lines{f, f, s, f}));
    EXPECT_TRUE(m_wnd.KillTimer(fast));
    EXPECT_FALSE(m_wnd.KillTimer(fast));
    Heard().clear();
    CAutomation::AdvanceClock(500);
    EXPECT_EQ(Heard(), (Lines{s, s}));
}

TEST_F(TimersAndModals, AKilledTimersQueuedMessageIsNotDelivered) {
    // Both run out at once, so both messages are queued when the first is handled.
    CTimerKillerWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    wnd.m_first = CWnd::AllocTimerID();
    wnd.m_second = CWnd::AllocTimerID();
    wnd.SetTimer(wnd.m_first, 10);
    wnd.SetTimer(wnd.m_second, 10);
    CAutomation::AdvanceClock(10);
    EXPECT_EQ(wnd.m_fired, std::vector<UINT>{wnd.m_first});
}

TEST_F(TimersAndModals, TimersOfADestroyedWindowStop) {
    CRecorderWnd other("other");
    ASSERT_TRUE(other.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    other.SetTimer(1, 10);
    other.DestroyWindow();
    Heard().clear();
    CAutomation::AdvanceClock(100);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(TimersAndModals, MessageBoxesRunModallyAndAreLogged) {
    // clang-format off
    struct Case { UINT type; CAutomation::ModalAction action; int result; } const cases[] = {
        {MB_OK, CAutomation::Confirm(), IDOK},
        {MB_OK, CAutomation::Cancel(), IDOK},
        {MB_OKCANCEL, CAutomation::Cancel(), IDCANCEL},
        {MB_YESNO, CAutomation::Confirm(), IDYES},
        {MB_YESNO, CAutomation::Cancel(), IDNO},
        {MB_YESNOCANCEL, CAutomation::Cancel(), IDCANCEL},
    };
    // clang-format on
    int n = 0;
    for (Case const & c : cases) {
        CAutomation::OnNextModal(c.action);
        EXPECT_EQ(m_wnd.Error(std::to_string(++n).c_str(), c.type), c.result) << n;
    }
    ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 6u);
    EXPECT_EQ(CAutomation::GetMessageBoxTexts()[5], "6");
    EXPECT_EQ(CAutomation::GetPendingModalActions(), 0u);
}

TEST(MessageBoxTexts, ButtonsSpeakTheThreadsLanguage) {
    // clang-format off
    struct Case { LCID language; UINT button; char const * text; } const cases[] = {
        {LANG_ID_ENGLISH, IDCANCEL, "Cancel"},
        {LANG_ID_GERMAN, IDNO, "Nein"},
        {LANG_ID_SPANISH, IDYES, "Sí"},
        {LANG_ID_FRENCH, IDRETRY, "Réessayer"},
        {LANG_ID_ITALIAN, IDCANCEL, "Annulla"},
        {2052, IDOK, "OK"}, // no Chinese: English
        {LANG_ID_ENGLISH, 0, ""},
        {LANG_ID_ENGLISH, 99, ""},
    };
    // clang-format on
    LCID const saved = GetThreadLocale();
    for (Case const & c : cases) {
        SetThreadLocale(c.language);
        EXPECT_EQ(CMessageBox::GetButtonText(c.button), c.text) << c.language << " " << c.button;
    }
    SetThreadLocale(saved);
}

TEST_F(TimersAndModals, InputOutsideTheModalWindowIsDropped) {
    CRecorderWnd control("control");
    ASSERT_TRUE(control.CreateChild(m_wnd, 5, WS_TABSTOP, 10, 10));
    CAutomation::OnNextModal([&](CWnd &) {
        CAutomation::Click(&control);
        CAutomation::PressKey(VK_RETURN);
    });
    Heard().clear();
    EXPECT_EQ(m_wnd.Error("modal"), IDOK);
    EXPECT_TRUE(Heard().empty()) << Heard().front();
    CAutomation::Click(&control);
    EXPECT_EQ(Heard().back(), "control:lbuttondown 10,5");
}

TEST_F(TimersAndModals, AModalLoopWithNothingToDriveItIsCancelled) {
    CTraceCapture trace;
    EXPECT_EQ(m_wnd.Error("nobody answers", MB_YESNO), IDNO);
    EXPECT_TRUE(trace.Contains("ERROR: A modal loop"));
}

TEST_F(TimersAndModals, ClickingAMessageBoxButton) {
    CAutomation::OnNextModal([](CWnd & box) {
        // The buttons lie at the bottom right; the last one is No.
        CRect const client = box.GetClientRect();
        CAutomation::Click(&box, CPoint(client.right - 20, client.bottom - 20));
    });
    EXPECT_EQ(m_wnd.Error("Really?", MB_YESNO), IDNO);
}
