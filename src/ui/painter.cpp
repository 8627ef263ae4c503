#include "ui/painter.h"

#include "ui/hyperlink_drawing.h"
#include "ui/label_drawing.h"
#include "ui/picture_box_drawing.h"

namespace ui {

void Painter::paint_label(cairo_t* cr, const toolkit::LabelStyle& style, toolkit::Size inner)
{
    draw_label(cr, style, inner, m_layouts);
}

void Painter::paint_picture_box(cairo_t* cr, const toolkit::PictureBoxStyle& style,
                                const toolkit::PictureFrame* frame, toolkit::Size inner)
{
    draw_picture_box(cr, style, frame, inner);
}

void Painter::paint_hyperlink(cairo_t* cr, const toolkit::HyperlinkStyle& style, toolkit::LinkLook look,
                              toolkit::Size inner)
{
    draw_hyperlink(cr, style, look, inner, m_layouts);
}

} // namespace ui
