#include "app/program.h"
#include "toolkit/lifecycle.h"
#include "toolkit/platform_sdl.h"

int main()
{
    toolkit::install_platform(toolkit::make_sdl_platform());
    toolkit::run_program(app::program_main);
}
