#pragma once

// The life of the process: the toolkit's start-up, the registered clean-up,
// the start window, the message loop and the three ends (the loop returning,
// end_process and fatal_error).

#include "design.h"
#include "platform.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace toolkit {

class ControlPainter;

struct ProgramResources {
    std::vector<const WindowDesign*> designs;
    PlatformPictures pictures;
    ControlPainter* painter = nullptr; // the program's drawing of its controls
};

// The platform the next start_toolkit opens. main() installs the SDL one,
// tests a headless one.
void install_platform(std::unique_ptr<Platform> platform);
Platform& platform();

// Makes the program file's folder the current directory, records the calling
// thread as the GUI thread, checks the designs (fatal_error
// "载入窗口模板数据段出错!" when they cannot be read) and opens the display.
void start_toolkit(const ProgramResources& resources);

// At most one routine; a later registration replaces it. It runs at most once.
using CleanupRoutine = void (*)();
void register_cleanup(CleanupRoutine routine);

// Builds the window and its controls from its design, delivers its created
// event, then shows and activates it (fatal_error "载入启动窗口失败" when the
// window cannot be loaded).
void load_start_window(std::int32_t window_id);

// Delivers events until no window of the program is open, then returns.
// Blocks until the next event or animation deadline; never spins.
void run_message_loop();

// Runs the registered clean-up once, closes the toolkit and ends the process.
[[noreturn]] void end_process(int code);

// Calls program_main on the installed platform and ends the process as
// end_process does with its result. Never returns.
[[noreturn]] void run_program(int (*program_main)());

} // namespace toolkit
