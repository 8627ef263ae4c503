#pragma once

// The operations the program uses on its windows and the system, all on the
// GUI thread. Controls are named by (window id, control id).

#include "byte_string.h"
#include "control_ref.h"

#include <cstdint>
#include <string_view>

namespace toolkit {

// The first of the window and its controls, in the control order, whose tag
// text read as a decimal integer (up to the first non-digit; none gives 0)
// equals tag. No match is fatal_error "未找到指定标记的组件".
ControlRef find_control_by_tag(std::int32_t window_id, int tag);

// The control of that id (fatal_error when the window has none).
ControlRef control(std::int32_t window_id, std::int32_t control_id);

void set_visible(const ControlRef& control, bool visible);

// The box keeps its own copy of the bytes and shows it. Bytes that cannot be
// decoded leave the box without a picture.
void set_picture(const ControlRef& control, ByteString bytes);
// A fresh copy of the box's picture bytes, or null when it has none; the
// caller releases it with release_block.
std::uint8_t* get_picture(const ControlRef& control);

// Style 0: one OK button, no icon. Modal to the program's windows; returns
// when the box is dismissed (OK, Enter, Space, Esc or its close button).
int message_box(std::string_view text, int style, std::string_view caption);

// Starts a process from a command line split into words (no shell; double
// quotes group words). "explorer" stands for the system's opener. Returns
// false, showing nothing, when the program cannot be started.
bool run_command(std::string_view command_line, bool wait = false, bool show = true);

std::uint32_t uptime_ms();

} // namespace toolkit
