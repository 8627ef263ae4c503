#include "ui/main_window_design.h"

#include "trick/author.h"
#include "trick/controls.h"
#include "trick/grid.h"
#include "trick/turn_flow.h"
#include "ui/main_window_texts.h"
#include "ui/pictures.h"

#include <string>

namespace ui {

using namespace toolkit;

namespace {

constexpr Color kGreen{0, 255, 0};
constexpr Color kYellow{255, 255, 0};
constexpr Color kDarkRed{128, 0, 0};

const Background kSystemDefault{};
const Background kWhiteGround{{kWhite}};
const Font kSystemGuiFont{};

// A control with the defaults: visible, enabled, no tab stop, arrow cursor,
// no tag and no event bound.
ControlDesign control(std::string form_name, ControlKind kind, std::int32_t id, Rect rect, ControlStyle style)
{
    ControlDesign c;
    c.form_name = std::move(form_name);
    c.kind = kind;
    c.id = id;
    c.rect = rect;
    c.style = std::move(style);
    return c;
}

ControlDesign link_box()
{
    ControlDesign c = control("超级链接框1", ControlKind::hyperlink_box, trick::kLinkBoxId, {251, 393, 72, 24},
                              HyperlinkStyle{.caption = std::string(kLinkCaption),
                                             .link_kind = LinkKind::web,
                                             .web_address = std::string(trick::kAuthorSiteAddress),
                                             .mail_address = "",
                                             .normal_color = {0, 0, 255},
                                             .hover_color = {49, 106, 197},
                                             .visited_color = kDarkRed,
                                             .background = kSystemDefault,
                                             .border = Border::raised_frame,
                                             .font = kSystemGuiFont});
    c.cursor = Cursor::hand;
    c.on_left_pressed = trick::on_link_pressed;
    return c;
}

ControlDesign banner()
{
    ControlDesign c = control("图片框102", ControlKind::picture_box, trick::kBannerId, {14, 422, 320, 82},
                              PictureBoxStyle{.picture = banner_picture,
                                              .mode = DisplayMode::stretch,
                                              .background = kSystemDefault,
                                              .border = Border::none});
    c.cursor = Cursor::hand;
    c.on_left_pressed = trick::on_banner_pressed;
    return c;
}

ControlDesign instructions()
{
    return control("标签102", ControlKind::label, trick::kInstructionsId, {14, 281, 320, 136},
                   LabelStyle{.text = std::string(kInstructionsText),
                              .font = kSystemGuiFont,
                              .text_color = kBlack,
                              .background = {{kGreen}},
                              .border = Border::none,
                              .effect = TextEffect::none,
                              .horizontal_align = HorizontalAlign::left,
                              .vertical_align = VerticalAlign::top,
                              .word_wrap = true});
}

ControlDesign ball()
{
    ControlDesign c = control("图片框_zb", ControlKind::picture_box, trick::kBallId, {77, 9, 176, 216},
                              PictureBoxStyle{.picture = ball_picture,
                                              .mode = DisplayMode::fit,
                                              .background = kSystemDefault,
                                              .border = Border::none});
    c.cursor = Cursor::hand;
    c.on_left_pressed = trick::on_ball_pressed;
    return c;
}

ControlDesign caption()
{
    return control("标签101", ControlKind::label, trick::kCaptionId, {87, 73, 160, 32},
                   LabelStyle{.text = std::string(kCaptionText),
                              .font = {"隶书", 20, false, false},
                              .text_color = kYellow,
                              .background = {{kWhite, kBlack, kWhite}},
                              .border = Border::none,
                              .effect = TextEffect::none,
                              .horizontal_align = HorizontalAlign::center,
                              .vertical_align = VerticalAlign::center,
                              .word_wrap = false});
}

// Disabled, so that presses on it reach nothing while it covers the grid.
ControlDesign hint()
{
    ControlDesign c = control("标签_提示", ControlKind::label, trick::kHintId, {354, 9, 304, 496},
                              LabelStyle{.text = hint_text(),
                                         .font = {"楷体_GB2312", 24, true, false},
                                         .text_color = kBlack,
                                         .background = kWhiteGround,
                                         .border = Border::thin_sunken,
                                         .effect = TextEffect::engraved,
                                         .horizontal_align = HorizontalAlign::center,
                                         .vertical_align = VerticalAlign::top,
                                         .word_wrap = true});
    c.visible = false;
    c.enabled = false;
    return c;
}

ControlDesign answer_box()
{
    return control("图片框_jg", ControlKind::picture_box, trick::kAnswerBoxId, {151, 161, 25, 25},
                   PictureBoxStyle{.picture = nullptr,
                                   .mode = DisplayMode::stretch,
                                   .background = kWhiteGround,
                                   .border = Border::none});
}

ControlDesign retry_button()
{
    ControlDesign c = control("按钮1", ControlKind::button, trick::kRetryButtonId, {125, 233, 88, 40},
                              ButtonStyle{.caption = std::string(kRetryButtonCaption)});
    c.tab_stop = true;
    c.on_clicked = trick::on_retry_clicked;
    return c;
}

ControlDesign grid_label(int number)
{
    int n = trick::form_number(number);
    ControlDesign c = control("标签" + std::to_string(n), ControlKind::label, grid_label_id(n),
                              trick::label_rect(number),
                              LabelStyle{.text = trick::number_text(number),
                                         .font = {"黑体", 14, true, true},
                                         .text_color = kDarkRed,
                                         .background = kSystemDefault,
                                         .border = Border::single_line,
                                         .effect = TextEffect::none,
                                         .horizontal_align = HorizontalAlign::center,
                                         .vertical_align = VerticalAlign::center,
                                         .word_wrap = false});
    c.tag = trick::kGridLabelTag;
    return c;
}

// The deal finds these by their tags and gives them their pictures.
ControlDesign grid_picture_box(int number)
{
    int n = trick::form_number(number);
    ControlDesign c = control("图片框" + std::to_string(n), ControlKind::picture_box, grid_picture_box_id(n),
                              trick::picture_box_rect(number),
                              PictureBoxStyle{.picture = nullptr,
                                              .mode = DisplayMode::stretch,
                                              .background = kSystemDefault,
                                              .border = Border::single_line});
    c.tag = std::to_string(trick::grid_tag(number));
    return c;
}

WindowDesign build_main_window_design()
{
    WindowDesign w;
    w.form_name = "窗口1";
    w.id = trick::kMainWindowId;
    w.title = main_window_title();
    w.outer_size = {686, 555};
    w.client_size = {680, 527};
    w.stored_position = {50, 50};
    w.background = kWhite;
    w.escape_closes = true;
    w.on_created = trick::on_main_window_created;

    w.controls = {link_box(), banner(), instructions(), ball(), caption(), hint(), answer_box(), retry_button()};
    for (int number = 0; number < trick::kCellCount; ++number) {
        if (trick::picture_box_first(number)) {
            w.controls.push_back(grid_picture_box(number));
            w.controls.push_back(grid_label(number));
        } else {
            w.controls.push_back(grid_label(number));
            w.controls.push_back(grid_picture_box(number));
        }
    }
    return w;
}

} // namespace

// 图片框1 … 图片框100 take the ids from kCell09PictureBoxId − 89 up to
// kCell09PictureBoxId + 10, their labels the hundred ids below those: all
// under the ids of the eight other controls.
static_assert(trick::kCell09PictureBoxId + 10 < trick::kRetryButtonId);

std::int32_t grid_picture_box_id(int form_number) { return trick::kCell09PictureBoxId - 90 + form_number; }
std::int32_t grid_label_id(int form_number) { return grid_picture_box_id(form_number) - 100; }

const WindowDesign& main_window_design()
{
    static const WindowDesign design = build_main_window_design();
    return design;
}

} // namespace ui
