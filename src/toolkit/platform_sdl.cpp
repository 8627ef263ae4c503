// Windows are plain SDL windows without a renderer: the toolkit composes
// each one into a cairo image and we copy the rectangles that changed into
// the window's surface. SDL's framebuffer acceleration is switched off before
// the first window, so SDL never loads an OpenGL stack nor recreates the X
// window (which would drop the X properties set on it, platform_sdl_x11.h).

#include "toolkit/platform_sdl.h"

#include "toolkit/platform_sdl_pictures.h"
#include "toolkit/platform_sdl_x11.h"
#include "toolkit/process_launch.h"

#include <SDL.h>

#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string_view>

namespace toolkit {

namespace {

[[noreturn]] void broken_invariant(const char* what)
{
    std::fprintf(stderr, "SdlPlatform: %s\n", what);
    std::abort();
}


// --- The platform -----------------------------------------------------------

bool same_pixel_layout_as_cairo(Uint32 format)
{
    // Both are 32-bit words of alpha (or padding), red, green, blue.
    return format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888;
}

// Without a display SDL falls back to drivers that show nothing; those are
// used only when asked for by name (SDL_VIDEODRIVER).
bool shows_windows(const char* driver)
{
    std::string_view name = driver ? driver : "";
    if (name != "offscreen" && name != "dummy")
        return true;
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return requested && std::string_view(requested).find(name) != std::string_view::npos;
}

class SdlPlatform final : public Platform {
public:
    ~SdlPlatform() override { close(); }

    bool open(const PlatformPictures& pictures, std::string& error) override
    {
        if (m_open)
            return true;
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        // Closing a window is the toolkit's business; SDL_QUIT then only comes from a signal.
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        // Without any display named there is nothing to try (and SDL's attempts
        // only add noise to standard error).
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("SDL_VIDEODRIVER")) {
            error = "cannot open the display (DISPLAY is not set)";
            return false;
        }
        // With only an X display named, go straight to it: trying Wayland first
        // costs time and writes to standard error.
        if (!std::getenv("SDL_VIDEODRIVER") && !std::getenv("WAYLAND_DISPLAY"))
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
            error = std::string("cannot open the display: ") + SDL_GetError();
            return false;
        }
        if (!shows_windows(SDL_GetCurrentVideoDriver())) {
            SDL_Quit();
            const char* display = std::getenv("DISPLAY");
            error = std::string("cannot open the display ") + (display ? display : "(DISPLAY is not set)");
            return false;
        }
        SDL_StopTextInput();

        for (ByteString bytes : pictures.icons) {
            CairoSurface icon = decode_png(bytes);
            if (!icon) {
                error = "cannot decode the program icon";
                close_sdl();
                return false;
            }
            m_icons.push_back(std::move(icon));
        }

        m_arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
        if (pictures.hand_cursor) {
            CairoSurface hand = decode_png(pictures.hand_cursor);
            SdlSurface hand_copy = hand ? sdl_copy(hand.get()) : nullptr;
            if (!hand_copy) {
                error = "cannot decode the hand cursor";
                close_sdl();
                return false;
            }
            m_hand = SDL_CreateColorCursor(hand_copy.get(), pictures.hand_hot_spot.x, pictures.hand_hot_spot.y);
        }
        if (!m_hand)
            m_hand = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
        m_cursor = Cursor::arrow;
        m_open = true;
        return true;
    }

    void close() override
    {
        if (!m_open)
            return;
        for (auto& [handle, window] : m_windows)
            SDL_DestroyWindow(window);
        m_windows.clear();
        close_sdl();
        m_open = false;
    }

    std::optional<Point> client_position(WindowHandle handle) override
    {
        auto found = m_windows.find(handle);
        if (found == m_windows.end())
            return std::nullopt;
        Point position;
        SDL_GetWindowPosition(found->second, &position.x, &position.y);
        return position;
    }

    Size screen_size() override
    {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
            return {};
        return {mode.w, mode.h};
    }

