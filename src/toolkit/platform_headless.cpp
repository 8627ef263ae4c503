#include "platform_headless.h"

#include <cstring>

namespace toolkit {

HeadlessPlatform::HeadlessPlatform() = default;

HeadlessPlatform::~HeadlessPlatform()
{
    for (auto& [handle, record] : m_windows) {
        if (record.pixels)
            cairo_surface_destroy(record.pixels);
    }
}

void HeadlessPlatform::push(PlatformEvent event) { m_script.push_back({event, 0}); }

void HeadlessPlatform::click(Point point, WindowHandle window)
{
    push({PlatformEvent::Type::mouse_moved, window, point});
    push({PlatformEvent::Type::button_pressed, window, point});
    push({PlatformEvent::Type::button_released, window, point});
}

void HeadlessPlatform::press_key(Key key, WindowHandle window)
{
    push({PlatformEvent::Type::key_pressed, window, {}, key});
    push({PlatformEvent::Type::key_released, window, {}, key});
}

void HeadlessPlatform::move_mouse(Point point, WindowHandle window) { push({PlatformEvent::Type::mouse_moved, window, point}); }

void HeadlessPlatform::wait(int ms) { m_script.push_back({std::nullopt, ms}); }

Color HeadlessPlatform::pixel(WindowHandle handle, int x, int y) const
{
    cairo_surface_t* pixels = window(handle).pixels;
    const unsigned char* row = cairo_image_surface_get_data(pixels) + y * cairo_image_surface_get_stride(pixels);
    std::uint32_t argb;
    std::memcpy(&argb, row + 4 * x, 4);
    return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8), static_cast<std::uint8_t>(argb)};
}

bool HeadlessPlatform::open(const PlatformPictures&, std::string& error)
{
    if (!m_open_failure.empty()) {
        error = m_open_failure;
        return false;
    }
    m_log.push_back("open");
    return true;
}

void HeadlessPlatform::close() { m_log.push_back("close"); }

WindowHandle HeadlessPlatform::create_window(const WindowOptions& options)
{
    WindowHandle handle = m_next_handle++;
    WindowRecord record;
    record.title = options.title;
    record.client_size = options.client_size;
    record.client_position = options.client_position;
    record.modal_for = options.modal_for;
    record.pixels = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, options.client_size.width, options.client_size.height);
    m_windows.emplace(handle, record);
    m_log.push_back("create " + std::to_string(handle) + " " + options.title);
    return handle;
}

void HeadlessPlatform::show_window(WindowHandle window, bool)
{
    m_windows.at(window).visible = true;
    m_log.push_back("show " + std::to_string(window));
}

void HeadlessPlatform::destroy_window(WindowHandle window)
{
    m_windows.at(window).destroyed = true;
    m_windows.at(window).visible = false;
    m_log.push_back("destroy " + std::to_string(window));
}

void HeadlessPlatform::present(WindowHandle window, cairo_surface_t* frame, std::span<const Rect> changed)
{
    cairo_surface_t* pixels = m_windows.at(window).pixels;
    cairo_t* cr = cairo_create(pixels);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, frame, 0, 0);
    for (const Rect& r : changed)
        cairo_rectangle(cr, r.x, r.y, r.width, r.height);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(pixels);
    ++m_presents;
    m_last_presented.assign(changed.begin(), changed.end());
}

void HeadlessPlatform::set_cursor(Cursor cursor) { m_cursor = cursor; }

WindowHandle HeadlessPlatform::newest_open_window() const
{
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if (!it->second.destroyed)
            return it->first;
    }
    return 0;
}

std::optional<PlatformEvent> HeadlessPlatform::wait_event(int timeout_ms)
{
    if (m_script.empty())
        return PlatformEvent{PlatformEvent::Type::end_of_input, newest_open_window(), {}, Key::other};
    Step& step = m_script.front();
    if (step.event) {
        PlatformEvent event = *step.event;
        m_script.pop_front();
        if (event.window == 0)
            event.window = newest_open_window();
        return event;
    }
    if (timeout_ms < 0 || timeout_ms >= step.wait_ms) {
        m_now += static_cast<std::uint64_t>(step.wait_ms);
        m_script.pop_front();
    } else {
        m_now += static_cast<std::uint64_t>(timeout_ms);
        step.wait_ms -= timeout_ms;
    }
    return std::nullopt;
}

bool HeadlessPlatform::launch(const std::vector<std::string>& argv)
{
    m_launches.push_back(argv);
    return m_launch_succeeds;
}

void HeadlessPlatform::message_box_opened(std::string_view caption, std::string_view text, int style)
{
    m_message_boxes.push_back({std::string(caption), std::string(text), style});
    m_log.push_back("message box " + std::string(caption));
}

} // namespace toolkit
