#pragma once

#include <cairo.h>

namespace pictures {

struct DolphinPose {
    double x = 0, y = 0; // where the middle of the body goes
    double length = 100; // beak tip to the tips of the flukes
    double heading = 0;  // direction the beak points, radians (cairo: 0 = right, positive = down)
    double arch = 0;     // bend of the whole spine; positive arches the back
    double flick = 0;    // extra bend of the tail stock
    double haze = 0;     // 0 = close by, 1 = lost in the water
};

// Draws a bottlenose-like dolphin seen from the side.
void draw_dolphin(cairo_t* cr, const DolphinPose& pose);

} // namespace pictures
