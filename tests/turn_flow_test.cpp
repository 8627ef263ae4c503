#include "app/globals.h"
#include "symbols/symbol_list.h"
#include "toolkit/lifecycle.h"
#include "toolkit/operations.h"
#include "toolkit/platform_headless.h"
#include "toolkit/runtime.h"
#include "toolkit/testing.h"
#include "trick/author.h"
#include "trick/controls.h"
#include "trick/deal.h"
#include "trick/grid.h"
#include "trick/turn_flow.h"
#include "ui/main_window_design.h"
#include "ui/program_resources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace trick {
namespace {

constexpr toolkit::Point kBallCentre{165, 117};
constexpr toolkit::Point kAnswerBoxCentre{163, 173};
constexpr toolkit::Point kRetryButtonCentre{169, 253};
constexpr toolkit::Point kBannerCentre{174, 463};
constexpr toolkit::Point kLinkBoxCentre{287, 405};

const std::vector<std::string> kSiteLaunch{"xdg-open", std::string(kAuthorSiteAddress)};

toolkit::HeadlessPlatform* g_platform = nullptr;
// The cell and answer pictures just before the fifth retry click.
std::vector<std::vector<std::uint8_t>> g_last_deal;

std::string joined(const std::vector<std::string>& words)
{
    std::string line;
    for (const std::string& word : words)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

std::vector<std::uint8_t> picture_of(const toolkit::ControlRef& box)
{
    std::uint8_t* copy = toolkit::get_picture(box);
    auto bytes = toolkit::byte_string_bytes(copy);
    std::vector<std::uint8_t> picture(bytes.begin(), bytes.end());
    toolkit::release_block(copy);
    return picture;
}

// The pictures of the 100 cells by tag, then the answer box's.
std::vector<std::vector<std::uint8_t>> current_grid()
{
    std::vector<std::vector<std::uint8_t>> pictures;
    for (int tag = 1; tag <= 100; ++tag)
        pictures.push_back(picture_of(toolkit::find_control_by_tag(kMainWindowId, tag)));
    pictures.push_back(picture_of(toolkit::control(kMainWindowId, kAnswerBoxId)));
    return pictures;
}

// The registered clean-up: the program's own, then a report on standard error
// of what the process did, for the tests whose process ends.
void reporting_cleanup()
{
    const bool window_open = toolkit::find_window(kMainWindowId) != nullptr;
    app::free_globals();
    std::string report = "clean-up: window " + std::string(window_open ? "open" : "gone");
    for (const auto& box : g_platform->message_boxes())
        report += "; box " + box.caption + (box.text == kFarewellText ? " with the farewell" : " with another text");
    for (const auto& launch : g_platform->launches())
        report += "; launch " + joined(launch);
    if (window_open && !g_last_deal.empty())
        report += current_grid() == g_last_deal ? "; no new deal" : "; dealt again";
    if (g_platform->script_empty())
        report += "; the box outlived its dismissal";
    std::fprintf(stderr, "%s.\n", report.c_str());
}

// The whole program on the headless platform: started as program_main does,
// then driven by scripted input without the message loop's own ending.
class TurnFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        toolkit::reset_for_testing();
        auto platform = std::make_unique<toolkit::HeadlessPlatform>();
        g_platform = platform.get();
        toolkit::install_platform(std::move(platform));
        toolkit::start_toolkit(ui::program_resources());
        app::init_globals();
        toolkit::register_cleanup(reporting_cleanup);
        toolkit::load_start_window(kMainWindowId);
    }

    void TearDown() override
    {
        symbols::release_symbol_list();
        toolkit::reset_for_testing();
        g_platform = nullptr;
        g_last_deal.clear();
    }

    // Lets the clock run on between presses, so every deal reseeds differently.
    static void click(toolkit::Point point)
    {
        g_platform->wait(700);
        g_platform->click(point);
        toolkit::process_events_for_testing();
    }

    static bool visible(std::int32_t id) { return toolkit::find_window(kMainWindowId)->find(id)->visible; }

    static bool covered()
    {
        return visible(kBallId) && !visible(kHintId) && !visible(kRetryButtonId) && visible(kCaptionId) &&
               visible(kAnswerBoxId);
    }
    static bool revealed()
    {
        return !visible(kBallId) && visible(kHintId) && visible(kRetryButtonId) && visible(kCaptionId) &&
               visible(kAnswerBoxId);
    }

    static std::vector<std::vector<std::uint8_t>> grid() { return current_grid(); }

    // Checks that one symbol sits in the nine answer cells and the answer box and nowhere else.
    static void expect_complete_deal()
    {
        const auto pictures = grid();
        const auto& answer = pictures.back();
        ASSERT_FALSE(answer.empty());
        for (int tag = 1; tag <= 100; ++tag) {
            EXPECT_FALSE(pictures[tag - 1].empty()) << tag;
            EXPECT_EQ(pictures[tag - 1] == answer, is_answer_tag(tag)) << tag;
            EXPECT_TRUE(visible(toolkit::find_control_by_tag(kMainWindowId, tag).control_id)) << tag;
        }
    }

    // Four retries, a reveal, then the fifth retry click; while the farewell
    // box is up, a press on the banner behind it and then `dismiss`. Input
    // left over shows that the box went at once.
    static void say_farewell(const std::function<void()>& dismiss)
    {
        reveal_and_retry(4);
        click(kBallCentre);
        g_last_deal = grid();
        g_platform->wait(700);
        g_platform->click(kRetryButtonCentre);
        g_platform->click(kBannerCentre, toolkit::find_window(kMainWindowId)->handle());
        dismiss();
        g_platform->wait(1000);
        toolkit::process_events_for_testing();
    }

