#pragma once

// The toolkit's own state for the life of the process, on the GUI thread.
// Internal to the toolkit.

#include "control_painter.h"
#include "lifecycle.h"
#include "platform.h"
#include "window.h"

#include <memory>
#include <string_view>
#include <thread>
#include <vector>

namespace toolkit {

struct MessageBoxSession;

struct Runtime {
    std::unique_ptr<Platform> platform;
    bool platform_open = false;
    std::vector<const WindowDesign*> designs;
    CleanupRoutine cleanup = nullptr;
    std::vector<std::unique_ptr<Window>> windows;
    ControlPainter* painter = nullptr;
    std::thread::id gui_thread;
    MessageBoxSession* open_box = nullptr;
    bool ending = false;       // fatal_error or end_process is under way
    bool quit_pending = false; // a quit request came while a message box was open
};

Runtime& runtime();

Window* find_window(std::int32_t window_id);
Window* find_window_by_handle(WindowHandle handle);
// Fails loudly when an operation is called off the GUI thread.
void require_gui_thread();

// Closes a window as its close button does.
void destroy_window(Window& window);

// Draws and presents whatever changed in every window.
void repaint_windows();
// Milliseconds until the next animation deadline, or -1 when none.
int next_animation_timeout();
void advance_animations();
void schedule_animation(Control& control);

// Delivers events until no window of the program is open; in tests, also
// until the scripted input runs out.
enum class UntilInputEnds { close_windows, stop };
void deliver_events(UntilInputEnds at_end_of_input);

// Handles one platform event for the program's windows (not message boxes).
void dispatch_window_event(const PlatformEvent& event);

// Hiding a control drops the focus, press and hover it held; the pointer's
// control and cursor are then looked up again.
void forget_input_state(Window& window, Control& control);
void refresh_hover(Window& window);

// Shows a box of the toolkit's own, modal to the program's windows, and
// returns when it is dismissed.
enum class MessageBoxIcon;
int show_message_box(std::string_view text, std::string_view caption, int style, MessageBoxIcon icon);

// Releases the toolkit's resources before the process ends.
void shut_down_toolkit();

} // namespace toolkit
