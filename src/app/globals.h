#pragma once

// The program's three globals live with the modules that give them meaning:
// symbols::symbol_list, trick::retry_count and trick::cell_ref. Their
// creation and release are the program's own.

namespace app {

// Gives symbol_list a new, empty list of the program's own storage.
void init_globals();

// The registered clean-up: releases symbol_list. Touches no control, so it
// works whether the main window still exists or not.
void free_globals();

} // namespace app
