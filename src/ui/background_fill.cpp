#include "ui/background_fill.h"

#include "toolkit/cairo_color.h"

namespace ui {

using toolkit::Color;

Color background_row_color(const toolkit::Background& background, int height, int y)
{
    const auto& stops = background.stops;
    if (stops.empty())
        return toolkit::kFaceColor;
    int segments = static_cast<int>(stops.size()) - 1;
    int span = segments > 0 ? height / segments : 0;
    if (span <= 0 || y / span > segments - 1)
        return stops.back();

    const Color& from = stops[y / span];
    const Color& to = stops[y / span + 1];
    int offset = y % span;
    // Signed ints, so a falling channel truncates toward zero as well.
    auto channel = [&](int a, int b) { return static_cast<std::uint8_t>(a + (offset * (b - a)) / span); };
    return Color{channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

void fill_background(cairo_t* cr, const toolkit::Background& background, toolkit::Size area)
{
    if (background.stops.size() < 2) {
        toolkit::set_source_color(cr, background_row_color(background, area.height, 0));
        cairo_rectangle(cr, 0, 0, area.width, area.height);
        cairo_fill(cr);
        return;
    }

    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (int y = 0; y < area.height; ++y) {
        toolkit::set_source_color(cr, background_row_color(background, area.height, y));
        cairo_rectangle(cr, 0, y, area.width, 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

} // namespace ui
