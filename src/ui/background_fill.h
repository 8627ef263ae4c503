#pragma once

// The background of labels, picture boxes and the hyperlink box: no stops is
// the system face colour, one stop fills, two or more stops make a vertical
// gradient computed row by row in integers.

#include "toolkit/design.h"
#include "toolkit/geometry.h"

#include <cairo.h>

namespace ui {

// The colour of pixel row y (0 at the top) of an area `height` rows high. For
// a gradient of n stops c0 ... c(n-1), with span s = height div (n - 1), row y
// lies in segment k = y div s; past the last segment (or when there are fewer
// rows than segments) it takes c(n-1), otherwise each channel is
// ck + ((y mod s) * (c(k+1) - ck)) / s, truncated toward zero.
toolkit::Color background_row_color(const toolkit::Background& background, int height, int y);

// Fills (0, 0, area) with the background.
void fill_background(cairo_t* cr, const toolkit::Background& background, toolkit::Size area);

} // namespace ui
