#include "window.h"

#include "cairo_color.h"
#include "control_painter.h"
#include "invariant.h"
#include "system_look.h"


namespace toolkit {

namespace {

// Beyond this many separate rectangles one enclosing rectangle is cheaper to present.
constexpr int kMaxPresentedRects = 16;

} // namespace

Window::Window(const WindowDesign& design, WindowHandle handle)
    : m_design(design)
    , m_handle(handle)
{
    m_controls.reserve(design.controls.size());
    for (const ControlDesign& control : design.controls)
        m_controls.emplace_back(control);
    m_frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, design.client_size.width, design.client_size.height);
    verify(cairo_surface_status(m_frame) == CAIRO_STATUS_SUCCESS, "a window frame could not be made");
    m_dirty = cairo_region_create();
}

Window::~Window()
{
    cairo_region_destroy(m_dirty);
    cairo_surface_destroy(m_frame);
}

Control* Window::find(std::int32_t control_id)
{
    for (Control& control : m_controls) {
        if (control.design.id == control_id)
            return &control;
    }
    return nullptr;
}

Control* Window::control_at(Point point)
{
    for (Control& control : m_controls) {
        if (control.visible && control.rect().contains(point))
            return &control;
    }
    return nullptr;
}

void Window::invalidate(const Rect& rect)
{
    Rect clipped = intersect(rect, {0, 0, m_design.client_size.width, m_design.client_size.height});
    if (clipped.empty())
        return;
    cairo_rectangle_int_t r{clipped.x, clipped.y, clipped.width, clipped.height};
    cairo_region_union_rectangle(m_dirty, &r);
}

void Window::invalidate_all() { invalidate({0, 0, m_design.client_size.width, m_design.client_size.height}); }

bool Window::needs_repaint() const { return !cairo_region_is_empty(m_dirty); }

std::vector<Rect> Window::repaint(ControlPainter* painter)
{
    std::vector<Rect> rects;
    if (!needs_repaint())
        return rects;

    int count = cairo_region_num_rectangles(m_dirty);
    if (count > kMaxPresentedRects) {
        cairo_rectangle_int_t extents;
        cairo_region_get_extents(m_dirty, &extents);
        rects.push_back({extents.x, extents.y, extents.width, extents.height});
    } else {
        for (int i = 0; i < count; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(m_dirty, i, &r);
            rects.push_back({r.x, r.y, r.width, r.height});
        }
    }
    cairo_region_destroy(m_dirty);
    m_dirty = cairo_region_create();

    cairo_t* cr = cairo_create(m_frame);
    for (const Rect& r : rects)
        cairo_rectangle(cr, r.x, r.y, r.width, r.height);
    cairo_clip(cr);
    set_source_color(cr, m_design.background);
    cairo_paint(cr);

    // Bottom of the stack first: the first control of the order ends on top.
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        if (!it->visible)
            continue;
        bool touched = false;
        for (const Rect& r : rects)
            touched = touched || intersects(r, it->rect());
        if (touched)
            paint_control(cr, *it, painter);
    }
    cairo_destroy(cr);
    cairo_surface_flush(m_frame);
    return rects;
}

void Window::paint_control(cairo_t* cr, const Control& control, ControlPainter* painter)
{
    const Rect& rect = control.rect();
    cairo_save(cr);
    cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
    cairo_clip(cr);

    auto paint_inner = [&](Border border, auto&& paint) {
        draw_border(cr, rect, border);
        Rect inner = shrink(rect, border_width(border));
        if (inner.empty() || !painter)
            return;
        cairo_save(cr);
        cairo_rectangle(cr, inner.x, inner.y, inner.width, inner.height);
        cairo_clip(cr);
        cairo_translate(cr, inner.x, inner.y);
        paint(Size{inner.width, inner.height});
        cairo_restore(cr);
    };

    std::visit(
        [&](const auto& style) {
            using Style = std::decay_t<decltype(style)>;
            if constexpr (std::is_same_v<Style, LabelStyle>) {
                paint_inner(style.border, [&](Size inner) { painter->paint_label(cr, style, inner); });
            } else if constexpr (std::is_same_v<Style, PictureBoxStyle>) {
                paint_inner(style.border, [&](Size inner) {
                    const PictureFrame* frame = control.picture ? &control.picture->frames[control.frame_index] : nullptr;
                    painter->paint_picture_box(cr, style, frame, inner);
                });
            } else if constexpr (std::is_same_v<Style, HyperlinkStyle>) {
                paint_inner(style.border, [&](Size inner) {
                    painter->paint_hyperlink(cr, style, {control.hovered, control.visited}, inner);
                });
            } else {
                draw_push_button(cr, rect, style.caption, {control.pressed, focused == &control});
            }
        },
        control.design.style);
    cairo_restore(cr);
}

} // namespace toolkit
