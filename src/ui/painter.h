#pragma once

// The program's drawing of labels, picture boxes and the hyperlink box. One
// painter serves the whole process and keeps the laid-out texts of every
// control between repaints; the toolkit calls it on the GUI thread only.
// Install it before the window loads, through ProgramResources::painter or
// toolkit::set_control_painter.

#include "toolkit/control_painter.h"
#include "ui/text_layout_cache.h"

namespace ui {

class Painter final : public toolkit::ControlPainter {
public:
    void paint_label(cairo_t* cr, const toolkit::LabelStyle& style, toolkit::Size inner) override;
    void paint_picture_box(cairo_t* cr, const toolkit::PictureBoxStyle& style, const toolkit::PictureFrame* frame,
                           toolkit::Size inner) override;
    void paint_hyperlink(cairo_t* cr, const toolkit::HyperlinkStyle& style, toolkit::LinkLook look,
                         toolkit::Size inner) override;

private:
    TextLayoutCache m_layouts;
};

} // namespace ui
