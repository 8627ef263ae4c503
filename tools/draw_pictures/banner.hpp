#pragma once

#include "canvas.hpp"

namespace pictures {

inline constexpr int kBannerWidth = 163;
inline constexpr int kBannerHeight = 44;

// The program's name in tall serif letters, straight alpha on a clear ground.
Image draw_banner();

} // namespace pictures
