#include "symbols/pictures.h"
#include "symbols/symbol_list.h"
#include "toolkit/lifecycle.h"
#include "toolkit/operations.h"
#include "toolkit/platform_headless.h"
#include "toolkit/random.h"
#include "toolkit/runtime.h"
#include "toolkit/testing.h"
#include "trick/controls.h"
#include "trick/deal.h"
#include "trick/grid.h"
#include "ui/main_window_design.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace trick {
namespace {

using toolkit::ControlDesign;
using toolkit::ControlKind;
using toolkit::WindowDesign;

std::int32_t picture_box_id(int number) { return number == 9 ? kCell09PictureBoxId : 1000 + number; }
std::int32_t label_id(int number) { return 2000 + number; }

// A window holding only what the deal works on: the grid, by its rules, and
// the answer picture box. `adjust` changes a cell's two controls.
WindowDesign grid_window(const std::function<void(int number, ControlDesign& label, ControlDesign& box)>& adjust = {})
{
    auto control = [](std::string form_name, ControlKind kind, std::int32_t id, toolkit::Rect rect, std::string tag,
                      toolkit::ControlStyle style) {
        ControlDesign design;
        design.form_name = std::move(form_name);
        design.kind = kind;
        design.id = id;
        design.rect = rect;
        design.tag = std::move(tag);
        design.style = std::move(style);
        return design;
    };
    WindowDesign window;
    window.form_name = "窗口_测试";
    window.id = kMainWindowId;
    window.outer_size = {686, 555};
    window.client_size = {680, 527};
    window.controls.push_back(
        control("图片框_jg", ControlKind::picture_box, kAnswerBoxId, {151, 161, 25, 25}, {}, toolkit::PictureBoxStyle{}));
    for (int n = 0; n < kCellCount; ++n) {
        toolkit::LabelStyle text;
        text.text = number_text(n);
        ControlDesign label = control(label_form_name(n), ControlKind::label, label_id(n), label_rect(n),
                                      std::string(kGridLabelTag), text);
        ControlDesign box = control(picture_box_form_name(n), ControlKind::picture_box, picture_box_id(n),
                                    picture_box_rect(n), std::to_string(grid_tag(n)), toolkit::PictureBoxStyle{});
        if (adjust)
            adjust(n, label, box);
        if (picture_box_first(n)) {
            window.controls.push_back(box);
            window.controls.push_back(label);
        } else {
            window.controls.push_back(label);
            window.controls.push_back(box);
        }
    }
    return window;
}

toolkit::ProgramResources resources_of(const WindowDesign& design)
{
    toolkit::ProgramResources resources;
    resources.designs = {&design};
    return resources;
}

// The symbol a picture box shows, told by its bytes: 1..18, or 0 for none.
int shown_symbol(const toolkit::ControlRef& box)
{
    std::uint8_t* copy = toolkit::get_picture(box);
    auto bytes = toolkit::byte_string_bytes(copy);
    int shown = 0;
    for (int i = 1; i <= symbols::kSymbolCount; ++i) {
        auto built_in = toolkit::byte_string_bytes(symbols::built_in_symbols()[i - 1]);
        if (std::equal(bytes.begin(), bytes.end(), built_in.begin(), built_in.end()))
            shown = i;
    }
    toolkit::release_block(copy);
    return shown;
}

// The main window on the headless platform with a filled symbol list.
class DealTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        symbols::release_symbol_list();
        toolkit::reset_for_testing();
    }

    void load(WindowDesign design, int pictures = symbols::kSymbolCount)
    {
        toolkit::reset_for_testing();
        m_design = std::move(design);
        auto platform = std::make_unique<toolkit::HeadlessPlatform>();
        m_platform = platform.get();
        toolkit::install_platform(std::move(platform));
        toolkit::start_toolkit(resources_of(m_design));
        toolkit::load_start_window(kMainWindowId);
        symbols::create_symbol_list();
        for (int i = 0; i < pictures; ++i)
            symbols::append_symbol(symbols::built_in_symbols()[i]);
    }

    void deal_at_uptime(std::uint32_t uptime)
    {
        m_platform->set_uptime_ms(uptime - static_cast<std::uint32_t>(m_platform->now_ms()));
        deal_symbols();
    }

    static toolkit::ControlRef cell(int tag) { return toolkit::find_control_by_tag(kMainWindowId, tag); }
    static toolkit::ControlRef answer_box() { return toolkit::control(kMainWindowId, kAnswerBoxId); }

    // Symbols by tag; index 0 unused.
    static std::array<int, 101> grid()
    {
        std::array<int, 101> symbols{};
        for (int tag = 1; tag <= 100; ++tag)
            symbols[tag] = shown_symbol(cell(tag));
        return symbols;
    }

    static bool visible(std::int32_t control_id)
    {
        return toolkit::find_window(kMainWindowId)->find(control_id)->visible;
    }

    WindowDesign m_design;
    toolkit::HeadlessPlatform* m_platform = nullptr;
};

