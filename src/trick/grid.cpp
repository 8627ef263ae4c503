#include "grid.h"

namespace trick {

namespace {

constexpr int kRowsPerColumn = 20;
constexpr int kRightmostLabelLeft = 598;
constexpr int kBottomRowTop = 473;
constexpr int kColumnPitch = 58;
constexpr int kRowPitch = 24;
// A cell's picture box shares the label's last pixel column.
constexpr int kPictureBoxOffset = 24;

int column_of(int number) { return number / kRowsPerColumn; }
int row_of(int number) { return number % kRowsPerColumn; }

} // namespace

bool is_answer_tag(int tag) { return tag >= 9 && tag <= 81 && tag % 9 == 0; }

int grid_tag(int number) { return number == 0 ? 100 : number; }

int cell_number(int tag) { return tag % 100; }

int form_number(int number)
{
    switch (column_of(number)) {
    case 0:
        return 81 + number;
    case 1:
    case 2:
        return number + 21;
    case 3:
        return number - 39;
    default:
        return number < 90 ? number - 69 : 100 - number;
    }
}

std::string label_form_name(int number) { return "标签" + std::to_string(form_number(number)); }

std::string picture_box_form_name(int number) { return "图片框" + std::to_string(form_number(number)); }

std::string number_text(int number)
{
    return {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

toolkit::Rect label_rect(int number)
{
    return {kRightmostLabelLeft - kColumnPitch * column_of(number), kBottomRowTop - kRowPitch * row_of(number),
            kCellSize, kCellSize};
}

toolkit::Rect picture_box_rect(int number)
{
    toolkit::Rect rect = label_rect(number);
    rect.x += kPictureBoxOffset;
    return rect;
}

bool picture_box_first(int number) { return number % 10 == 9; }

} // namespace trick
