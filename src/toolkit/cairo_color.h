#pragma once

#include "geometry.h"

#include <cairo.h>

namespace toolkit {

// 8-bit channels go through cairo's 16-bit colours and come back unchanged.
inline void set_source_color(cairo_t* cr, Color color)
{
    cairo_set_source_rgb(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

} // namespace toolkit
