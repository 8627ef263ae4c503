#pragma once

// The platform that shows real windows on the desktop. Its implementation is
// the only code that talks to SDL and the X server.

#include "platform.h"

#include <memory>

namespace toolkit {

std::unique_ptr<Platform> make_sdl_platform();

} // namespace toolkit
