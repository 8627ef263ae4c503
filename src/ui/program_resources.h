#pragma once

// What the program hands the toolkit at start-up: its one window design, the
// pictures the platform needs (the program icon and the hand cursor) and the
// drawing of its labels, picture boxes and hyperlink box.

#include "toolkit/lifecycle.h"

namespace ui {

toolkit::ProgramResources program_resources();

} // namespace ui
