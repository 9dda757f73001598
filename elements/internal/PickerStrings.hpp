#pragma once

// The library's string resources that the pickers and their dialogs show.
namespace PickerStrings {

inline constexpr unsigned int edit = 0x4001;        // the pick button: "Edit..."
inline constexpr unsigned int editValue = 0x4002;   // the integer dialog's caption
inline constexpr unsigned int tooLow = 0x4003;      // "... must not be less than %1."
inline constexpr unsigned int tooHigh = 0x4004;     // "... must not be more than %1."
inline constexpr unsigned int browseFile = 0x4006;  // the file dialog's caption
inline constexpr unsigned int browse = 0x4007;      // the path pickers' button: "Browse..."
inline constexpr unsigned int editCaption = 0x4008; // the bit mask dialog: "Edit %s"

} // namespace PickerStrings
