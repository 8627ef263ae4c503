#include "app/program.h"

#include "app/globals.h"
#include "toolkit/lifecycle.h"
#include "trick/controls.h"
#include "ui/program_resources.h"

namespace app {

int program_main()
{
    toolkit::start_toolkit(ui::program_resources());
    init_globals();
    toolkit::register_cleanup(free_globals);
    toolkit::load_start_window(trick::kMainWindowId);
    toolkit::run_message_loop();
    return 0;
}

} // namespace app
