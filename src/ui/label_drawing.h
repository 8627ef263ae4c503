#pragma once

#include "toolkit/design.h"
#include "toolkit/geometry.h"
#include "ui/text_layout_cache.h"

#include <cairo.h>

namespace ui {

// Draws a label in its inner area (0, 0, inner), in this order: the
// background, the engraving (the text in white, one pixel right and down),
// the text in its colour. Both wrapping modes break lines at "\r\n"; only word
// wrap also breaks a line that is wider than the inner area, and then the
// block starts at the top whatever the vertical alignment. Without word wrap
// the block is aligned both ways as a whole, each line within it horizontally.
void draw_label(cairo_t* cr, const toolkit::LabelStyle& style, toolkit::Size inner, TextLayoutCache& layouts);

} // namespace ui
