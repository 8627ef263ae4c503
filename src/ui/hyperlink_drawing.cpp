#include "ui/hyperlink_drawing.h"

#include "ui/background_fill.h"
#include "ui/text_drawing.h"

namespace ui {

toolkit::Color link_color(const toolkit::HyperlinkStyle& style, toolkit::LinkLook look)
{
    if (look.hovered)
        return style.hover_color;
    if (look.visited)
        return style.visited_color;
    return style.normal_color;
}

void draw_hyperlink(cairo_t* cr, const toolkit::HyperlinkStyle& style, toolkit::LinkLook look, toolkit::Size inner,
                    TextLayoutCache& layouts)
{
    fill_background(cr, style.background, inner);
    const std::string& text = style.caption.empty() ? style.web_address : style.caption;
    if (text.empty())
        return;

    PangoLayout* layout = layouts.layout(cr, &style, TextSpec{text, style.font, -1, PANGO_ALIGN_LEFT, true});
    toolkit::Rect block = logical_pixel_rect(layout);
    toolkit::Point origin{aligned_offset(inner.width, block.width, toolkit::HorizontalAlign::center) - block.x,
                          aligned_offset(inner.height, block.height, toolkit::VerticalAlign::center) - block.y};
    show_text(cr, layout, origin, link_color(style, look));
}

} // namespace ui
