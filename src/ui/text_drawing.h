#pragma once

// Placing and drawing a laid-out text in a control's inner area.

#include "toolkit/design.h"
#include "toolkit/geometry.h"

#include <cairo.h>
#include <pango/pango.h>

namespace ui {

// Where a block of `used` pixels starts in `available` pixels; centring
// rounds toward zero, and a block wider than the room overhangs both sides.
int aligned_offset(int available, int used, toolkit::HorizontalAlign align);
int aligned_offset(int available, int used, toolkit::VerticalAlign align);

// The layout's logical extents in whole pixels, relative to its origin.
toolkit::Rect logical_pixel_rect(PangoLayout* layout);

// Draws the layout with its origin at `origin`, in one colour and with no box
// behind the letters.
void show_text(cairo_t* cr, PangoLayout* layout, toolkit::Point origin, toolkit::Color color);

} // namespace ui
