#pragma once

#include "CPoint.hpp"
#include "WinTypes.hpp"

#include <cstdint>

// Reading the parameters of window messages, the one way every window procedure does.
namespace MessageParams {

// A signed number (an index, a position) in a message parameter: -1 stays negative
// whether the sender passed it in 32 or in 64 bits.
inline int Int(std::uintptr_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// A signed number as a message parameter, for the senders of the messages above.
inline WPARAM FromInt(int value) {
    return static_cast<WPARAM>(static_cast<std::intptr_t>(value));
}

// The signed 16-bit numbers that MAKEWPARAM and MAKELPARAM pack into the low and the high
// word (a wheel distance, a delay, a selection range): -1 stays -1.
inline int LowInt(std::uintptr_t value) {
    return static_cast<std::int16_t>(LOWORD(value));
}
inline int HighInt(std::uintptr_t value) {
    return static_cast<std::int16_t>(HIWORD(value));
}

// The client point of a mouse message.
inline CPoint Point(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

} // namespace MessageParams
