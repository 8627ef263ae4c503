#include "turn_flow.h"

#include "author.h"
#include "controls.h"
#include "deal.h"

#include "symbols/pictures.h"
#include "symbols/symbol_list.h"
#include "toolkit/lifecycle.h"
#include "toolkit/operations.h"

namespace trick {

std::int32_t retry_count = 0;

namespace {

toolkit::ControlRef main_window_control(std::int32_t id) { return toolkit::control(kMainWindowId, id); }

void start_turn()
{
    deal_symbols();
    toolkit::set_visible(main_window_control(kHintId), false);
    toolkit::set_visible(main_window_control(kRetryButtonId), false);
    toolkit::set_visible(main_window_control(kBallId), true);
}

void reveal_answer()
{
    toolkit::set_visible(main_window_control(kBallId), false);
    toolkit::set_visible(main_window_control(kHintId), true);
    toolkit::set_visible(main_window_control(kRetryButtonId), true);
}

} // namespace

std::string site_command() { return "explorer " + std::string(kAuthorSiteAddress); }

void on_main_window_created()
{
    retry_count = 0;
    for (toolkit::ByteString picture : symbols::built_in_symbols())
        symbols::append_symbol(picture);
    start_turn();
}

void on_ball_pressed(int, int, int) { reveal_answer(); }

void on_retry_clicked()
{
    ++retry_count;
    if (retry_count < kRetryLimit) {
        start_turn();
        return;
    }
    toolkit::message_box(kFarewellText, 0, kFarewellCaption);
    toolkit::run_command(site_command());
    toolkit::end_process(0);
}

void on_banner_pressed(int, int, int) { toolkit::run_command(site_command()); }

void on_link_pressed(int, int, int) {}

} // namespace trick
