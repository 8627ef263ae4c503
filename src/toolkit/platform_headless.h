#pragma once

// A platform without a display, for tests and snapshots: it keeps a copy of
// every window's presented pixels, takes its input from a script of events
// and waits, runs on a fake clock, and records windows, launches and message
// boxes. When the script runs out it answers end_of_input, which dismisses an
// open message box and otherwise closes the program's windows.

#include "platform.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace toolkit {

class HeadlessPlatform : public Platform {
public:
    struct MessageBoxRecord {
        std::string caption;
        std::string text;
        int style = 0;
    };

    struct WindowRecord {
        std::string title;
        Size client_size;
        Point client_position;
        WindowHandle modal_for = 0;
        bool visible = false;
        bool destroyed = false;
        cairo_surface_t* pixels = nullptr;
    };

    HeadlessPlatform();
    ~HeadlessPlatform() override;

    // The script. Window 0 stands for the newest window still open when the
    // event is delivered (a message box while one is open).
    void push(PlatformEvent event);
    void click(Point point, WindowHandle window = 0);
    void press_key(Key key, WindowHandle window = 0);
    void move_mouse(Point point, WindowHandle window = 0);
    void wait(int ms); // lets the fake clock run on
    bool script_empty() const { return m_script.empty(); }

    // Settings.
    void set_screen_size(Size size) { m_screen = size; }
    void set_uptime_ms(std::uint32_t uptime) { m_uptime_base = uptime; }
    void set_launch_succeeds(bool succeeds) { m_launch_succeeds = succeeds; }
    void set_open_fails(std::string reason) { m_open_failure = std::move(reason); }

    // Records.
    const std::vector<std::vector<std::string>>& launches() const { return m_launches; }
    const std::vector<MessageBoxRecord>& message_boxes() const { return m_message_boxes; }
    const std::vector<std::string>& log() const { return m_log; }
    const WindowRecord& window(WindowHandle handle) const { return m_windows.at(handle); }
    Color pixel(WindowHandle handle, int x, int y) const;
    Cursor cursor() const { return m_cursor; }
    int presents() const { return m_presents; }
    const std::vector<Rect>& last_presented() const { return m_last_presented; }

    // Platform.
    bool open(const PlatformPictures& pictures, std::string& error) override;
    void close() override;
    Size screen_size() override { return m_screen; }
    std::optional<Point> client_position(WindowHandle handle) override { return window(handle).client_position; }
    WindowHandle create_window(const WindowOptions& options) override;
    void show_window(WindowHandle window, bool activate) override;
    void destroy_window(WindowHandle window) override;
    void present(WindowHandle window, cairo_surface_t* frame, std::span<const Rect> changed) override;
    void set_cursor(Cursor cursor) override;
    std::optional<PlatformEvent> wait_event(int timeout_ms) override;
    std::uint64_t now_ms() override { return m_now; }
    std::uint32_t uptime_ms() override { return static_cast<std::uint32_t>(m_uptime_base + m_now); }
    bool launch(const std::vector<std::string>& argv) override;
    void message_box_opened(std::string_view caption, std::string_view text, int style) override;

private:
    struct Step {
        std::optional<PlatformEvent> event;
        int wait_ms = 0;
    };
    WindowHandle newest_open_window() const;

    std::deque<Step> m_script;
    std::map<WindowHandle, WindowRecord> m_windows;
    WindowHandle m_next_handle = 1;
    Size m_screen{1024, 768};
    std::uint64_t m_now = 0;
    std::uint32_t m_uptime_base = 5'000'000;
    bool m_launch_succeeds = true;
    std::string m_open_failure;
    std::vector<std::vector<std::string>> m_launches;
    std::vector<MessageBoxRecord> m_message_boxes;
    std::vector<std::string> m_log;
    Cursor m_cursor = Cursor::arrow;
    int m_presents = 0;
    std::vector<Rect> m_last_presented;
};

} // namespace toolkit