    static void reveal_and_retry(int times)
    {
        for (int i = 0; i < times; ++i) {
            click(kBallCentre);
            click(kRetryButtonCentre);
        }
    }
};

TEST_F(TurnFlowTest, StartsCoveredWithTheFirstDeal)
{
    EXPECT_TRUE(covered());
    EXPECT_EQ(retry_count, 0);
    EXPECT_EQ(symbols::symbol_count(), 18u);
    EXPECT_EQ(cell_ref.control_id(), ui::grid_picture_box_id(81));
    expect_complete_deal();
}

TEST_F(TurnFlowTest, PressingTheBallRevealsTheAnswerOfTheSameDeal)
{
    const auto dealt = grid();
    click(kBallCentre);

    EXPECT_TRUE(revealed());
    EXPECT_EQ(grid(), dealt);
    EXPECT_TRUE(g_platform->launches().empty());
}

TEST_F(TurnFlowTest, PressingWhereTheBallWasDoesNothingWhileRevealed)
{
    click(kBallCentre);
    const auto dealt = grid();

    click(kBallCentre);
    click(kAnswerBoxCentre);

    EXPECT_TRUE(revealed());
    EXPECT_EQ(grid(), dealt);
    EXPECT_EQ(retry_count, 0);
}

TEST_F(TurnFlowTest, TheHiddenRetryButtonTakesNoClickWhileCovered)
{
    const auto dealt = grid();
    click(kRetryButtonCentre);

    EXPECT_TRUE(covered());
    EXPECT_EQ(retry_count, 0);
    EXPECT_EQ(grid(), dealt);
}

TEST_F(TurnFlowTest, RetriesOneToFourDealAgainCovered)
{
    for (int retry = 1; retry <= 4; ++retry) {
        SCOPED_TRACE(retry);
        const auto previous = grid();
        reveal_and_retry(1);

        EXPECT_EQ(retry_count, retry);
        EXPECT_TRUE(covered());
        EXPECT_NE(grid(), previous) << "no new deal";
        expect_complete_deal();
    }
    EXPECT_TRUE(g_platform->message_boxes().empty());
    EXPECT_TRUE(g_platform->launches().empty());
}

TEST_F(TurnFlowTest, TheBannerLaunchesTheSiteOnceInEitherState)
{
    const auto dealt = grid();
    click(kBannerCentre);
    EXPECT_TRUE(covered());
    EXPECT_EQ(g_platform->launches(), (std::vector<std::vector<std::string>>{kSiteLaunch}));

    click(kBallCentre);
    click(kBannerCentre);
    EXPECT_TRUE(revealed());
    EXPECT_EQ(g_platform->launches(), (std::vector<std::vector<std::string>>{kSiteLaunch, kSiteLaunch}));
    EXPECT_EQ(grid(), dealt);
}

TEST_F(TurnFlowTest, TheHyperlinkBoxOpensTheSiteByItself)
{
    const auto dealt = grid();
    for (bool reveal : {false, true}) {
        SCOPED_TRACE(reveal ? "revealed" : "covered");
        if (reveal)
            click(kBallCentre);
        const std::size_t before = g_platform->launches().size();
        click(kLinkBoxCentre);

        ASSERT_EQ(g_platform->launches().size(), before + 1);
        EXPECT_EQ(g_platform->launches().back().back(), kAuthorSiteAddress);
        EXPECT_EQ(reveal ? revealed() : covered(), true);
    }
    EXPECT_EQ(grid(), dealt);
}

TEST_F(TurnFlowTest, ABannerLaunchThatFailsShowsNothing)
{
    g_platform->set_launch_succeeds(false);
    click(kBannerCentre);

    EXPECT_EQ(g_platform->launches().size(), 1u);
    EXPECT_TRUE(g_platform->message_boxes().empty());
    EXPECT_TRUE(covered());
}

TEST_F(TurnFlowTest, TheSiteCommandOpensTheHyperlinkBoxAddress)
{
    std::string link_address;
    for (const auto& control : ui::main_window_design().controls) {
        if (control.id == kLinkBoxId)
            link_address = std::get<toolkit::HyperlinkStyle>(control.style).web_address;
    }
    EXPECT_EQ(site_command(), "explorer " + link_address);
    EXPECT_EQ(site_command(), "explorer http://www.norvane.example");
}

using TurnFlowDeathTest = TurnFlowTest;

constexpr const char* kFarewellReport = "clean-up: window open; box 作者的话！ with the farewell; "
                                        "launch xdg-open http://www.norvane.example; no new deal.\n";

TEST_F(TurnFlowDeathTest, TheFifthRetrySaysFarewellLaunchesTheSiteAndEnds)
{
    struct Case {
        const char* dismissal;
        std::function<void()> script;
    };
    const Case cases[] = {
        {"Enter", [] { g_platform->press_key(toolkit::Key::enter); }},
        {"Esc", [] { g_platform->press_key(toolkit::Key::escape); }},
        {"close button",
         [] {
             toolkit::PlatformEvent close;
             close.type = toolkit::PlatformEvent::Type::close_requested;
             g_platform->push(close);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dismissal);
        EXPECT_EXIT(say_farewell(c.script), ::testing::ExitedWithCode(0), kFarewellReport);
    }
}

TEST_F(TurnFlowDeathTest, TheFarewellEndsEvenWhenTheLaunchFails)
{
    g_platform->set_launch_succeeds(false);
    EXPECT_EXIT(say_farewell([] { g_platform->press_key(toolkit::Key::enter); }), ::testing::ExitedWithCode(0),
                kFarewellReport);
}

} // namespace
} // namespace trick
