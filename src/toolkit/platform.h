#pragma once

// The one seam between the toolkit and the system that shows its windows.
// Two implementations: SdlPlatform (a real window) and HeadlessPlatform
// (composes the same pixels in memory for tests, with injected input, a fake
// clock and records of launches and message boxes). Window coordinates are
// client-area pixels.

#include "byte_string.h"
#include "design.h"
#include "geometry.h"

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace toolkit {

using WindowHandle = int; // 0 is no window

enum class Key { escape, enter, space, tab, other };

struct PlatformEvent {
    enum class Type {
        mouse_moved,
        mouse_left,      // the pointer left the window
        button_pressed,  // left button only
        button_released,
        key_pressed,
        key_released,
        close_requested, // close button or system menu
        exposed,         // the window's contents were lost and must be presented again
        quit_requested,  // the process was asked to end (a signal): close everything
        end_of_input,    // headless only: the injected input has run out
    };
    Type type = Type::mouse_moved;
    WindowHandle window = 0;
    Point position;
    Key key = Key::other;
};

struct WindowOptions {
    std::string title;
    Size client_size;
    Point client_position;
    WindowHandle modal_for = 0; // a message box names the window it blocks
    bool show_in_taskbar = true;
};

// Pictures the platform needs for itself, PNG bytes in byte-string form.
struct PlatformPictures {
    std::vector<ByteString> icons; // the program icon at its sizes, smallest first
    ByteString hand_cursor = nullptr;
    Point hand_hot_spot;
};

// Where the client area lies inside a window's outer frame: the classic
// 3-pixel border on every side, and a 22-pixel title bar under the top one.
struct FrameExtents {
    int left = 3;
    int top = 3 + 22;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Connects to the display. Returns false and says why when there is none.
    virtual bool open(const PlatformPictures& pictures, std::string& error) = 0;
    virtual void close() = 0;

    virtual Size screen_size() = 0;
    // The frame around a client area; the classic one where unknown.
    virtual FrameExtents frame_extents() { return {}; }

    // Where a window's client area lies on the screen now (the user may have
    // moved it); nothing when the platform cannot tell.
    virtual std::optional<Point> client_position(WindowHandle /*window*/) { return std::nullopt; }

    // Windows are created hidden and not resizable.
    virtual WindowHandle create_window(const WindowOptions& options) = 0;
    virtual void show_window(WindowHandle window, bool activate) = 0;
    virtual void destroy_window(WindowHandle window) = 0;
    // Puts the changed rectangles of a composed ARGB32 frame on the screen.
    virtual void present(WindowHandle window, cairo_surface_t* frame, std::span<const Rect> changed) = 0;
    virtual void set_cursor(Cursor cursor) = 0;

    // Waits until the next event or until timeout_ms have passed (-1: no
    // deadline). Returns nothing on timeout.
    virtual std::optional<PlatformEvent> wait_event(int timeout_ms) = 0;
    // A monotonic clock for animation deadlines.
    virtual std::uint64_t now_ms() = 0;
    // Milliseconds since the system started, truncated to 32 bits.
    virtual std::uint32_t uptime_ms() = 0;

    // Starts a program with these words as its arguments, without a shell.
    // False when it cannot be started.
    virtual bool launch(const std::vector<std::string>& argv) = 0;

    // Told of every message box the toolkit shows (the headless platform records them).
    virtual void message_box_opened(std::string_view /*caption*/, std::string_view /*text*/, int /*style*/) {}
};

} // namespace toolkit
