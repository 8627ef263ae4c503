#pragma once

// A window built from its design. Its controls keep the control order: the
// first is on top, so it is drawn last and reached first by a press. The
// window is composed into one ARGB32 frame and patched: only the rectangles
// that changed are drawn again and presented.

#include "control.h"
#include "design.h"
#include "platform.h"

#include <cairo.h>

#include <memory>
#include <vector>

namespace toolkit {

class ControlPainter;

class Window {
public:
    Window(const WindowDesign& design, WindowHandle handle);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowDesign& design() const { return m_design; }
    WindowHandle handle() const { return m_handle; }
    std::vector<Control>& controls() { return m_controls; }
    const std::vector<Control>& controls() const { return m_controls; }

    Control* find(std::int32_t control_id);
    // The topmost visible control under the point, enabled or not.
    Control* control_at(Point point);

    void invalidate(const Rect& rect);
    void invalidate(const Control& control) { invalidate(control.rect()); }
    void invalidate_all();
    bool needs_repaint() const;

    // Draws what changed into the frame and returns the rectangles drawn.
    std::vector<Rect> repaint(ControlPainter* painter);
    cairo_surface_t* frame() const { return m_frame; }

    // Input state.
    Control* hovered = nullptr;
    Control* pressed_button = nullptr;
    Control* focused = nullptr;
    bool space_held = false;
    Point pointer;
    bool pointer_inside = false;
    bool shown = false;

private:
    void paint_control(cairo_t* cr, const Control& control, ControlPainter* painter);

    const WindowDesign& m_design;
    WindowHandle m_handle;
    std::vector<Control> m_controls;
    cairo_surface_t* m_frame = nullptr;
    cairo_region_t* m_dirty = nullptr;
};

} // namespace toolkit
