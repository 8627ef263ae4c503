#include "ui/text_drawing.h"

#include "toolkit/cairo_color.h"

#include <pango/pangocairo.h>

namespace ui {

int aligned_offset(int available, int used, toolkit::HorizontalAlign align)
{
    switch (align) {
    case toolkit::HorizontalAlign::left:
        return 0;
    case toolkit::HorizontalAlign::center:
        return (available - used) / 2;
    case toolkit::HorizontalAlign::right:
        return available - used;
    }
    return 0;
}

int aligned_offset(int available, int used, toolkit::VerticalAlign align)
{
    switch (align) {
    case toolkit::VerticalAlign::top:
        return 0;
    case toolkit::VerticalAlign::center:
        return (available - used) / 2;
    case toolkit::VerticalAlign::bottom:
        return available - used;
    }
    return 0;
}

toolkit::Rect logical_pixel_rect(PangoLayout* layout)
{
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    return {logical.x, logical.y, logical.width, logical.height};
}

void show_text(cairo_t* cr, PangoLayout* layout, toolkit::Point origin, toolkit::Color color)
{
    toolkit::set_source_color(cr, color);
    cairo_move_to(cr, origin.x, origin.y);
    pango_cairo_show_layout(cr, layout);
}

} // namespace ui
