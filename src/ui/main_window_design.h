#pragma once

// The design of the main window: the window, the eight controls beside the
// table of numbers, then the 200 controls of the table, in the control order
// (the first control lies on top).

#include "toolkit/design.h"

#include <cstdint>

namespace ui {

// Built on first use; lives as long as the process.
const toolkit::WindowDesign& main_window_design();

// Ids of the grid controls named 标签N and 图片框N. They lie just below the
// ids of the eight other controls; 图片框90 gets the id the program's code
// names it by.
std::int32_t grid_label_id(int form_number);
std::int32_t grid_picture_box_id(int form_number);

} // namespace ui
