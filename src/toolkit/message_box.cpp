// The toolkit's own message box: a second window over the program's window,
// with its own modal loop. While it is open the program's windows take no
// input but go on repainting and animating.

#include "runtime.h"

#include <utility>
#include "system_look.h"

namespace toolkit {

struct MessageBoxSession {
    WindowHandle handle = 0;
    MessageBoxLayout layout;
    std::string text;
    MessageBoxIcon icon = MessageBoxIcon::none;
    cairo_surface_t* frame = nullptr;
    bool ok_held = false;    // the mouse went down on OK and has not come up
    bool pointer_on_ok = false;
    bool needs_paint = true;
    bool dismissed = false;
};

namespace {

void paint(MessageBoxSession& box, Platform& platform)
{
    cairo_t* cr = cairo_create(box.frame);
    draw_message_box(cr, box.layout, box.text, box.icon, {box.ok_held && box.pointer_on_ok, true});
    cairo_destroy(cr);
    cairo_surface_flush(box.frame);
    Rect all{0, 0, box.layout.client.width, box.layout.client.height};
    platform.present(box.handle, box.frame, {&all, 1});
    box.needs_paint = false;
}

void handle(MessageBoxSession& box, const PlatformEvent& event)
{
    switch (event.type) {
    case PlatformEvent::Type::key_pressed:
        if (event.key == Key::enter || event.key == Key::space || event.key == Key::escape)
            box.dismissed = true;
        break;
    case PlatformEvent::Type::close_requested:
    case PlatformEvent::Type::end_of_input:
        box.dismissed = true;
        break;
    case PlatformEvent::Type::quit_requested:
        // The box goes, and the program's windows close once it has returned.
        box.dismissed = true;
        runtime().quit_pending = true;
        break;
    case PlatformEvent::Type::button_pressed:
        box.pointer_on_ok = box.layout.ok_button.contains(event.position);
        box.ok_held = box.pointer_on_ok;
        box.needs_paint = true;
        break;
    case PlatformEvent::Type::mouse_moved:
        if (box.ok_held) {
            box.pointer_on_ok = box.layout.ok_button.contains(event.position);
            box.needs_paint = true;
        }
        break;
    case PlatformEvent::Type::button_released:
        if (box.ok_held && box.layout.ok_button.contains(event.position))
            box.dismissed = true;
        box.ok_held = false;
        box.needs_paint = true;
        break;
    case PlatformEvent::Type::exposed:
        box.needs_paint = true;
        break;
    default:
        break;
    }
}

} // namespace

int show_message_box(std::string_view text, std::string_view caption, int style, MessageBoxIcon icon)
{
    Runtime& rt = runtime();
    if (!rt.platform_open)
        return 1;
    Platform& platform = *rt.platform;

    MessageBoxSession box;
    box.text = std::string(text);
    box.icon = icon;
    box.layout = layout_message_box(text, icon);

    // Centred over the program's window where it lies now, or on the screen
    // when there is none.
    Size screen = platform.screen_size();
    Rect over{0, 0, screen.width, screen.height};
    WindowHandle owner = 0;
    if (!rt.windows.empty()) {
        const Window& main = *rt.windows.front();
        owner = main.handle();
        if (std::optional<Point> at = platform.client_position(owner))
            over = {at->x, at->y, main.design().client_size.width, main.design().client_size.height};
    }
    Point position{over.x + (over.width - box.layout.client.width) / 2,
                   over.y + (over.height - box.layout.client.height) / 2};
    box.handle = platform.create_window({std::string(caption), box.layout.client, position, owner, false});
    if (!box.handle)
        return 1;
    box.frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, box.layout.client.width, box.layout.client.height);
    platform.message_box_opened(caption, text, style);

    MessageBoxSession* outer = std::exchange(rt.open_box, &box);
    platform.show_window(box.handle, true);
    paint(box, platform);
    while (!box.dismissed) {
        repaint_windows();
        if (box.needs_paint)
            paint(box, platform);
        std::optional<PlatformEvent> event = platform.wait_event(next_animation_timeout());
        if (event && (event->window == box.handle || event->type == PlatformEvent::Type::end_of_input ||
                      event->type == PlatformEvent::Type::quit_requested))
            handle(box, *event);
        else if (event)
            dispatch_window_event(*event);
        advance_animations();
    }
    rt.open_box = outer;
    platform.destroy_window(box.handle);
    cairo_surface_destroy(box.frame);
    return 1;
}

} // namespace toolkit
