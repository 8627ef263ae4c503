#pragma once

// The window's own pictures, embedded by the build from ui/pictures/ in
// byte-string form: the animated ball and the banner (GIF), the program icon
// at three sizes and the hand cursor (PNG).

#include "toolkit/geometry.h"

#include <cstdint>

namespace ui {

extern const std::uint8_t ball_picture[];
extern const std::uint8_t banner_picture[];
extern const std::uint8_t icon_32_picture[];
extern const std::uint8_t icon_48_picture[];
extern const std::uint8_t icon_256_picture[];
extern const std::uint8_t hand_cursor_picture[];

// The fingertip of the hand cursor, in the cursor picture's pixels.
inline constexpr toolkit::Point kHandHotSpot{6, 1};

} // namespace ui
