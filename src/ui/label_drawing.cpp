#include "ui/label_drawing.h"

#include "ui/background_fill.h"
#include "ui/text_drawing.h"

namespace ui {

namespace {

PangoAlignment pango_alignment(toolkit::HorizontalAlign align)
{
    switch (align) {
    case toolkit::HorizontalAlign::left:
        return PANGO_ALIGN_LEFT;
    case toolkit::HorizontalAlign::center:
        return PANGO_ALIGN_CENTER;
    case toolkit::HorizontalAlign::right:
        return PANGO_ALIGN_RIGHT;
    }
    return PANGO_ALIGN_LEFT;
}

} // namespace

void draw_label(cairo_t* cr, const toolkit::LabelStyle& style, toolkit::Size inner, TextLayoutCache& layouts)
{
    fill_background(cr, style.background, inner);
    if (style.text.empty())
        return;

    TextSpec options{style.text, style.font, style.word_wrap ? inner.width : -1, pango_alignment(style.horizontal_align),
                  false};
    PangoLayout* layout = layouts.layout(cr, &style, options);

    // A wrapped layout already places its lines across the inner width.
    toolkit::Point origin;
    if (!style.word_wrap) {
        toolkit::Rect block = logical_pixel_rect(layout);
        origin.x = aligned_offset(inner.width, block.width, style.horizontal_align) - block.x;
        origin.y = aligned_offset(inner.height, block.height, style.vertical_align) - block.y;
    }

    if (style.effect == toolkit::TextEffect::engraved)
        show_text(cr, layout, {origin.x + 1, origin.y + 1}, toolkit::kWhite);
    show_text(cr, layout, origin, style.text_color);
}

} // namespace ui