TEST_F(DealTest, SeedOneGivesTheKnownGridAfterNinetySixDraws)
{
    load(grid_window());
    deal_at_uptime(1);
    const std::array<int, 3> next_draws{toolkit::random_int(0, 0x7FFF), toolkit::random_int(0, 0x7FFF),
                                         toolkit::random_int(0, 0x7FFF)};

    const auto symbols = grid();
    for (int tag : kAnswerTags)
        EXPECT_EQ(symbols[tag], 6) << tag;
    EXPECT_EQ(shown_symbol(answer_box()), 6);
    EXPECT_EQ(std::vector<int>(symbols.begin() + 1, symbols.begin() + 9),
              (std::vector<int>{18, 17, 5, 18, 11, 13, 1, 17}));
    EXPECT_EQ(symbols[100], 11);

    toolkit::seed_random(1);
    for (int i = 0; i < 96; ++i)
        toolkit::random_int(1, 18);
    const std::array<int, 3> after_ninety_six{toolkit::random_int(0, 0x7FFF), toolkit::random_int(0, 0x7FFF),
                                               toolkit::random_int(0, 0x7FFF)};
    EXPECT_EQ(next_draws, after_ninety_six) << "the deal did not consume exactly 96 draws";
}

TEST_F(DealTest, RejectedDrawsAreDiscardedInCellOrder)
{
    // The generator reseeded with this value draws 7, 7, 7, 2, 7, 13 from 1..18.
    constexpr std::uint32_t kUptime = 32467949;
    toolkit::seed_random(kUptime);
    std::vector<int> draws;
    for (int i = 0; i < 6; ++i)
        draws.push_back(toolkit::random_int(1, 18));
    ASSERT_EQ(draws, (std::vector<int>{7, 7, 7, 2, 7, 13}));

    load(grid_window());
    deal_at_uptime(kUptime);

    EXPECT_EQ(shown_symbol(answer_box()), 7);
    EXPECT_EQ(shown_symbol(cell(1)), 2);
    EXPECT_EQ(shown_symbol(cell(2)), 13);
}

TEST_F(DealTest, OnlyTheNineAnswerCellsAndTheAnswerBoxShowTheAnswer)
{
    load(grid_window());
    // One uptime for each possible answer, and the ends of the range.
    std::map<int, std::uint32_t> uptime_for_answer;
    for (std::uint32_t uptime = 0; uptime_for_answer.size() < 18; ++uptime) {
        toolkit::seed_random(uptime);
        uptime_for_answer.emplace(toolkit::random_int(1, 18), uptime);
    }
    std::vector<std::uint32_t> uptimes{0xFFFFFFFFu, 0x80000000u};
    for (auto [answer, uptime] : uptime_for_answer)
        uptimes.push_back(uptime);

    std::set<int> answers;
    for (std::uint32_t uptime : uptimes) {
        SCOPED_TRACE(uptime);
        deal_at_uptime(uptime);
        const auto symbols = grid();
        const int answer = shown_symbol(answer_box());
        ASSERT_GE(answer, 1);
        answers.insert(answer);
        std::set<int> others;
        for (int tag = 1; tag <= 100; ++tag) {
            EXPECT_EQ(symbols[tag] == answer, is_answer_tag(tag)) << "tag " << tag << " shows " << symbols[tag];
            EXPECT_GE(symbols[tag], 1) << tag;
            EXPECT_TRUE(visible(cell(tag).control_id)) << tag;
            if (!is_answer_tag(tag))
                others.insert(symbols[tag]);
        }
        EXPECT_GT(others.size(), 8u) << "the other cells are not drawn each on its own";
    }
    EXPECT_EQ(answers.size(), 18u);
}