    WindowHandle create_window(const WindowOptions& options) override
    {
        Uint32 flags = SDL_WINDOW_HIDDEN;
        if (!options.show_in_taskbar)
            flags |= SDL_WINDOW_SKIP_TASKBAR;
        SDL_Window* window = SDL_CreateWindow(options.title.c_str(), options.client_position.x, options.client_position.y,
                                              options.client_size.width, options.client_size.height, flags);
        if (!window)
            return 0;
        SDL_SetWindowMinimumSize(window, options.client_size.width, options.client_size.height);
        SDL_SetWindowMaximumSize(window, options.client_size.width, options.client_size.height);
        if (SdlSurface icon = window_icon())
            SDL_SetWindowIcon(window, icon.get());
        set_window_manager_hints(window, options, m_icons);
        if (options.modal_for)
            SDL_SetWindowModalFor(window, sdl_window(options.modal_for));

        WindowHandle handle = m_next_handle++;
        m_windows[handle] = window;
        return handle;
    }

    void show_window(WindowHandle handle, bool activate) override
    {
        SDL_Window* window = sdl_window(handle);
        SDL_ShowWindow(window);
        if (activate) {
            SDL_RaiseWindow(window);
            SDL_SetWindowInputFocus(window); // the window manager may refuse
        }
    }

    void destroy_window(WindowHandle handle) override
    {
        auto found = m_windows.find(handle);
        if (found == m_windows.end())
            return;
        SDL_DestroyWindow(found->second);
        m_windows.erase(found);
    }

    void present(WindowHandle handle, cairo_surface_t* frame, std::span<const Rect> changed) override
    {
        SDL_Window* window = sdl_window(handle);
        cairo_format_t format = cairo_image_surface_get_format(frame);
        if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)
            broken_invariant("present: the frame is not a 32-bit cairo image");
        // Fetched every time: SDL replaces the surface when the window's size changes.
        SDL_Surface* target = SDL_GetWindowSurface(window);
        if (!target)
            return;

        cairo_surface_flush(frame);
        int frame_width = cairo_image_surface_get_width(frame);
        int frame_height = cairo_image_surface_get_height(frame);
        int stride = cairo_image_surface_get_stride(frame);
        unsigned char* pixels = cairo_image_surface_get_data(frame);
        Rect bounds{0, 0, std::min(frame_width, target->w), std::min(frame_height, target->h)};
        std::vector<SDL_Rect> rects;
        for (const Rect& rect : changed) {
            Rect clipped = intersect(rect, bounds);
            if (!clipped.empty())
                rects.push_back({clipped.x, clipped.y, clipped.width, clipped.height});
        }
        if (rects.empty())
            return;

        if (same_pixel_layout_as_cairo(target->format->format)) {
            if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0)
                return;
            auto* destination = static_cast<unsigned char*>(target->pixels);
            for (const SDL_Rect& rect : rects) {
                for (int y = rect.y; y < rect.y + rect.h; ++y)
                    std::memcpy(destination + y * target->pitch + rect.x * 4, pixels + y * stride + rect.x * 4,
                                static_cast<std::size_t>(rect.w) * 4);
            }
            if (SDL_MUSTLOCK(target))
                SDL_UnlockSurface(target);
        } else {
            SdlSurface source(SDL_CreateRGBSurfaceWithFormatFrom(pixels, frame_width, frame_height, 32, stride,
                                                                 SDL_PIXELFORMAT_ARGB8888));
            if (!source)
                return;
            SDL_SetSurfaceBlendMode(source.get(), SDL_BLENDMODE_NONE);
            for (SDL_Rect rect : rects) {
                SDL_Rect destination = rect;
                SDL_BlitSurface(source.get(), &rect, target, &destination);
            }
        }
        SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size()));
    }

    void set_cursor(Cursor cursor) override
    {
        if (cursor == m_cursor)
            return;
        m_cursor = cursor;
        SDL_SetCursor(cursor == Cursor::hand ? m_hand : m_arrow);
    }

    std::optional<PlatformEvent> wait_event(int timeout_ms) override
    {
        std::uint64_t deadline = SDL_GetTicks64() + static_cast<std::uint64_t>(std::max(timeout_ms, 0));
        for (;;) {
            SDL_Event event;
            int received;
            if (timeout_ms < 0) {
                received = SDL_WaitEvent(&event);
            } else {
                std::uint64_t now = SDL_GetTicks64();
                received = SDL_WaitEventTimeout(&event, now < deadline ? static_cast<int>(deadline - now) : 0);
            }
            if (!received) {
                // Timeout or error: the caller rechecks its deadlines. An error
                // without a deadline must not turn the caller's loop into a spin.
                if (timeout_ms < 0)
                    SDL_Delay(10);
                return std::nullopt;
            }
            if (std::optional<PlatformEvent> translated = translate(event))
                return translated;
        }
    }

    std::uint64_t now_ms() override { return SDL_GetTicks64(); }

    std::uint32_t uptime_ms() override
    {
        timespec since_boot{};
        clock_gettime(CLOCK_BOOTTIME, &since_boot);
        std::uint64_t ms = static_cast<std::uint64_t>(since_boot.tv_sec) * 1000 + since_boot.tv_nsec / 1000000;
        return static_cast<std::uint32_t>(ms);
    }

    bool launch(const std::vector<std::string>& argv) override { return spawn_detached(argv); }

