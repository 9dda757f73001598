#pragma once

#include "CArray.hpp"
#include "CInput.hpp"
#include "CString.hpp"
#include "haldenwin_export.h"

#include <cstdint>
#include <functional>

class CWnd;

// Drives the user interface as a user would, for tests and for hosts' own scripted tests.
// Everything goes through the window system's one input entry point (CInput), so keys,
// clicks and typing take the same road as real input: focus, dialog keys, control
// behaviour, notifications.
//
// Modal loops (dialogs, message boxes, pop-up menus) block their caller; say before the call
// what the user does when the next one starts (OnNextModal). A modal loop with nothing left
// to do is cancelled, with a trace line, instead of hanging.
class HALDENWIN_EXPORT CAutomation {
public:
    static constexpr UINT modShift = 1;
    static constexpr UINT modControl = 2;
    static constexpr UINT modAlt = 4;

    // Installs a manual clock for timers and delays (from then on only AdvanceClock moves
    // time) and makes modal loops run the scripted actions. Call once before driving.
    static void Start();
    // Restores the monotonic clock and forgets pending actions.
    static void Stop();

    // Keys: down and up, with modifiers held around it.
    static void PressKey(UINT key, UINT modifiers = 0);
    static void KeyDown(UINT key);
    static void KeyUp(UINT key);
    // Types UTF-8 text, one character message per code point; "\t", "\r" (or "\n") and
    // "\x1b" press Tab, Return and Escape, "\b" Backspace.
    static void TypeText(char const * text);

    // Clicks at a point of a window's client area (its centre by default).
    static void Click(CWnd * wnd);
    static void Click(CWnd * wnd, CPoint client);
    static void DoubleClick(CWnd * wnd);
    static void DoubleClick(CWnd * wnd, CPoint client);
    static void RightClick(CWnd * wnd, CPoint client);
    // Clicks the child with an identifier; false when there is none.
    static bool ClickItem(CWnd * parent, UINT id);
    static void ClickAt(CPoint screen);
    // Presses the left button at one point, moves in steps and releases at another.
    static void Drag(CPoint fromScreen, CPoint toScreen, UINT steps = 4);
    static void MoveMouse(CPoint screen);

    // Handles every queued message, due timer and pending paint.
    static void Pump();
    // Moves the manual clock on, firing timers in the order they run out.
    static void AdvanceClock(std::uint64_t milliseconds);

    // What happens when the next modal loop starts: the action gets the modal window and
    // acts as the user would. Actions are used in the order they were given.
    using ModalAction = std::function<void(CWnd & modal)>;
    static void OnNextModal(ModalAction action);
    static ModalAction Confirm(); // Return
    static ModalAction Cancel();  // Escape
    static ModalAction TypeAndConfirm(char const * text);
    static ModalAction ClickButton(UINT id); // a child of the modal window
    // Clicks the item of a command in the pop-up menu that runs; nothing when the modal
    // window is no menu or has no such item.
    static ModalAction ChooseMenuItem(UINT id);
    static UINT GetPendingModalActions();

    // The beeps (MessageBeep) sounded since Start or the last ClearBeeps.
    static UINT GetBeepCount();
    static void ClearBeeps();

    // The texts of the message boxes shown so far.
    static CArray<CString> const & GetMessageBoxTexts();
    static void ClearMessageBoxTexts();
};
