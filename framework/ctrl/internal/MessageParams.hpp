#pragma once

#include "CPoint.hpp"
#include "WinTypes.hpp"

#include <cstdint>

// Reading the parameters of the controls' messages.
namespace MessageParams {

// A signed number (an index, a position) in a message parameter: -1 stays negative
// whether the sender passed it in 32 or in 64 bits.
inline int Int(std::uintptr_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The client point of a mouse message.
inline CPoint Point(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

} // namespace MessageParams
