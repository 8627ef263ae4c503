#pragma once

#include "canvas.hpp"

namespace pictures {

inline constexpr int kCursorSize = 32;
inline constexpr int kCursorHotX = 6; // tip of the index finger
inline constexpr int kCursorHotY = 1;

// A white pointing hand with a one-pixel black outline, clear elsewhere.
Image draw_hand_cursor();

} // namespace pictures
