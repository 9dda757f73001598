#pragma once

#include "AfxTypes.hpp"

// Flags of menu items and of pop-up menu tracking (CMenu), with their Windows values.

// Item flags of AppendMenu, and the states GetMenuState answers.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
// Shown grey; cannot be chosen.
inline constexpr UINT MF_GRAYED = 0x0001;
// Cannot be chosen, though shown as usual.
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_SEPARATOR = 0x0800;
// How an operation names its item: by command identifier (the first item with it) or by
// position from 0.
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;

// TrackPopupMenu flags: where the menu stands against the point, which buttons choose, and
// whether the choice is returned instead of sent.
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_RETURNCMD = 0x0100;
