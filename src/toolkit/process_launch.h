#pragma once

// Starting another program from the GUI thread.

#include <string>
#include <vector>

namespace toolkit {

// Starts argv[0], looked up on PATH, with argv as its arguments exactly as
// given (no shell, nothing expanded). Returns at once, without waiting for the
// program: it runs detached in its own session, inherits no descriptor beyond
// standard input, output and error, and never becomes a zombie of this
// process. False for an empty argv or a program that cannot be started.
bool spawn_detached(const std::vector<std::string>& argv);

} // namespace toolkit
