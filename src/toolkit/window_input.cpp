// Input for the program's windows: presses reach the topmost visible control
// under the pointer; a disabled control takes the press and does nothing with
// it. Picture boxes and hyperlink boxes report a left press at once; a push
// button reports its click when the press is released over it (or when the
// space bar is released while it has the focus).

#include "command_line.h"
#include "operations.h"
#include "runtime.h"

#include <utility>

namespace toolkit {

namespace {

constexpr int kLeftButtonKeyState = 1;

void set_pressed(Window& window, Control& button, bool pressed)
{
    if (button.pressed == pressed)
        return;
    button.pressed = pressed;
    window.invalidate(button);
}

void set_focus(Window& window, Control* control)
{
    if (window.focused == control)
        return;
    if (window.focused)
        window.invalidate(*window.focused);
    window.focused = control;
    window.space_held = false;
    if (control)
        window.invalidate(*control);
}

void update_hover(Window& window, Point point, bool inside)
{
    window.pointer = point;
    window.pointer_inside = inside;
    Control* under = inside ? window.control_at(point) : nullptr;
    if (under != window.hovered) {
        for (Control* control : {window.hovered, under}) {
            if (control && control->kind() == ControlKind::hyperlink_box) {
                control->hovered = control == under;
                window.invalidate(*control);
            }
        }
        window.hovered = under;
    }
    runtime().platform->set_cursor(under && under->design.enabled ? under->design.cursor : Cursor::arrow);

    if (Control* button = window.pressed_button)
        set_pressed(window, *button, inside && button->rect().contains(point));
}

void open_link(Window& window, Control& link)
{
    const auto& style = std::get<HyperlinkStyle>(link.design.style);
    std::string address =
        style.link_kind == LinkKind::mail ? "mailto:" + style.mail_address : style.web_address;
    link.visited = !address.empty() && runtime().platform->launch({std::string(kSystemOpener), address});
    window.invalidate(link);
}

void press(Window& window, Point point)
{
    Control* target = window.control_at(point);
    if (!target || !target->design.enabled)
        return;
    int x = point.x - target->rect().x;
    int y = point.y - target->rect().y;
    switch (target->kind()) {
    case ControlKind::picture_box:
    case ControlKind::hyperlink_box: {
        WindowHandle handle = window.handle();
        if (target->design.on_left_pressed)
            target->design.on_left_pressed(x, y, kLeftButtonKeyState);
        // The program's handlers answer nothing, so the box's own handling
        // goes on, if the handler left the window and the box in place.
        if (target->kind() == ControlKind::hyperlink_box && find_window_by_handle(handle) && target->visible)
            open_link(window, *target);
        break;
    }
    case ControlKind::button:
        if (target->design.tab_stop)
            set_focus(window, target);
        window.pressed_button = target;
        set_pressed(window, *target, true);
        break;
    default:
        break;
    }
}

void click(Control& button)
{
    if (button.design.on_clicked)
        button.design.on_clicked();
}

void release(Window& window, Point point)
{
    Control* button = std::exchange(window.pressed_button, nullptr);
    if (!button)
        return;
    bool over = button->pressed && button->rect().contains(point);
    set_pressed(window, *button, false);
    if (over && button->takes_input())
        click(*button);
}

void focus_next_tab_stop(Window& window)
{
    auto& controls = window.controls();
    std::size_t start = 0;
    if (window.focused)
        start = static_cast<std::size_t>(window.focused - controls.data()) + 1;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control& candidate = controls[(start + i) % controls.size()];
        if (candidate.design.tab_stop && candidate.takes_input()) {
            set_focus(window, &candidate);
            return;
        }
    }
}

void key_pressed(Window& window, Key key)
{
    switch (key) {
    case Key::escape:
        if (window.design().escape_closes)
            destroy_window(window);
        break;
    case Key::tab:
        focus_next_tab_stop(window);
        break;
    case Key::space:
        if (window.focused && window.focused->kind() == ControlKind::button && window.focused->takes_input()) {
            window.space_held = true;
            set_pressed(window, *window.focused, true);
        }
        break;
    default:
        break;
    }
}

void key_released(Window& window, Key key)
{
    if (key != Key::space || !window.space_held)
        return;
    window.space_held = false;
    Control* button = window.focused;
    if (!button || button->kind() != ControlKind::button)
        return;
    set_pressed(window, *button, false);
    if (button->takes_input())
        click(*button);
}

} // namespace

void dispatch_window_event(const PlatformEvent& event)
{
    Window* window = find_window_by_handle(event.window);
    if (!window)
        return;
    if (event.type == PlatformEvent::Type::exposed) {
        window->invalidate_all();
        return;
    }
    // A message box takes all input while it is open.
    if (runtime().open_box)
        return;

    switch (event.type) {
    case PlatformEvent::Type::mouse_moved:
        update_hover(*window, event.position, true);
        break;
    case PlatformEvent::Type::mouse_left:
        update_hover(*window, event.position, false);
        break;
    case PlatformEvent::Type::button_pressed:
        update_hover(*window, event.position, true);
        press(*window, event.position);
        break;
    case PlatformEvent::Type::button_released:
        release(*window, event.position);
        break;
    case PlatformEvent::Type::key_pressed:
        key_pressed(*window, event.key);
        break;
    case PlatformEvent::Type::key_released:
        key_released(*window, event.key);
        break;
    case PlatformEvent::Type::close_requested:
        destroy_window(*window);
        break;
    default:
        break;
    }
}

void refresh_hover(Window& window)
{
    if (window.pointer_inside && !runtime().open_box)
        update_hover(window, window.pointer, true);
}

// Hiding a control drops whatever input state it held.
void forget_input_state(Window& window, Control& control)
{
    if (window.focused == &control)
        set_focus(window, nullptr);
    if (window.pressed_button == &control)
        window.pressed_button = nullptr;
    control.pressed = false;
    if (window.hovered == &control) {
        window.hovered = nullptr;
        control.hovered = false;
    }
}

} // namespace toolkit
