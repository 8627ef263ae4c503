// Which control a press reaches, the push button's click and focus, the
// keyboard, and the message box's ways of being dismissed.

#include "toolkit_fixture.h"

#include "toolkit/operations.h"
#include "toolkit/system_look.h"

#include <gmock/gmock.h>

#include <fstream>
#include <iterator>

using namespace toolkit_test;
using toolkit::Key;
using toolkit::PlatformEvent;

namespace {

std::vector<std::string> g_events;

void record_press_2(int x, int y, int) { g_events.push_back("press 2 at " + std::to_string(x) + "," + std::to_string(y)); }
void record_press_3(int, int, int) { g_events.push_back("press 3"); }
void record_click() { g_events.push_back("click"); }

class Input : public ToolkitTest {
protected:
    void SetUp() override
    {
        g_events.clear();
        // Control 2 lies over control 3 where they overlap (x 20..39); control 4
        // is a disabled label over the right part of control 3.
        auto top = picture_box(2, {0, 0, 40, 40});
        top.on_left_pressed = record_press_2;
        auto below = picture_box(3, {20, 0, 60, 40});
        below.on_left_pressed = record_press_3;
        auto disabled = label(4, {60, 0, 20, 40});
        disabled.enabled = false;
        auto retry = button(5, {0, 60, 88, 40});
        retry.on_clicked = record_click;
        design = window({top, disabled, below, retry});
        start({&design});
        toolkit::load_start_window(kWindowId);
    }
    toolkit::WindowDesign design;
};

TEST_F(Input, APressReachesTheTopmostVisibleEnabledControl)
{
    headless->click({30, 10}); // both 2 and 3: 2 is on top
    headless->click({50, 10}); // only 3
    headless->click({70, 10}); // the disabled label takes it and does nothing
    headless->click({150, 10}); // the window's background
    toolkit::process_events_for_testing();
    EXPECT_THAT(g_events, ::testing::ElementsAre("press 2 at 30,10", "press 3"));

    g_events.clear();
    toolkit::set_visible(toolkit::control(kWindowId, 2), false);
    headless->click({30, 10}); // hidden controls get nothing: 3 is reached
    toolkit::process_events_for_testing();
    EXPECT_THAT(g_events, ::testing::ElementsAre("press 3"));
}

TEST_F(Input, AButtonClicksWhenReleasedOverIt)
{
    using Type = PlatformEvent::Type;
    headless->click({40, 80});
    headless->push({Type::button_pressed, 0, {40, 80}, Key::other});
    headless->push({Type::button_released, 0, {150, 10}, Key::other}); // released elsewhere: no click
    toolkit::process_events_for_testing();
    EXPECT_THAT(g_events, ::testing::ElementsAre("click"));
}

TEST_F(Input, TabFocusesTheButtonWhileVisibleAndSpaceClicksIt)
{
    headless->press_key(Key::space); // nothing has the focus yet
    headless->press_key(Key::tab);
    headless->press_key(Key::space);
    headless->press_key(Key::enter); // not a default button
    toolkit::process_events_for_testing();
    EXPECT_THAT(g_events, ::testing::ElementsAre("click"));

    g_events.clear();
    toolkit::set_visible(toolkit::control(kWindowId, 5), false);
    headless->press_key(Key::tab);
    headless->press_key(Key::space);
    toolkit::process_events_for_testing();
    EXPECT_TRUE(g_events.empty());
}

TEST_F(Input, TheHandCursorShowsOverControlsThatAskForIt)
{
    design.controls[0].cursor = toolkit::Cursor::hand;
    headless->move_mouse({10, 10});
    toolkit::process_events_for_testing();
    EXPECT_EQ(headless->cursor(), toolkit::Cursor::hand);
    headless->move_mouse({50, 10});
    toolkit::process_events_for_testing();
    EXPECT_EQ(headless->cursor(), toolkit::Cursor::arrow);
}

TEST_F(Input, EscapeClosesTheWindow)
{
    headless->press_key(Key::escape);
    toolkit::process_events_for_testing();
    EXPECT_TRUE(headless->window(1).destroyed);
}

TEST_F(Input, AnimationRepaintsOnlyTheAnimatedBox)
{
    // Two frames of 500 ms: presents come every 500 ms and cover only the box.
    std::vector<std::uint8_t> gif = [] {
        std::ifstream in(SOURCE_DIR "/src/ui/pictures/ball.gif", std::ios::binary);
        return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), {}};
    }();
    ASSERT_FALSE(gif.empty());
    std::uint8_t* bytes = toolkit::make_byte_string(gif);
    toolkit::set_picture(toolkit::control(kWindowId, 3), bytes);
    toolkit::release_block(bytes);
    toolkit::process_events_for_testing();
    int before = headless->presents();
    headless->wait(499);
    toolkit::process_events_for_testing();
    EXPECT_EQ(headless->presents(), before);
    headless->wait(1);
    toolkit::process_events_for_testing();
    EXPECT_EQ(headless->presents(), before + 1);
    EXPECT_THAT(headless->last_presented(), ::testing::ElementsAre(toolkit::Rect{20, 0, 60, 40}));
    headless->wait(1000);
    toolkit::process_events_for_testing();
    EXPECT_EQ(headless->presents(), before + 3);
}

class MessageBox : public ToolkitTest {};

TEST_F(MessageBox, IsDismissedByOkEnterSpaceEscapeAndItsCloseButton)
{
    static const toolkit::WindowDesign design = window({});
    using Dismiss = void (*)(toolkit::HeadlessPlatform&);
    Dismiss ways[] = {
        [](toolkit::HeadlessPlatform& p) { p.push({PlatformEvent::Type::key_pressed, 0, {}, Key::enter}); },
        [](toolkit::HeadlessPlatform& p) { p.push({PlatformEvent::Type::key_pressed, 0, {}, Key::space}); },
        [](toolkit::HeadlessPlatform& p) { p.push({PlatformEvent::Type::key_pressed, 0, {}, Key::escape}); },
        [](toolkit::HeadlessPlatform& p) { p.push({PlatformEvent::Type::close_requested, 0, {}, Key::other}); },
        [](toolkit::HeadlessPlatform& p) {
            toolkit::Rect ok = toolkit::layout_message_box("text", toolkit::MessageBoxIcon::none).ok_button;
            p.click({ok.x + ok.width / 2, ok.y + ok.height / 2});
        },
    };
    start({&design});
    toolkit::load_start_window(kWindowId);
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        headless->press_key(Key::escape, 1); // the main window takes no input meanwhile
        ways[i](*headless);
        toolkit::message_box("text", 0, "caption");
        EXPECT_TRUE(headless->script_empty()) << "way " << i;
        EXPECT_FALSE(headless->window(1).destroyed) << "way " << i;
    }
    EXPECT_EQ(headless->message_boxes().size(), std::size(ways));
    EXPECT_EQ(headless->message_boxes()[0].caption, "caption");
    EXPECT_EQ(headless->message_boxes()[0].text, "text");
}

TEST_F(MessageBox, AQuitRequestDismissesTheBoxAndThenClosesTheWindows)
{
    static const toolkit::WindowDesign design = window({});
    start({&design});
    toolkit::load_start_window(kWindowId);
    headless->push({PlatformEvent::Type::quit_requested, 0, {}, Key::other});
    toolkit::message_box("text", 0, "caption");
    EXPECT_FALSE(headless->window(1).destroyed);
    toolkit::process_events_for_testing();
    EXPECT_TRUE(headless->window(1).destroyed);
}

} // namespace
