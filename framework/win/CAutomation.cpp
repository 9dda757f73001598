#include "CAutomation.hpp"

#include "CClock.hpp"
#include "CMessageBox.hpp"
#include "CWnd.hpp"
#include "Utf8.hpp"
#include "VirtualKeys.hpp"
#include "internal/CWindowManager.hpp"
#include "internal/MenuWindow.hpp"

#include <deque>
#include <string_view>

namespace {

struct AutomationState {
    CManualClock clock;
    std::deque<CAutomation::ModalAction> actions;
    bool started = false;
};

AutomationState & State() {
    static auto * state = new AutomationState;
    return *state;
}

CPoint ScreenPoint(CWnd * wnd, CPoint client) {
    wnd->ClientToScreen(client);
    return client;
}

CPoint Centre(CWnd * wnd) {
    CRect const client = wnd->GetClientRect();
    return CPoint(client.Width() / 2, client.Height() / 2);
}

} // namespace

void CAutomation::Start() {
    AutomationState & state = State();
    CClock::SetCurrent(&state.clock);
    CWindowManager & manager = CWindowManager::Get();
    manager.Modals().SetModalStartFunction([](HWND hwnd) {
        AutomationState & s = State();
        if (s.actions.empty())
            return;
        ModalAction action = std::move(s.actions.front());
        s.actions.pop_front();
        if (CWnd * modal = CWnd::FromHandle(hwnd))
            action(*modal);
    });
    // Headless, nothing else will ever come: a loop that is still waiting is cancelled.
    manager.Modals().SetWaitFunction(nullptr);
    manager.ClearBeeps();
    state.started = true;
}

void CAutomation::Stop() {
    AutomationState & state = State();
    CClock::SetCurrent(nullptr);
    state.actions.clear();
    CWindowManager::Get().Modals().SetModalStartFunction(nullptr);
    state.started = false;
}

void CAutomation::PressKey(UINT key, UINT modifiers) {
    if (modifiers & modShift)
        CInput::KeyDown(VK_SHIFT);
    if (modifiers & modControl)
        CInput::KeyDown(VK_CONTROL);
    if (modifiers & modAlt)
        CInput::KeyDown(VK_MENU);
    CInput::KeyDown(key);
    CInput::KeyUp(key);
    if (modifiers & modAlt)
        CInput::KeyUp(VK_MENU);
    if (modifiers & modControl)
        CInput::KeyUp(VK_CONTROL);
    if (modifiers & modShift)
        CInput::KeyUp(VK_SHIFT);
    Pump();
}

void CAutomation::KeyDown(UINT key) {
    CInput::KeyDown(key);
    Pump();
}

void CAutomation::KeyUp(UINT key) {
    CInput::KeyUp(key);
    Pump();
}

void CAutomation::TypeText(char const * text) {
    std::string_view const all(text ? text : "");
    for (std::size_t pos = 0; pos < all.size();) {
        // A malformed byte types itself.
        Utf8::Sequence const sequence = Utf8::Decode(all, pos);
        pos += sequence.length;
        UINT const code = sequence.codePoint;
        switch (code) {
        case '\t':
            PressKey(VK_TAB);
            break;
        case '\r':
        case '\n':
            PressKey(VK_RETURN);
            break;
        case 27:
            PressKey(VK_ESCAPE);
            break;
        case '\b':
            PressKey(VK_BACK);
            break;
        default:
            CInput::Char(code);
            Pump();
            break;
        }
    }
}

void CAutomation::Click(CWnd * wnd) {
    Click(wnd, Centre(wnd));
}

void CAutomation::Click(CWnd * wnd, CPoint client) {
    ClickAt(ScreenPoint(wnd, client));
}

void CAutomation::DoubleClick(CWnd * wnd) {
    DoubleClick(wnd, Centre(wnd));
}

void CAutomation::DoubleClick(CWnd * wnd, CPoint client) {
    CInput::DoubleClick(ScreenPoint(wnd, client), CInput::buttonLeft);
    Pump();
}

