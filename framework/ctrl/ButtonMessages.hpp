#pragma once

#include "AfxTypes.hpp"
#include "WinConstants.hpp"

// Messages of the button control ("button" window class) and the static control ("static"),
// with their standard numbers. BM_CLICK, which the dialog manager sends to radio buttons,
// and the BN_ notification codes live in WinConstants.hpp with the rest of the framework's
// shared values.

// The check state (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE); 0 for push buttons.
inline constexpr UINT BM_GETCHECK = 0x00F0;
// Sets the check state from wParam. Check boxes and radio buttons take BST_UNCHECKED and
// BST_CHECKED, 3-state boxes BST_INDETERMINATE too; push buttons and group boxes ignore it.
// The program's change: the parent hears nothing.
inline constexpr UINT BM_SETCHECK = 0x00F1;
// The check state with BST_PUSHED while the button is shown pressed and BST_FOCUS while it
// has the focus.
inline constexpr UINT BM_GETSTATE = 0x00F2;
// Shows the button pressed (wParam TRUE) or released, without a click.
inline constexpr UINT BM_SETSTATE = 0x00F3;
// Replaces the button style (the low word of the window style) with wParam; repaints when
// lParam is nonzero.
inline constexpr UINT BM_SETSTYLE = 0x00F4;

// Check states, and the flags BM_GETSTATE adds.
inline constexpr UINT BST_UNCHECKED = 0;
inline constexpr UINT BST_CHECKED = 1;
inline constexpr UINT BST_INDETERMINATE = 2;
inline constexpr UINT BST_PUSHED = 4;
inline constexpr UINT BST_FOCUS = 8;

// The button types: the low four bits of a button's style.
inline constexpr DWORD BS_TYPEMASK = 0x000F;

// Static control notification: a click on a static with SS_NOTIFY.
inline constexpr UINT STN_CLICKED = 0;
