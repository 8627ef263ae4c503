// The three ends of the process, the clean-up and the order of start-up.

#include "toolkit_fixture.h"

#include "toolkit/fatal_error.h"
#include "toolkit/operations.h"
#include "toolkit/runtime.h"

#include <gmock/gmock.h>

using namespace toolkit_test;
using toolkit::Key;

namespace {

// Says on standard error that it ran and whether the window still existed.
void report_cleanup()
{
    std::fprintf(stderr, "clean-up ran, window %s\n", toolkit::find_window(kWindowId) ? "present" : "gone");
}

void other_cleanup() { std::fputs("replaced clean-up ran\n", stderr); }

// Records the boxes it is asked to show on standard error, so that a child
// process can tell its parent.
class TellingPlatform : public toolkit::HeadlessPlatform {
public:
    void message_box_opened(std::string_view caption, std::string_view text, int style) override
    {
        std::fprintf(stderr, "[box %.*s style %d]\n", static_cast<int>(caption.size()), caption.data(), style);
        HeadlessPlatform::message_box_opened(caption, text, style);
    }
};

const toolkit::WindowDesign& plain_window()
{
    static const toolkit::WindowDesign design = window({label(1, {0, 0, 50, 20}), picture_box(2, {0, 30, 25, 25})});
    return design;
}

// Runs a whole program on the headless platform: start, clean-up, window, loop.
[[noreturn]] void run_headless(void (*script)(toolkit::HeadlessPlatform&), void (*after_load)() = nullptr)
{
    static void (*s_after_load)();
    s_after_load = after_load;
    auto platform = std::make_unique<toolkit::HeadlessPlatform>();
    script(*platform);
    toolkit::install_platform(std::move(platform));
    toolkit::run_program([] {
        toolkit::start_toolkit({{&plain_window()}, {}, nullptr});
        toolkit::register_cleanup(report_cleanup);
        toolkit::load_start_window(kWindowId);
        if (s_after_load)
            s_after_load();
        toolkit::run_message_loop();
        return 0;
    });
}

TEST(ProcessEnd, ClosingTheWindowEndsWithZeroAfterTheCleanupOnceTheWindowIsGone)
{
    using toolkit::PlatformEvent;
    for (auto script : {+[](toolkit::HeadlessPlatform& p) { p.press_key(Key::escape); },
                        +[](toolkit::HeadlessPlatform& p) { p.push({PlatformEvent::Type::close_requested, 1, {}, Key::other}); }}) {
        EXPECT_EXIT(run_headless(script), ::testing::ExitedWithCode(0), "^clean-up ran, window gone\n$");
    }
}

TEST(ProcessEnd, EndProcessRunsTheCleanupOnceWhileTheWindowExists)
{
    EXPECT_EXIT(run_headless([](toolkit::HeadlessPlatform&) {}, [] { toolkit::end_process(7); }),
                ::testing::ExitedWithCode(7), "^clean-up ran, window present\n$");
}

TEST(ProcessEnd, FatalErrorEndsWith255WithoutTheCleanup)
{
    EXPECT_EXIT(run_headless([](toolkit::HeadlessPlatform&) {}, [] { toolkit::raise_runtime_error(5); }),
                ::testing::ExitedWithCode(255),
                "^运行时出错!\n\n错误代码：5\n\n错误信息：数据或数组类型不匹配\n$");
}

TEST(ProcessEnd, ALaterRegistrationReplacesTheCleanup)
{
    EXPECT_EXIT(
        run_headless([](toolkit::HeadlessPlatform&) {}, [] { toolkit::register_cleanup(other_cleanup); toolkit::end_process(0); }),
        ::testing::ExitedWithCode(0), "^replaced clean-up ran\n$");
}

TEST(FatalErrorText, CodeAndMessageLinesAppearOnlyWhenGiven)
{
    struct Case {
        const char* message;
        int code;
        const char* text;
    } cases[] = {
        {"未找到指定标记的组件", 0, "运行时出错!\r\n\r\n错误信息：未找到指定标记的组件\r\n"},
        {"数组成员引用下标超出定义范围", 1, "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        {"", 4, "运行时出错!\r\n\r\n错误代码：4\r\n\r\n"},
        {"", 0, "运行时出错!\r\n\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toolkit::fatal_error_text(c.message, c.code), c.text);
    EXPECT_EQ(toolkit::runtime_error_message(4), "数组成员引用下标必须大于等于1");
}

TEST(FatalError, ShowsTheErrorBoxAfterWritingTheText)
{
    auto fail = [] {
        toolkit::install_platform(std::make_unique<TellingPlatform>());
        toolkit::start_toolkit({{&plain_window()}, {}, nullptr});
        toolkit::register_cleanup(report_cleanup);
        toolkit::fatal_error("未找到指定标记的组件");
    };
    EXPECT_EXIT(fail(), ::testing::ExitedWithCode(255), "错误信息：未找到指定标记的组件\n\\[box 错误 style 16\\]\n$");
}

TEST(StartUp, WithoutADisplayStandardErrorSaysWhyAndTheStatusIs255)
{
    auto start = [] {
        auto platform = std::make_unique<toolkit::HeadlessPlatform>();
        platform->set_open_fails("cannot open the display");
        toolkit::install_platform(std::move(platform));
        toolkit::start_toolkit({{&plain_window()}, {}, nullptr});
    };
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(255), "无法打开图形显示：cannot open the display");
}

TEST(StartUp, UnreadableDesignsAndUnknownWindowsAreFatal)
{
    static toolkit::WindowDesign clashing = window({label(1, {0, 0, 5, 5}), label(1, {0, 0, 5, 5})});
    static toolkit::WindowDesign mismatched = window({label(1, {0, 0, 5, 5})});
    mismatched.controls[0].style = toolkit::ButtonStyle{};
    for (const toolkit::WindowDesign* design : {&clashing, &mismatched}) {
        EXPECT_EXIT(
            {
                toolkit::install_platform(std::make_unique<TellingPlatform>());
                toolkit::start_toolkit({{design}, {}, nullptr});
            },
            ::testing::ExitedWithCode(255), "载入窗口模板数据段出错!\n\\[box 错误 style 16\\]\n$");
    }
    EXPECT_EXIT(
        {
            toolkit::install_platform(std::make_unique<toolkit::HeadlessPlatform>());
            toolkit::start_toolkit({{&plain_window()}, {}, nullptr});
            toolkit::load_start_window(kWindowId + 1);
        },
        ::testing::ExitedWithCode(255), "载入启动窗口失败");
}

class LoadOrder : public ToolkitTest {};

std::vector<std::string>* g_log_at_created = nullptr;
toolkit::HeadlessPlatform* g_platform = nullptr;

TEST_F(LoadOrder, CreatedEventComesBeforeTheWindowIsFirstShownWithControlsInPlace)
{
    static toolkit::WindowDesign design = window({label(1, {0, 0, 50, 20}), label(2, {0, 40, 50, 20})});
    design.controls[1].visible = false;
    design.on_created = [] {
        *g_log_at_created = g_platform->log();
        // Every control exists and has its load visibility when the event comes.
        toolkit::set_visible(toolkit::control(kWindowId, 2), true);
    };
    std::vector<std::string> log_at_created;
    g_log_at_created = &log_at_created;
    g_platform = &start({&design});
    toolkit::load_start_window(kWindowId);

    EXPECT_THAT(log_at_created, ::testing::ElementsAre("open", "create 1 test window"));
    EXPECT_THAT(g_platform->log(), ::testing::ElementsAre("open", "create 1 test window", "show 1"));
    // The outer frame is centred on the 1024 x 768 screen; the client lies inside the classic
    // frame: 3 pixels of border on each side and a 22-pixel title bar.
    EXPECT_EQ(g_platform->window(1).client_position.x, (1024 - 206) / 2 + 3);
    EXPECT_EQ(g_platform->window(1).client_position.y, (768 - 155) / 2 + 25);
}

} // namespace