private:
    SDL_Window* sdl_window(WindowHandle handle) const
    {
        auto found = m_windows.find(handle);
        if (found == m_windows.end())
            broken_invariant("no open window has this handle");
        return found->second;
    }

    WindowHandle handle_of(Uint32 window_id) const
    {
        for (const auto& [handle, window] : m_windows) {
            if (SDL_GetWindowID(window) == window_id)
                return handle;
        }
        return 0;
    }

    // The 32-pixel icon, else the smallest there is.
    SdlSurface window_icon() const
    {
        if (m_icons.empty())
            return nullptr;
        auto icon = std::find_if(m_icons.begin(), m_icons.end(),
                                 [](const CairoSurface& s) { return cairo_image_surface_get_width(s.get()) == 32; });
        return sdl_copy(icon != m_icons.end() ? icon->get() : m_icons.front().get());
    }

    // Nothing for the events the toolkit has no use for and for windows not ours.
    std::optional<PlatformEvent> translate(const SDL_Event& event) const
    {
        using Type = PlatformEvent::Type;
        auto for_window = [this](Uint32 window_id, Type type, Point position = {},
                                 Key key = Key::other) -> std::optional<PlatformEvent> {
            WindowHandle handle = handle_of(window_id);
            if (!handle)
                return std::nullopt;
            return PlatformEvent{type, handle, position, key};
        };

        switch (event.type) {
        case SDL_MOUSEMOTION:
            return for_window(event.motion.windowID, Type::mouse_moved, {event.motion.x, event.motion.y});
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT)
                return std::nullopt;
            return for_window(event.button.windowID,
                              event.type == SDL_MOUSEBUTTONDOWN ? Type::button_pressed : Type::button_released,
                              {event.button.x, event.button.y});
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return for_window(event.key.windowID, event.type == SDL_KEYDOWN ? Type::key_pressed : Type::key_released,
                              {}, key_of(event.key.keysym.sym));
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                return for_window(event.window.windowID, Type::close_requested);
            case SDL_WINDOWEVENT_LEAVE:
                return for_window(event.window.windowID, Type::mouse_left);
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                return for_window(event.window.windowID, Type::exposed);
            default:
                return std::nullopt;
            }
        case SDL_QUIT:
            // Only an interrupt or termination signal.
            return PlatformEvent{Type::quit_requested, 0, {}, Key::other};
        default:
            return std::nullopt;
        }
    }

    static Key key_of(SDL_Keycode key)
    {
        switch (key) {
        case SDLK_ESCAPE:
            return Key::escape;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::enter;
        case SDLK_SPACE:
            return Key::space;
        case SDLK_TAB:
            return Key::tab;
        default:
            return Key::other;
        }
    }

    void close_sdl()
    {
        if (m_hand)
            SDL_FreeCursor(m_hand);
        if (m_arrow)
            SDL_FreeCursor(m_arrow);
        m_hand = m_arrow = nullptr;
        m_icons.clear();
        SDL_Quit();
    }

    bool m_open = false;
    std::vector<CairoSurface> m_icons; // smallest first
    SDL_Cursor* m_arrow = nullptr;
    SDL_Cursor* m_hand = nullptr;
    Cursor m_cursor = Cursor::arrow;
    std::map<WindowHandle, SDL_Window*> m_windows;
    WindowHandle m_next_handle = 1;
};

} // namespace

std::unique_ptr<Platform> make_sdl_platform() { return std::make_unique<SdlPlatform>(); }

} // namespace toolkit
