#include "operations.h"

#include "fatal_error.h"
#include "runtime.h"
#include "system_look.h"


namespace toolkit {

namespace {

// A tag text read as a decimal integer up to its first non-digit; none gives 0.
long long tag_value(std::string_view text)
{
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > (1LL << 40))
            break;
    }
    return value;
}

Window& window_of(std::int32_t window_id)
{
    Window* window = find_window(window_id);
    if (!window)
        fatal_error("指定的窗口不存在");
    return *window;
}

struct Located {
    Window& window;
    Control& control;
};

Located locate(const ControlRef& ref)
{
    require_gui_thread();
    Window& window = window_of(ref.window_id);
    Control* control = window.find(ref.control_id);
    if (!control)
        fatal_error("指定的组件不存在");
    return {window, *control};
}

Control& picture_box(const ControlRef& ref, Window*& window)
{
    Located located = locate(ref);
    if (located.control.kind() != ControlKind::picture_box)
        raise_runtime_error(5);
    window = &located.window;
    return located.control;
}

} // namespace

ControlRef find_control_by_tag(std::int32_t window_id, int tag)
{
    require_gui_thread();
    Window& window = window_of(window_id);
    if (tag_value(window.design().tag) == tag)
        return {window_id, 0, ControlKind::window};
    for (const Control& control : window.controls()) {
        if (tag_value(control.design.tag) == tag)
            return {window_id, control.design.id, control.kind()};
    }
    fatal_error("未找到指定标记的组件");
}

ControlRef control(std::int32_t window_id, std::int32_t control_id)
{
    Located located = locate({window_id, control_id, ControlKind::window});
    return {window_id, control_id, located.control.kind()};
}

void set_visible(const ControlRef& ref, bool visible)
{
    Located located = locate(ref);
    Control& control = located.control;
    if (control.visible == visible)
        return;
    control.visible = visible;
    located.window.invalidate(control);
    if (!visible)
        forget_input_state(located.window, control);
    schedule_animation(control);
    refresh_hover(located.window);
}

void set_picture(const ControlRef& ref, ByteString bytes)
{
    Window* window = nullptr;
    Control& box = picture_box(ref, window);
    std::span<const std::uint8_t> data = byte_string_bytes(bytes);
    box.picture_bytes.assign(data.begin(), data.end());
    box.picture = box.picture_bytes.empty() ? std::nullopt : decode_picture(box.picture_bytes);
    if (!box.picture)
        box.picture_bytes.clear();
    box.frame_index = 0;
    schedule_animation(box);
    window->invalidate(box);
}

std::uint8_t* get_picture(const ControlRef& ref)
{
    Window* window = nullptr;
    Control& box = picture_box(ref, window);
    if (box.picture_bytes.empty())
        return nullptr;
    return make_byte_string(box.picture_bytes);
}

int message_box(std::string_view text, int style, std::string_view caption)
{
    require_gui_thread();
    return show_message_box(text, caption, style, MessageBoxIcon::none);
}

std::uint32_t uptime_ms() { return runtime().platform->uptime_ms(); }

} // namespace toolkit
