#include "trick/grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace trick {
namespace {

TEST(GridRules, CellsAtTheColumnEdgesHaveTheirPlacesAndFormNames)
{
    struct Case {
        int number;
        int form_number;
        int label_left;
        int top;
    };
    const Case cases[] = {
        {0, 81, 598, 473},  {9, 90, 598, 257},  {19, 100, 598, 17}, {20, 41, 540, 473}, {39, 60, 540, 17},
        {40, 61, 482, 473}, {59, 80, 482, 17},  {60, 21, 424, 473}, {79, 40, 424, 17},  {80, 11, 366, 473},
        {89, 20, 366, 257}, {90, 10, 366, 233}, {99, 1, 366, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(form_number(c.number), c.form_number);
        EXPECT_EQ(label_rect(c.number), (toolkit::Rect{c.label_left, c.top, 25, 25}));
        EXPECT_EQ(picture_box_rect(c.number), (toolkit::Rect{c.label_left + 24, c.top, 25, 25}));
    }
    EXPECT_EQ(picture_box_form_name(9), "图片框90");
    EXPECT_EQ(label_form_name(90), "标签10");
}

TEST(GridRules, FormNumbersTagsAndTextsNameEachCellOnce)
{
    std::set<int> form_numbers, tags;
    std::set<std::string> texts;
    for (int n = 0; n < kCellCount; ++n) {
        form_numbers.insert(form_number(n));
        tags.insert(grid_tag(n));
        texts.insert(number_text(n));
        EXPECT_EQ(cell_number(grid_tag(n)), n);
    }
    EXPECT_EQ(form_numbers.size(), 100u);
    EXPECT_EQ(*form_numbers.begin(), 1);
    EXPECT_EQ(*form_numbers.rbegin(), 100);
    EXPECT_EQ(tags.size(), 100u);
    EXPECT_EQ(*tags.begin(), 1);
    EXPECT_EQ(*tags.rbegin(), 100);
    EXPECT_EQ(texts.size(), 100u);
    EXPECT_EQ(number_text(0), "00");
    EXPECT_EQ(number_text(7), "07");
    EXPECT_EQ(grid_tag(0), 100);
}

TEST(GridRules, AnswerTagsAreTheNineMultiplesOfNineThatASubtractionReaches)
{
    for (int tag = 1; tag <= 100; ++tag) {
        bool listed = std::find(kAnswerTags.begin(), kAnswerTags.end(), tag) != kAnswerTags.end();
        EXPECT_EQ(is_answer_tag(tag), listed) << tag;
    }
    for (int tens = 1; tens <= 9; ++tens)
        for (int units = 0; units <= 9; ++units)
            EXPECT_TRUE(is_answer_tag(10 * tens + units - tens - units));
    EXPECT_FALSE(is_answer_tag(90));
    EXPECT_FALSE(is_answer_tag(99));
    EXPECT_FALSE(is_answer_tag(grid_tag(0)));
}

TEST(GridRules, PictureBoxComesFirstOnlyInCellsEndingInNine)
{
    for (int n = 0; n < kCellCount; ++n)
        EXPECT_EQ(picture_box_first(n), n % 10 == 9) << n;
}

TEST(GridRules, RowsOverlapByOnePixelAndColumnsLeaveNineFree)
{
    for (int n = 0; n < kCellCount; ++n) {
        SCOPED_TRACE(n);
        const toolkit::Rect label = label_rect(n), box = picture_box_rect(n);
        EXPECT_EQ(label.right() - box.x, 1) << "a label and its picture box share one column";
        if (n % 20 != 19) {
            EXPECT_EQ(label_rect(n + 1).bottom() - label.y, 1);
        }
        if (n >= 20) {
            EXPECT_EQ(label_rect(n - 20).x - box.right(), 9);
        }
        EXPECT_TRUE(box.x >= 0 && box.right() <= 680 && box.y >= 0 && box.bottom() <= 527);
    }
}

} // namespace
} // namespace trick
