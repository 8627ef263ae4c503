#include "deal.h"

#include "controls.h"
#include "grid.h"

#include "symbols/pictures.h"
#include "symbols/symbol_list.h"
#include "toolkit/operations.h"
#include "toolkit/random.h"

namespace trick {

toolkit::PictureBoxRef cell_ref;

namespace {

void look_up(int tag) { cell_ref = toolkit::find_control_by_tag(kMainWindowId, tag); }

int draw_symbol() { return toolkit::random_int(1, symbols::kSymbolCount); }

void set_all_cells_visible(bool visible)
{
    for (int tag = 1; tag <= kCellCount; ++tag) {
        look_up(tag);
        toolkit::set_visible(cell_ref, visible);
    }
}

} // namespace

void deal_symbols()
{
    // Hide the grid.
    set_all_cells_visible(false);

    // Reseed.
    toolkit::seed_random(toolkit::uptime_ms());

    // Draw the answer symbol.
    const int answer = draw_symbol();

    // Deal the answer cells.
    for (int tag : kAnswerTags) {
        look_up(tag);
        toolkit::set_picture(cell_ref, symbols::symbol(answer));
    }

    // Deal the other cells.
    for (int tag = 1; tag <= kCellCount; ++tag) {
        if (is_answer_tag(tag))
            continue;
        look_up(tag);
        int drawn = draw_symbol();
        while (drawn == answer)
            drawn = draw_symbol();
        toolkit::set_picture(cell_ref, symbols::symbol(drawn));
    }

    // Show the grid.
    set_all_cells_visible(true);

    // Copy the answer.
    std::uint8_t* answer_picture = toolkit::get_picture(toolkit::control(kMainWindowId, kCell09PictureBoxId));
    toolkit::set_picture(toolkit::control(kMainWindowId, kAnswerBoxId), answer_picture);
    if (answer_picture)
        toolkit::release_block(answer_picture);
}

} // namespace trick
