#pragma once

// What the program hands the toolkit at start-up: its one window design and
// the pictures the platform needs (the program icon and the hand cursor).

#include "toolkit/lifecycle.h"

namespace ui {

toolkit::ProgramResources program_resources();

} // namespace ui
