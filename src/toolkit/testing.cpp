#include "testing.h"

#include "runtime.h"

namespace toolkit {

void process_events_for_testing() { deliver_events(UntilInputEnds::stop); }

void reset_for_testing()
{
    Runtime& rt = runtime();
    rt.windows.clear();
    rt.platform.reset();
    rt.platform_open = false;
    rt.designs.clear();
    rt.cleanup = nullptr;
    rt.painter = nullptr;
    rt.open_box = nullptr;
    rt.ending = false;
    rt.quit_pending = false;
}

} // namespace toolkit
