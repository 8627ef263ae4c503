#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// The system's opener of web addresses and files; the file explorer of a
// command line stands for it.
inline constexpr std::string_view kSystemOpener = "xdg-open";

// Splits a command line into the words a program receives, without a shell.
std::vector<std::string> split_command_line(std::string_view line);

} // namespace toolkit
