#include "lifecycle.h"

#include "fatal_error.h"
#include "fonts.h"
#include "invariant.h"
#include "operations.h"
#include "runtime.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

namespace toolkit {

namespace {

void move_to_program_folder()
{
    std::error_code error;
    auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        std::filesystem::current_path(program.parent_path(), error);
}

bool style_fits_kind(const ControlDesign& control)
{
    switch (control.kind) {
    case ControlKind::label:
        return std::holds_alternative<LabelStyle>(control.style);
    case ControlKind::picture_box:
        return std::holds_alternative<PictureBoxStyle>(control.style);
    case ControlKind::button:
        return std::holds_alternative<ButtonStyle>(control.style);
    case ControlKind::hyperlink_box:
        return std::holds_alternative<HyperlinkStyle>(control.style);
    case ControlKind::window:
        return false;
    }
    return false;
}

bool designs_readable(const std::vector<const WindowDesign*>& designs)
{
    std::set<std::int32_t> window_ids;
    for (const WindowDesign* design : designs) {
        if (!design || design->id == 0 || !window_ids.insert(design->id).second)
            return false;
        if (design->client_size.width <= 0 || design->client_size.height <= 0)
            return false;
        std::set<std::int32_t> ids{design->id};
        for (const ControlDesign& control : design->controls) {
            if (control.id == 0 || !ids.insert(control.id).second || !style_fits_kind(control))
                return false;
        }
    }
    return !designs.empty();
}

const WindowDesign* design_of(std::int32_t window_id)
{
    for (const WindowDesign* design : runtime().designs) {
        if (design->id == window_id)
            return design;
    }
    return nullptr;
}

void close_all_windows()
{
    while (!runtime().windows.empty())
        destroy_window(*runtime().windows.back());
}

} // namespace

void start_toolkit(const ProgramResources& resources)
{
    Runtime& rt = runtime();
    rt.gui_thread = std::this_thread::get_id();
    move_to_program_folder();
    register_face_aliases();
    verify(rt.platform != nullptr, "start_toolkit needs an installed platform");
    std::string reason;
    if (!rt.platform->open(resources.pictures, reason))
        fatal_error("无法打开图形显示：" + reason);
    rt.platform_open = true;
    // Checked once the display is open, so that the error box can show.
    if (!designs_readable(resources.designs))
        fatal_error("载入窗口模板数据段出错!");
    rt.designs = resources.designs;
    if (resources.painter)
        rt.painter = resources.painter;
}

void register_cleanup(CleanupRoutine routine) { runtime().cleanup = routine; }

void load_start_window(std::int32_t window_id)
{
    require_gui_thread();
    Runtime& rt = runtime();
    const WindowDesign* design = design_of(window_id);
    if (!design || !rt.platform_open)
        fatal_error("载入启动窗口失败");

    // 1. The window, hidden, with its outer frame centred on the screen.
    Size screen = rt.platform->screen_size();
    FrameExtents frame = rt.platform->frame_extents();
    Point client{(screen.width - design->outer_size.width) / 2 + frame.left,
                 (screen.height - design->outer_size.height) / 2 + frame.top};
    WindowHandle handle = rt.platform->create_window({design->title, design->client_size, client, 0, true});
    if (!handle)
        fatal_error("载入启动窗口失败");

    // 2, 3. The controls, hidden, with their design pictures; the control
    // order is the stacking order.
    auto window = std::make_unique<Window>(*design, handle);
    Window& loaded = *window;
    rt.windows.push_back(std::move(window));
    for (Control& control : loaded.controls()) {
        if (const auto* style = std::get_if<PictureBoxStyle>(&control.design.style); style && style->picture)
            set_picture({design->id, control.design.id, control.kind()}, style->picture);
    }

    // 4. Every control that is visible at load is shown.
    for (Control& control : loaded.controls())
        control.visible = control.design.visible;
    for (Control& control : loaded.controls())
        schedule_animation(control);

    // 5. The created event.
    if (design->on_created)
        design->on_created();

    // 6. Shown and activated.
    if (Window* still_open = find_window(window_id)) {
        still_open->invalidate_all();
        still_open->shown = true;
        rt.platform->show_window(handle, true);
        repaint_windows();
    }
}

void deliver_events(UntilInputEnds at_end_of_input)
{
    Runtime& rt = runtime();
    while (!rt.windows.empty()) {
        if (rt.quit_pending) {
            close_all_windows();
            break;
        }
        repaint_windows();
        std::optional<PlatformEvent> event = rt.platform->wait_event(next_animation_timeout());
        if (event && event->type == PlatformEvent::Type::end_of_input) {
            if (at_end_of_input == UntilInputEnds::stop)
                break;
            close_all_windows();
        } else if (event && event->type == PlatformEvent::Type::quit_requested) {
            close_all_windows();
        } else if (event) {
            dispatch_window_event(*event);
        }
        advance_animations();
    }
    repaint_windows();
}

void run_message_loop()
{
    require_gui_thread();
    deliver_events(UntilInputEnds::close_windows);
}

void destroy_window(Window& window)
{
    Runtime& rt = runtime();
    WindowHandle handle = window.handle();
    std::erase_if(rt.windows, [&](const auto& w) { return w.get() == &window; });
    if (rt.platform_open)
        rt.platform->destroy_window(handle);
}

void shut_down_toolkit()
{
    Runtime& rt = runtime();
    if (rt.platform_open) {
        for (auto& window : rt.windows)
            rt.platform->destroy_window(window->handle());
        rt.platform->close();
        rt.platform_open = false;
    }
    rt.windows.clear();
}

void end_process(int code)
{
    Runtime& rt = runtime();
    rt.ending = true;
    if (CleanupRoutine cleanup = std::exchange(rt.cleanup, nullptr))
        cleanup();
    shut_down_toolkit();
    std::fflush(nullptr);
    std::_Exit(code);
}

void run_program(int (*program_main)())
{
    int code = program_main();
    end_process(code);
}

} // namespace toolkit
