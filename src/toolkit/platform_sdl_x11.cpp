#include "platform_sdl_x11.h"

#include <SDL_syswm.h>
#include <X11/Xutil.h>

#include <dlfcn.h>

#include <array>
#include <iterator>

namespace toolkit {

namespace {

// Xlib is already loaded as SDL's own dependency; the few functions used here
// are looked up there so that the build links SDL alone.
struct Xlib {
    decltype(&XInternAtom) intern_atom = nullptr;
    decltype(&XChangeProperty) change_property = nullptr;
    decltype(&XDeleteProperty) delete_property = nullptr;
    decltype(&XFlush) flush = nullptr;

    static const Xlib* loaded()
    {
        static const Xlib xlib = [] {
            Xlib functions;
            void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
            if (!library)
                return functions;
            auto find = [library]<typename Function>(Function& function, const char* name) {
                function = reinterpret_cast<Function>(dlsym(library, name));
            };
            find(functions.intern_atom, "XInternAtom");
            find(functions.change_property, "XChangeProperty");
            find(functions.delete_property, "XDeleteProperty");
            find(functions.flush, "XFlush");
            return functions;
        }();
        bool complete = xlib.intern_atom && xlib.change_property && xlib.delete_property && xlib.flush;
        return complete ? &xlib : nullptr;
    }
};

// Words of the _MOTIF_WM_HINTS property.
constexpr long kMotifFunctionsAndDecorations = 1 | 2;
constexpr long kMotifFunctionMove = 1 << 2;
constexpr long kMotifFunctionClose = 1 << 5;
constexpr long kMotifDecorBorder = 1 << 1;
constexpr long kMotifDecorTitle = 1 << 3;
constexpr long kMotifDecorMenu = 1 << 4;

// The 18 words of WM_NORMAL_HINTS: the position is the client area's own
// (static gravity: the frame goes around it) and the size is fixed.
std::array<long, 18> fixed_size_hints(Point client_position, Size client_size)
{
    std::array<long, 18> hints{};
    hints[0] = USPosition | PMinSize | PMaxSize | PWinGravity;
    hints[1] = client_position.x;
    hints[2] = client_position.y;
    hints[5] = hints[7] = client_size.width;
    hints[6] = hints[8] = client_size.height;
    hints[17] = StaticGravity;
    return hints;
}

constexpr char kWindowClass[] = "xinglan\0Xinglan"; // instance and class names

// _NET_WM_ICON: for each size its width, height and straight ARGB pixels,
// each in a long as format-32 properties are.
std::vector<long> net_wm_icon_words(const std::vector<CairoSurface>& icons)
{
    std::vector<long> words;
    for (const CairoSurface& icon : icons) {
        int width = cairo_image_surface_get_width(icon.get());
        words.push_back(width);
        words.push_back(cairo_image_surface_get_height(icon.get()));
        std::size_t first = words.size();
        words.resize(first + static_cast<std::size_t>(width) * cairo_image_surface_get_height(icon.get()));
        for_each_straight_pixel(icon.get(), [&words, first, width](int x, int y, std::uint32_t pixel) {
            words[first + static_cast<std::size_t>(y) * width + x] = pixel;
        });
    }
    return words;
}

} // namespace

void set_window_manager_hints(SDL_Window* window, const WindowOptions& options, const std::vector<CairoSurface>& icons)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    const Xlib* xlib = Xlib::loaded();
    if (!xlib)
        return;
    Display* display = info.info.x11.display;
    ::Window x_window = info.info.x11.window;
    auto atom = [&](const char* name) { return xlib->intern_atom(display, name, False); };
    auto replace = [&](Atom property, Atom type, int format, const void* data, std::size_t count) {
        xlib->change_property(display, x_window, property, type, format, PropModeReplace,
                              static_cast<const unsigned char*>(data), static_cast<int>(count));
    };

    long motif[5] = {kMotifFunctionsAndDecorations, kMotifFunctionMove | kMotifFunctionClose,
                     kMotifDecorBorder | kMotifDecorTitle | kMotifDecorMenu, 0, 0};
    replace(atom("_MOTIF_WM_HINTS"), atom("_MOTIF_WM_HINTS"), 32, motif, std::size(motif));
    // SDL marks a window transient for the root when the server had no Motif
    // hints atom yet; with the hints set that would only make it look like a dialog.
    xlib->delete_property(display, x_window, XA_WM_TRANSIENT_FOR);

    std::array<long, 18> size_hints = fixed_size_hints(options.client_position, options.client_size);
    replace(XA_WM_NORMAL_HINTS, XA_WM_SIZE_HINTS, 32, size_hints.data(), size_hints.size());

    // Replaces the single size SDL_SetWindowIcon put there.
    std::vector<long> icon_words = net_wm_icon_words(icons);
    if (!icon_words.empty())
        replace(atom("_NET_WM_ICON"), XA_CARDINAL, 32, icon_words.data(), icon_words.size());

    replace(XA_WM_CLASS, XA_STRING, 8, kWindowClass, sizeof kWindowClass);
    // SDL stores the old-style name as UTF-8 bytes labelled Latin-1, which
    // garbles a Chinese title; labelled UTF-8 it is read right (xdotool too).
    replace(XA_WM_NAME, atom("UTF8_STRING"), 8, options.title.data(), options.title.size());
    xlib->flush(display);
}

} // namespace toolkit
