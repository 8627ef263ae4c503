// Tag lookup, the picture-box reference, pictures copied in and out, array
// blocks and the command line.

#include "toolkit_fixture.h"

#include "toolkit/byte_string.h"
#include "toolkit/command_line.h"
#include "toolkit/control_ref.h"
#include "toolkit/operations.h"

#include <gmock/gmock.h>

#include <cstring>
#include <fstream>
#include <iterator>

using namespace toolkit_test;
using toolkit::ControlKind;

namespace {

std::vector<std::uint8_t> read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class TagLookup : public ToolkitTest {
protected:
    void SetUp() override
    {
        // Tags read as decimal prefixes: "7x" is 7, "x7" is 0; a later control
        // with the same value is never found.
        design = window({label(1, {}, "888"), label(2, {}, "7x"), picture_box(3, {}, "7"),
                         picture_box(4, {}, "x7"), picture_box(5, {}, "12"), label(6, {}, "0012")});
        design.tag = "3";
        start({&design});
        toolkit::load_start_window(kWindowId);
    }
    toolkit::WindowDesign design;
};

TEST_F(TagLookup, FindsTheFirstInControlOrderWithTheWindowFirst)
{
    struct Case {
        int tag;
        std::int32_t control_id;
        ControlKind kind;
    } cases[] = {
        {888, 1, ControlKind::label}, {7, 2, ControlKind::label}, {0, 4, ControlKind::picture_box},
        {12, 5, ControlKind::picture_box}, {3, 0, ControlKind::window},
    };
    for (const Case& c : cases) {
        toolkit::ControlRef found = toolkit::find_control_by_tag(kWindowId, c.tag);
        EXPECT_EQ(found.window_id, kWindowId);
        EXPECT_EQ(found.control_id, c.control_id) << "tag " << c.tag;
        EXPECT_EQ(found.kind, c.kind) << "tag " << c.tag;
    }
}

TEST_F(TagLookup, NoMatchIsFatalWithoutCode)
{
    EXPECT_EXIT(toolkit::find_control_by_tag(kWindowId, 99), ::testing::ExitedWithCode(255),
                "^运行时出错!\n\n错误信息：未找到指定标记的组件\n$");
}

TEST_F(TagLookup, APictureBoxReferenceTakesOnlyPictureBoxes)
{
    toolkit::PictureBoxRef ref;
    EXPECT_TRUE(ref.ref().is_null());
    ref = toolkit::find_control_by_tag(kWindowId, 12);
    EXPECT_EQ(ref.control_id(), 5);
    EXPECT_EXIT(ref = toolkit::find_control_by_tag(kWindowId, 7), ::testing::ExitedWithCode(255),
                "错误代码：5\n\n错误信息：数据或数组类型不匹配");
    EXPECT_EXIT(ref = toolkit::find_control_by_tag(kWindowId, 3), ::testing::ExitedWithCode(255), "错误代码：5");
}

TEST_F(TagLookup, PicturesAreCopiedInAndOut)
{
    std::vector<std::uint8_t> jpeg = read_file(SOURCE_DIR "/src/symbols/pictures/symbol_01.jpg");
    ASSERT_FALSE(jpeg.empty());
    std::uint8_t* bytes = toolkit::make_byte_string(jpeg);
    toolkit::ControlRef box = toolkit::control(kWindowId, 3);
    EXPECT_EQ(toolkit::get_picture(box), nullptr);

    toolkit::set_picture(box, bytes);
    std::memset(bytes + toolkit::kArrayHeaderBytes, 0, jpeg.size()); // the box kept its own copy
    std::uint8_t* copy = toolkit::get_picture(box);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, bytes);
    auto out = toolkit::byte_string_bytes(copy);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), jpeg.begin(), jpeg.end()));
    toolkit::release_block(copy);
    toolkit::release_block(bytes);

    EXPECT_EXIT(toolkit::get_picture(toolkit::control(kWindowId, 1)), ::testing::ExitedWithCode(255), "错误代码：5");
}

TEST_F(TagLookup, BytesThatCannotBeDecodedLeaveTheBoxWithoutAPicture)
{
    std::vector<std::uint8_t> jpeg = read_file(SOURCE_DIR "/src/symbols/pictures/symbol_01.jpg");
    toolkit::ControlRef box = toolkit::control(kWindowId, 3);
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, jpeg.size() / 2, jpeg.size() - 2}) {
        std::vector<std::uint8_t> broken(jpeg.begin(), jpeg.begin() + static_cast<long>(length));
        std::uint8_t* bytes = toolkit::make_byte_string(broken);
        toolkit::set_picture(box, bytes);
        EXPECT_EQ(toolkit::get_picture(box), nullptr) << "length " << length;
        toolkit::release_block(bytes);
    }
    toolkit::process_events_for_testing(); // and drawing the box does not fail either
}

TEST(ArrayBlock, ByteStringsAndElementCounts)
{
    const std::uint8_t data[] = {9, 8, 7};
    std::uint8_t* block = toolkit::make_byte_string(data);
    std::uint32_t words[2];
    std::memcpy(words, block, sizeof words);
    EXPECT_EQ(words[0], 1u);
    EXPECT_EQ(words[1], 3u);
    EXPECT_EQ(toolkit::element_count(block), 3u);
    EXPECT_THAT(toolkit::byte_string_bytes(block), ::testing::ElementsAre(9, 8, 7));
    toolkit::release_block(block);

    const std::uint32_t no_dimensions[] = {0};
    const std::uint32_t two_by_three[] = {2, 2, 3};
    EXPECT_EQ(toolkit::element_count(no_dimensions), 0u);
    EXPECT_EQ(toolkit::element_count(two_by_three), 6u);
}

TEST(ArrayBlock, StorageThatCannotBeHadIsFatalWithTheByteCount)
{
    EXPECT_EXIT(
        {
            toolkit::set_allocation_failure_for_testing([](std::size_t bytes) { return bytes == 1033 + 8; });
            const std::vector<std::uint8_t> picture(1033);
            toolkit::make_byte_string(picture);
        },
        ::testing::ExitedWithCode(255), "^运行时出错!\n\n错误信息：分配 1041 字节内存失败!\n$");
}

TEST(CommandLine, SplitsIntoWordsWithoutAShell)
{
    struct Case {
        const char* line;
        std::vector<std::string> words;
    } cases[] = {
        {"explorer http://www.norvane.example", {"explorer", "http://www.norvane.example"}},
        {"  a\t b  ", {"a", "b"}},
        {"p \"two words\" x\"y z\"", {"p", "two words", "xy z"}},
        {"p $(touch x) ;|& *", {"p", "$(touch", "x)", ";|&", "*"}},
        {"p \"\"", {"p", ""}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toolkit::split_command_line(c.line), c.words) << c.line;
}

class RunCommand : public ToolkitTest {};

TEST_F(RunCommand, ExplorerStandsForTheSystemOpener)
{
    static const toolkit::WindowDesign design = window({});
    start({&design});
    EXPECT_TRUE(toolkit::run_command("explorer http://www.norvane.example", false));
    EXPECT_TRUE(toolkit::run_command("other \"a b\"", false));
    EXPECT_FALSE(toolkit::run_command("   ", false));
    headless->set_launch_succeeds(false);
    EXPECT_FALSE(toolkit::run_command("missing-program", false));
    EXPECT_THAT(headless->launches(),
                ::testing::ElementsAre(std::vector<std::string>{"xdg-open", "http://www.norvane.example"},
                                       std::vector<std::string>{"other", "a b"},
                                       std::vector<std::string>{"missing-program"}));
}

} // namespace
