#include "runtime.h"

#include "invariant.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace toolkit {

Runtime& runtime()
{
    static Runtime state;
    return state;
}

void install_platform(std::unique_ptr<Platform> platform) { runtime().platform = std::move(platform); }

Platform& platform()
{
    verify(runtime().platform != nullptr, "no platform is installed");
    return *runtime().platform;
}

void set_control_painter(ControlPainter* painter) { runtime().painter = painter; }

void require_gui_thread()
{
    if (std::this_thread::get_id() != runtime().gui_thread) {
        std::fputs("toolkit: an operation was called off the GUI thread\n", stderr);
        std::abort();
    }
}

Window* find_window(std::int32_t window_id)
{
    for (auto& window : runtime().windows) {
        if (window->design().id == window_id)
            return window.get();
    }
    return nullptr;
}

Window* find_window_by_handle(WindowHandle handle)
{
    for (auto& window : runtime().windows) {
        if (window->handle() == handle)
            return window.get();
    }
    return nullptr;
}

} // namespace toolkit
