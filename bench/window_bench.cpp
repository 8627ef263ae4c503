// What a user waits for: composing the whole window, one step of the ball's
// animation, and a deal (with the repaint it causes).

#include "app/globals.h"
#include "toolkit/lifecycle.h"
#include "toolkit/platform_headless.h"
#include "toolkit/runtime.h"
#include "toolkit/testing.h"
#include "trick/controls.h"
#include "trick/deal.h"
#include "ui/program_resources.h"

#include <benchmark/benchmark.h>

namespace {

toolkit::Window& loaded_main_window()
{
    static toolkit::Window* window = [] {
        toolkit::install_platform(std::make_unique<toolkit::HeadlessPlatform>());
        toolkit::start_toolkit(ui::program_resources());
        app::init_globals();
        toolkit::register_cleanup(app::free_globals);
        toolkit::load_start_window(trick::kMainWindowId);
        return toolkit::find_window(trick::kMainWindowId);
    }();
    return *window;
}

void BM_FullRepaint(benchmark::State& state)
{
    toolkit::Window& window = loaded_main_window();
    for (auto _ : state) {
        window.invalidate_all();
        toolkit::repaint_windows();
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_BallFrame(benchmark::State& state)
{
    toolkit::Window& window = loaded_main_window();
    auto& platform = static_cast<toolkit::HeadlessPlatform&>(toolkit::platform());
    for (auto _ : state) {
        platform.wait(500);
        toolkit::process_events_for_testing();
    }
    benchmark::DoNotOptimize(window.frame());
}
BENCHMARK(BM_BallFrame)->Unit(benchmark::kMicrosecond);

void BM_Deal(benchmark::State& state)
{
    loaded_main_window();
    for (auto _ : state)
        trick::deal_symbols();
}
BENCHMARK(BM_Deal)->Unit(benchmark::kMicrosecond);

void BM_DealAndRepaint(benchmark::State& state)
{
    loaded_main_window();
    for (auto _ : state) {
        trick::deal_symbols();
        toolkit::repaint_windows();
    }
}
BENCHMARK(BM_DealAndRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
