#pragma once

// The table of the numbers "00" to "99". Cell n has a label showing its
// number (tag "888") and a picture box carrying its grid tag (n, or 100 for
// "00"). Five columns of twenty run from right to left, each numbered upwards
// from the bottom row. Every rule here is a formula of n.

#include "toolkit/geometry.h"

#include <array>
#include <string>
#include <string_view>

namespace trick {

inline constexpr int kCellCount = 100;
inline constexpr int kCellSize = 25;
inline constexpr std::string_view kGridLabelTag = "888";

// The cells every "number minus its digits" lands on: 9 × 1 .. 9 × 9.
inline constexpr std::array<int, 9> kAnswerTags{9, 18, 27, 36, 45, 54, 63, 72, 81};

bool is_answer_tag(int tag);
int grid_tag(int number);      // 1..99 -> itself, 0 -> 100
int cell_number(int tag);      // tag mod 100
// N in the form names 标签N and 图片框N of cell n (N is not n).
int form_number(int number);
std::string label_form_name(int number);       // "标签" + N
std::string picture_box_form_name(int number); // "图片框" + N
std::string number_text(int number); // "00" .. "99"
toolkit::Rect label_rect(int number);
toolkit::Rect picture_box_rect(int number);
// In the control order a cell's label precedes its picture box, except in the
// cells whose number ends in 9.
bool picture_box_first(int number);

} // namespace trick