TEST_F(DealTest, TheSameUptimeGivesTheSameGrid)
{
    load(grid_window());
    deal_at_uptime(424242);
    const auto first = grid();
    deal_at_uptime(424243);
    const auto other = grid();
    deal_at_uptime(424242);

    EXPECT_EQ(grid(), first);
    EXPECT_NE(other, first);
}

TEST_F(DealTest, CellRefNamesTheBoxOfCell00AfterADeal)
{
    load(grid_window());
    deal_at_uptime(77);
    EXPECT_EQ(cell_ref.ref(), (toolkit::ControlRef{kMainWindowId, picture_box_id(0), ControlKind::picture_box}));
}

TEST_F(DealTest, TheListKeepsItsElementsUnchanged)
{
    load(grid_window());
    std::vector<toolkit::ByteString> before;
    for (int i = 1; i <= 18; ++i)
        before.push_back(symbols::symbol(i));

    deal_at_uptime(5);

    ASSERT_EQ(symbols::symbol_count(), 18u);
    for (int i = 1; i <= 18; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(symbols::symbol(i), before[i - 1]);
        auto element = toolkit::byte_string_bytes(symbols::symbol(i));
        auto built_in = toolkit::byte_string_bytes(symbols::built_in_symbols()[i - 1]);
        EXPECT_TRUE(std::equal(element.begin(), element.end(), built_in.begin(), built_in.end()));
    }
}

TEST_F(DealTest, OnTheMainWindowEveryGridTagFindsItsPictureBox)
{
    toolkit::reset_for_testing();
    toolkit::install_platform(std::make_unique<toolkit::HeadlessPlatform>());
    toolkit::start_toolkit(resources_of(ui::main_window_design()));
    symbols::create_symbol_list();
    toolkit::load_start_window(kMainWindowId); // its created event deals the first turn

    EXPECT_EQ(cell_ref.control_id(), ui::grid_picture_box_id(81));
    EXPECT_EQ(cell(100).control_id, ui::grid_picture_box_id(81));
    EXPECT_EQ(cell(9).control_id, kCell09PictureBoxId);
    for (int tag = 1; tag <= 100; ++tag) {
        const toolkit::ControlRef found = cell(tag);
        EXPECT_EQ(found.kind, ControlKind::picture_box) << tag;
        EXPECT_EQ(found.control_id, ui::grid_picture_box_id(form_number(cell_number(tag)))) << tag;
    }
}

using DealDeathTest = DealTest;

TEST_F(DealDeathTest, BrokenInvariantsEndTheProcessWithTheirError)
{
    struct Case {
        const char* what;
        std::function<void(int, ControlDesign&, ControlDesign&)> adjust;
        int pictures;
        const char* error;
    };
    const Case cases[] = {
        {"no control carries tag 57",
         [](int n, ControlDesign&, ControlDesign& box) {
             if (n == 57)
                 box.tag.clear();
         },
         18, "运行时出错!\n\n错误信息：未找到指定标记的组件\n"},
        {"tag 100 on the label of cell 00",
         [](int n, ControlDesign& label, ControlDesign&) {
             if (n == 0)
                 label.tag = "100";
         },
         18, "错误代码：5\n\n错误信息：数据或数组类型不匹配\n"},
        // Seeded with 1 the answer is 6.
        {"a list of five pictures", {}, 5, "错误代码：1\n\n错误信息：数组成员引用下标超出定义范围\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EXIT(
            {
                load(grid_window(c.adjust), c.pictures);
                deal_at_uptime(1);
            },
            ::testing::ExitedWithCode(255), c.error);
    }
}

} // namespace
} // namespace trick
