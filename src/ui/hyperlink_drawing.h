#pragma once

#include "toolkit/control_painter.h"
#include "toolkit/design.h"
#include "toolkit/geometry.h"
#include "ui/text_layout_cache.h"

#include <cairo.h>

namespace ui {

// The caption's colour: hover while the mouse is over the box, else visited
// once a press has opened the address, else normal.
toolkit::Color link_color(const toolkit::HyperlinkStyle& style, toolkit::LinkLook look);

// Fills the inner area with the background and draws the caption (the web
// address when the caption is empty) on one line, centred both ways.
void draw_hyperlink(cairo_t* cr, const toolkit::HyperlinkStyle& style, toolkit::LinkLook look, toolkit::Size inner,
                    TextLayoutCache& layouts);

} // namespace ui
