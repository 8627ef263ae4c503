// Repaint and animation. Each window is patched, never redrawn whole: a
// change invalidates the control's rectangle, and the next repaint composes
// and presents only those rectangles. An animated picture box shows each of
// its frames for the frame's delay while it is visible, without end.

#include "runtime.h"

#include <algorithm>
#include <limits>

namespace toolkit {

void repaint_windows()
{
    Runtime& rt = runtime();
    for (auto& window : rt.windows) {
        if (!window->shown || !window->needs_repaint())
            continue;
        std::vector<Rect> changed = window->repaint(rt.painter);
        rt.platform->present(window->handle(), window->frame(), changed);
    }
}

void schedule_animation(Control& control)
{
    if (control.animating())
        control.next_frame_at = runtime().platform->now_ms() +
                                static_cast<std::uint64_t>(control.picture->frames[control.frame_index].delay_ms);
}

int next_animation_timeout()
{
    Runtime& rt = runtime();
    std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
    for (auto& window : rt.windows) {
        for (Control& control : window->controls()) {
            if (control.animating())
                next = std::min(next, control.next_frame_at);
        }
    }
    if (next == std::numeric_limits<std::uint64_t>::max())
        return -1;
    std::uint64_t now = rt.platform->now_ms();
    return next <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(next - now, 60'000));
}

void advance_animations()
{
    Runtime& rt = runtime();
    std::uint64_t now = rt.platform->now_ms();
    for (auto& window : rt.windows) {
        for (Control& control : window->controls()) {
            if (!control.animating() || control.next_frame_at > now)
                continue;
            const auto& frames = control.picture->frames;
            control.frame_index = (control.frame_index + 1) % frames.size();
            auto delay = static_cast<std::uint64_t>(frames[control.frame_index].delay_ms);
            // Keep the rhythm, but never try to catch up on frames missed while busy.
            control.next_frame_at = control.next_frame_at + delay > now ? control.next_frame_at + delay : now + delay;
            window->invalidate(control);
        }
    }
}

} // namespace toolkit
