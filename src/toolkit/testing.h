#pragma once

// Seams for tests of the toolkit and the program on the headless platform.

namespace toolkit {

// Delivers the scripted events until the script runs out, without closing
// the windows as the message loop would.
void process_events_for_testing();

// Forgets every window, the clean-up and the platform, so that a test can
// start the toolkit afresh.
void reset_for_testing();

} // namespace toolkit
