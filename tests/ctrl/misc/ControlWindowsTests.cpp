#include "CAutomation.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

namespace {

constexpr UINT destroySelf = WM_USER + 1;

// The object of one probe window: it writes down every message it hears and lets a test
// act on a message as it arrives.
struct Probe {
    struct Heard {
        HWND hwnd;
        UINT message;
        bool inTable;
        bool operator==(Heard const &) const = default;
        friend std::ostream & operator<<(std::ostream & out, Heard const & heard) {
            return out << "{message " << heard.message << (heard.inTable ? ", in table}" : "}");
        }
    };

    static std::vector<Heard> & Log() {
        static std::vector<Heard> log;
        return log;
    }
    static inline int alive = 0;
    static inline std::function<void(HWND hwnd, UINT message)> onMessage;

    explicit Probe(HWND window) : hwnd(window) { ++alive; }
    ~Probe() { --alive; }
    Probe(Probe const &) = delete;
    Probe & operator=(Probe const &) = delete;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        Log().push_back({hwnd, message, ControlWindows<Probe>::Find(hwnd) == this});
        if (message == destroySelf)
            CWnd::FromHandle(hwnd)->DestroyWindow();
        if (onMessage)
            onMessage(hwnd, message);
        return DefWindowProc(hwnd, message, wParam, lParam);
    }

    HWND hwnd;
};

char const * ProbeClass() {
    static CWndClass const * cls =
        CWndClass::Register("ControlWindowsProbe", &ControlWindows<Probe>::Procedure, 0);
    return cls->GetName();
}

class ControlWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        Probe::Log().clear();
        Probe::onMessage = nullptr;
    }
    void TearDown() override {
        Probe::onMessage = nullptr;
        CAutomation::Stop();
        EXPECT_EQ(Probe::alive, 0) << "every probe object goes with its window";
    }

    // A probe window on the heap, as controls are, optionally a child of another.
    static CWnd * Make(CWnd * parent = nullptr) {
        auto * wnd = new CWnd;
        DWORD const style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
        EXPECT_TRUE(wnd->Create(ProbeClass(), "", style, CRect(0, 0, 50, 20), parent, 1));
        return wnd;
    }

    static std::vector<UINT> MessagesOf(HWND hwnd) {
        std::vector<UINT> messages;
        for (Probe::Heard const & heard : Probe::Log())
            if (heard.hwnd == hwnd)
                messages.push_back(heard.message);
        return messages;
    }
};

TEST_F(ControlWindowsTest, ObjectLivesFromNcCreateToNcDestroy) {
    CWnd * wnd = Make();
    HWND const hwnd = wnd->GetSafeHwnd();
    ASSERT_NE(ControlWindows<Probe>::Find(hwnd), nullptr);
    EXPECT_EQ(Probe::alive, 1);
    wnd->DestroyWindow();
    EXPECT_EQ(ControlWindows<Probe>::Find(hwnd), nullptr);
    EXPECT_EQ(Probe::alive, 0);

    std::vector<Probe::Heard> const & log = Probe::Log();
    ASSERT_GE(log.size(), 3u);
    // Found in the table from its first message; out of it when its last is handled.
    EXPECT_EQ(log.front(), (Probe::Heard{hwnd, WM_NCCREATE, true}));
    EXPECT_EQ(log.back(), (Probe::Heard{hwnd, WM_NCDESTROY, false}));
    EXPECT_TRUE(std::all_of(log.begin(), log.end() - 1,
                            [](Probe::Heard const & heard) { return heard.inTable; }));
    delete wnd;
}

TEST_F(ControlWindowsTest, HandlerThatDestroysItsWindowKeepsItsObjectUntilItReturns) {
    CWnd * wnd = Make();
    HWND const hwnd = wnd->GetSafeHwnd();
    // Asked in the handler after the destruction, which reads its object's members again
    // (the sanitizers see any use of a freed object).
    int aliveInHandler = -1;
    UINT lastHeard = 0;
    Probe::onMessage = [&](HWND from, UINT message) {
        if (from == hwnd && message == destroySelf) {
            aliveInHandler = Probe::alive;
            lastHeard = MessagesOf(hwnd).back();
        }
    };
    wnd->SendMessage(destroySelf);
    EXPECT_EQ(lastHeard, WM_NCDESTROY) << "the window went inside the handler";
    EXPECT_EQ(aliveInHandler, 1);
    EXPECT_EQ(Probe::alive, 0);
    delete wnd;
}

TEST_F(ControlWindowsTest, WindowWhoseObjectIsGoneHearsOnlyNcDestroy) {
    CWnd * outer = Make();
    CWnd * inner = Make(outer);
    HWND const outerHwnd = outer->GetSafeHwnd();
    HWND const innerHwnd = inner->GetSafeHwnd();
    // The child goes first; its WM_DESTROY deletes the parent's CWnd object, which leaves
    // the parent's window mid-destruction without one.
    Probe::onMessage = [&](HWND from, UINT message) {
        if (from == innerHwnd && message == WM_DESTROY)
            delete outer;
    };
    std::size_t const before = MessagesOf(outerHwnd).size();
    outer->DestroyWindow();
    std::vector<UINT> const all = MessagesOf(outerHwnd);
    EXPECT_EQ(std::vector<UINT>(all.begin() + before, all.end()), std::vector<UINT>{WM_NCDESTROY});
    EXPECT_EQ(ControlWindows<Probe>::Find(outerHwnd), nullptr);
    delete inner;
}

} // namespace
