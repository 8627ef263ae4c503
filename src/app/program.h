#pragma once

namespace app {

// The program's whole run. Called once by the toolkit when the process has
// started; returns 0 when the message loop has ended.
int program_main();

} // namespace app
