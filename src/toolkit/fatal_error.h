#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// The text of the error box: the heading, then the code line for a code other
// than 0, then the message line for a non-empty message. Lines end in "\r\n".
std::string fatal_error_text(std::string_view message, int code);

// Shows the box captioned "错误" with a stop icon and OK (where a display is
// open), writes the same text to standard error, forgets the registered
// clean-up without running it and ends the process with exit status 255.
[[noreturn]] void fatal_error(std::string_view message, int code = 0);

// fatal_error with the toolkit's own message for a runtime error code.
[[noreturn]] void raise_runtime_error(int code);
std::string_view runtime_error_message(int code);

} // namespace toolkit
