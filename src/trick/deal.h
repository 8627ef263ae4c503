#pragma once

// The deal of a turn: the nine answer cells get one symbol drawn at random,
// every other cell a symbol drawn among the other 17, and the answer picture
// box a copy of the answer symbol. The whole grid follows from the uptime the
// random source is reseeded with. Every broken invariant (a tag no control
// carries, a tag on a control that is not a picture box, a symbol the list
// does not hold) is a fatal runtime error.

#include "toolkit/control_ref.h"

namespace trick {

// The picture box of the deal's latest lookup: 图片框81 (cell "00") after a deal.
extern toolkit::PictureBoxRef cell_ref;

// Needs main_window loaded and symbol_list holding the 18 symbols.
void deal_symbols();

} // namespace trick
