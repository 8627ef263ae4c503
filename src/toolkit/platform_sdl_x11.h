#pragma once

// The window-manager hints SDL has no call for or sets differently: every
// icon size, the Motif frame functions, static gravity for the client
// position, the class and a UTF-8 name, set directly on the X window. On other
// video drivers they are left out.

#include "platform_sdl_pictures.h"
#include "toolkit/platform.h"

#include <SDL.h>

#include <vector>

namespace toolkit {

// Set on the hidden window, so the window manager reads them when it is first shown.
void set_window_manager_hints(SDL_Window* window, const WindowOptions& options, const std::vector<CairoSurface>& icons);

} // namespace toolkit
