#pragma once

// How labels, picture boxes and hyperlink boxes turn their properties into
// pixels is the program's own drawing; the toolkit calls it through this
// interface and draws only the system's parts (borders, buttons, boxes).
// Each call draws the control's inner area: the context is translated so that
// (0, 0) is the inner area's top-left corner and clipped to it. Painting reads
// the style and never changes it.

#include "design.h"
#include "picture.h"

#include <cairo.h>

namespace toolkit {

struct LinkLook {
    bool hovered = false;
    bool visited = false; // the most recent press opened the address
};

class ControlPainter {
public:
    virtual ~ControlPainter() = default;
    virtual void paint_label(cairo_t* cr, const LabelStyle& style, Size inner) = 0;
    // The frame on show, a composed image of the picture's full size; null
    // when the box has no picture.
    virtual void paint_picture_box(cairo_t* cr, const PictureBoxStyle& style, const PictureFrame* frame,
                                   Size inner) = 0;
    virtual void paint_hyperlink(cairo_t* cr, const HyperlinkStyle& style, LinkLook look, Size inner) = 0;
};

// The painter lives as long as the process; the toolkit does not own it.
void set_control_painter(ControlPainter* painter);

} // namespace toolkit
