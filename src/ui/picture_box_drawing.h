#pragma once

#include "toolkit/design.h"
#include "toolkit/geometry.h"
#include "toolkit/picture.h"

#include <cairo.h>

namespace ui {

// Where a picture of size `picture` goes in the inner area, in integers only.
// Stretch: the whole inner area. Fit: scaled by f = min(1, iw / pw, ih / ph),
// each side truncated, centred with offsets (inner - drawn) div 2.
toolkit::Rect picture_placement(toolkit::DisplayMode mode, toolkit::Size picture, toolkit::Size inner);

// Fills the inner area with the background, then draws the frame (if any) at
// its placement, covering exactly the placement's pixels.
void draw_picture_box(cairo_t* cr, const toolkit::PictureBoxStyle& style, const toolkit::PictureFrame* frame,
                      toolkit::Size inner);

} // namespace ui
