#pragma once

#include "canvas.hpp"

#include <vector>

namespace pictures {

inline constexpr int kSymbolSize = 25;
inline constexpr int kSymbolCount = 18;
inline constexpr int kSymbolMargin = 2; // pixels kept white on every side

// The 18 symbols in their fixed order, dark red on white, each 25 x 25.
std::vector<Image> draw_symbols();

} // namespace pictures
