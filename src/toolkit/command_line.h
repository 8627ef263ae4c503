#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// Splits a command line into the words a program receives, without a shell.
std::vector<std::string> split_command_line(std::string_view line);

} // namespace toolkit
