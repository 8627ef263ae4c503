#include "app/globals.h"

#include "symbols/symbol_list.h"

namespace app {

void init_globals() { symbols::create_symbol_list(); }

void free_globals() { symbols::release_symbol_list(); }

} // namespace app