void CAutomation::RightClick(CWnd * wnd, CPoint client) {
    CPoint const screen = ScreenPoint(wnd, client);
    CInput::MouseDown(screen, CInput::buttonRight);
    CInput::MouseUp(screen, CInput::buttonRight);
    Pump();
}

bool CAutomation::ClickItem(CWnd * parent, UINT id) {
    CWnd * item = parent ? parent->GetDlgItem(id) : nullptr;
    if (!item)
        return false;
    Click(item);
    return true;
}

void CAutomation::ClickAt(CPoint screen) {
    CInput::MouseMove(screen);
    CInput::MouseDown(screen, CInput::buttonLeft);
    CInput::MouseUp(screen, CInput::buttonLeft);
    Pump();
}

void CAutomation::Drag(CPoint fromScreen, CPoint toScreen, UINT steps) {
    CInput::MouseMove(fromScreen);
    CInput::MouseDown(fromScreen, CInput::buttonLeft);
    Pump();
    steps = steps ? steps : 1;
    for (UINT i = 1; i <= steps; ++i) {
        LONG const x = fromScreen.x + (toScreen.x - fromScreen.x) * static_cast<LONG>(i) /
                                          static_cast<LONG>(steps);
        LONG const y = fromScreen.y + (toScreen.y - fromScreen.y) * static_cast<LONG>(i) /
                                          static_cast<LONG>(steps);
        CInput::MouseMove(CPoint(x, y));
        Pump();
    }
    CInput::MouseUp(toScreen, CInput::buttonLeft);
    Pump();
}

void CAutomation::MoveMouse(CPoint screen) {
    CInput::MouseMove(screen);
    Pump();
}

void CAutomation::Pump() {
    CWindowManager::Get().Pump();
}

void CAutomation::AdvanceClock(std::uint64_t milliseconds) {
    CManualClock & clock = State().clock;
    std::uint64_t const target = clock.Now() + milliseconds;
    CWindowManager & manager = CWindowManager::Get();
    manager.Pump();
    std::uint64_t due = 0;
    while (manager.Timers().NextDue(due) && due <= target) {
        clock.Set(std::max(due, clock.Now()));
        manager.Pump();
    }
    clock.Set(target);
    manager.Pump();
}

void CAutomation::OnNextModal(ModalAction action) {
    State().actions.push_back(std::move(action));
}

CAutomation::ModalAction CAutomation::Confirm() {
    return [](CWnd &) { PressKey(VK_RETURN); };
}

CAutomation::ModalAction CAutomation::Cancel() {
    return [](CWnd &) { PressKey(VK_ESCAPE); };
}

CAutomation::ModalAction CAutomation::TypeAndConfirm(char const * text) {
    return [typed = CString(text)](CWnd &) {
        TypeText(typed);
        PressKey(VK_RETURN);
    };
}

CAutomation::ModalAction CAutomation::ClickButton(UINT id) {
    return [id](CWnd & modal) { ClickItem(&modal, id); };
}

CAutomation::ModalAction CAutomation::ChooseMenuItem(UINT id) {
    return [id](CWnd & modal) {
        MenuWindow const * menu = MenuWindow::FromWindow(modal);
        int const position = menu ? menu->PositionOf(id) : -1;
        if (position < 0)
            return;
        CRect const item = menu->ItemRect(static_cast<std::size_t>(position));
        ClickAt(ScreenPoint(&modal,
                            CPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2)));
    };
}

UINT CAutomation::GetPendingModalActions() {
    return static_cast<UINT>(State().actions.size());
}

UINT CAutomation::GetBeepCount() {
    return CWindowManager::Get().GetBeepCount();
}

void CAutomation::ClearBeeps() {
    CWindowManager::Get().ClearBeeps();
}

CArray<CString> const & CAutomation::GetMessageBoxTexts() {
    return CMessageBox::GetShownTexts();
}

void CAutomation::ClearMessageBoxTexts() {
    CMessageBox::ClearShownTexts();
}
