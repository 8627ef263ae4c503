#include "app/globals.h"
#include "toolkit/byte_string.h"
#include "toolkit/lifecycle.h"
#include "toolkit/platform_headless.h"
#include "toolkit/runtime.h"
#include "toolkit/testing.h"
#include "trick/author.h"
#include "trick/controls.h"
#include "trick/turn_flow.h"
#include "ui/main_window_design.h"
#include "ui/main_window_texts.h"
#include "ui/pictures.h"
#include "ui/program_resources.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace toolkit;

const WindowDesign& design() { return ui::main_window_design(); }

// Written out independently of the code, with the punctuation that is easy to
// mistake spelt as escapes: U+3000 ideographic space, U+201C/U+201D curly
// quotes, U+FF1A full-width colon, U+FF08/U+FF09 full-width parentheses.
const std::string kTitle = "星澜宝镜\uff08神奇灵犀诀\uff09--- By 柏青岚 QQ:01234567";
const std::string kInstructions =
    "\r\n"
    "\u201c吉普赛人祖传的神奇灵犀诀.它能测算出你的内心感应\u201d\r\n"
    "\r\n"
    "\u3000\u3000提示\uff1a\r\n"
    "\u3000\u3000任意选择一个两位数\uff08或者说\uff0c从10~99之间任意选择一个数\uff09\uff0c"
    "用这个数减去十位的数字\uff0c再减去个位的数字\u3002例如\uff1a你选的数是23\uff0c然后23-2-3=18\r\n"
    "\u3000\u3000在图表中找出与最后得出的数所相应的图形\uff0c并把这个图形牢记心中\uff0c然后点击水晶球\u3002"
    "你会发现\uff0c水晶球所显示出来的图形就是你刚刚心里记下的那个图形\u3002\r\n";
const std::string kHint = "\r\n\r\n\r\n\r\n\r\n\r\n"
                          "已经读出你心中所想\uff01\r\n"
                          "对不对\uff1f\r\n"
                          "\r\n"
                          "要不要再试一次\uff1f\r\n"
                          "\r\n\r\n\r\n"
                          "作者QQ:01234567\r\n"
                          "主站\uff1awww.norvane.example";
const std::string kCaption = "读到的记忆图形";
const std::string kRetry = "再试一次\uff1f";
const std::string kLink = "进入网站";

// What a control shows as its text: a label's text, a button's or hyperlink
// box's caption; nothing for a picture box.
std::string shown_text(const ControlDesign& control)
{
    if (auto* label = std::get_if<LabelStyle>(&control.style))
        return label->text;
    if (auto* button = std::get_if<ButtonStyle>(&control.style))
        return button->caption;
    if (auto* link = std::get_if<HyperlinkStyle>(&control.style))
        return link->caption;
    return "";
}

// The integer value of a tag text, as a lookup by tag compares it: its
// leading digits, 0 when there are none.
long tag_value(const std::string& tag)
{
    long value = 0;
    for (char c : tag) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool style_matches_kind(const ControlDesign& c)
{
    switch (c.kind) {
    case ControlKind::label: return std::holds_alternative<LabelStyle>(c.style);
    case ControlKind::picture_box: return std::holds_alternative<PictureBoxStyle>(c.style);
    case ControlKind::button: return std::holds_alternative<ButtonStyle>(c.style);
    case ControlKind::hyperlink_box: return std::holds_alternative<HyperlinkStyle>(c.style);
    case ControlKind::window: return false;
    }
    return false;
}

// ---- texts ----------------------------------------------------------------

TEST(MainWindowTexts, AreByteExact)
{
    EXPECT_EQ(ui::main_window_title(), kTitle);
    EXPECT_EQ(ui::kInstructionsText, kInstructions);
    EXPECT_EQ(ui::hint_text(), kHint);
    EXPECT_EQ(ui::kCaptionText, kCaption);
    EXPECT_EQ(ui::kRetryButtonCaption, kRetry);
    EXPECT_EQ(ui::kLinkCaption, kLink);
}

TEST(MainWindowTexts, BreakLinesOnlyWithCarriageReturnLineFeed)
{
    for (const std::string& text : {ui::main_window_title(), std::string(ui::kInstructionsText), ui::hint_text()}) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
            }
            if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare carriage return at " << i;
            }
        }
    }
}

TEST(MainWindowTexts, ShowTheSameContactDetailsAsTheSiteCommand)
{
    std::string number(trick::kAuthorMessengerNumber);
    std::string domain(trick::kAuthorSiteDomain);
    EXPECT_TRUE(ui::main_window_title().ends_with("QQ:" + number));
    EXPECT_TRUE(ui::hint_text().ends_with("作者QQ:" + number + "\r\n主站\uff1a" + domain));
    EXPECT_EQ(std::string(trick::kAuthorSiteAddress), "http://" + domain);
}

// ---- the window -------------------------------------------------------------

TEST(MainWindowDesign, WindowProperties)
{
    const WindowDesign& w = design();
    EXPECT_EQ(w.id, trick::kMainWindowId);
    EXPECT_EQ(w.id, 1375797249);
    EXPECT_EQ(w.title, kTitle);
    EXPECT_EQ(w.outer_size, (Size{686, 555}));
    EXPECT_EQ(w.client_size, (Size{680, 527}));
    EXPECT_EQ(w.stored_position.x, 50);
    EXPECT_EQ(w.stored_position.y, 50);
    EXPECT_EQ(w.background, kWhite);
    EXPECT_TRUE(w.escape_closes);
    EXPECT_EQ(tag_value(w.tag), 0);
    EXPECT_EQ(w.on_created, &trick::on_main_window_created);
    EXPECT_EQ(w.controls.size(), 208u);
    EXPECT_EQ(&ui::main_window_design(), &w) << "built once";
}

// ---- the controls, by table ---------------------------------------------------

struct Row {
    std::size_t index; // in the control order
    const char* form_name;
    ControlKind kind;
    std::optional<std::int32_t> id; // grid ids are free but for 图片框90
    Rect rect;
    bool visible;
    bool enabled;
    std::string tag;
    std::string text;
};

constexpr auto L = ControlKind::label;
constexpr auto P = ControlKind::picture_box;

const std::vector<Row> kRows = {
    {0, "超级链接框1", ControlKind::hyperlink_box, 369164642, {251, 393, 72, 24}, true, true, "", kLink},
    {1, "图片框102", P, 369164629, {14, 422, 320, 82}, true, true, "", ""},
    {2, "标签102", L, 369164621, {14, 281, 320, 136}, true, true, "", kInstructions},
    {3, "图片框_zb", P, 369164610, {77, 9, 176, 216}, true, true, "", ""},
    {4, "标签101", L, 369164620, {87, 73, 160, 32}, true, true, "", kCaption},
    {5, "标签_提示", L, 369164609, {354, 9, 304, 496}, false, false, "", kHint},
    {6, "图片框_jg", P, 369164608, {151, 161, 25, 25}, true, true, "", ""},
    {7, "按钮1", ControlKind::button, 369164490, {125, 233, 88, 40}, true, true, "", kRetry},
    // cell "00": bottom right, tag 100
    {8, "标签81", L, {}, {598, 473, 25, 25}, true, true, "888", "00"},
    {9, "图片框81", P, {}, {622, 473, 25, 25}, true, true, "100", ""},
    // cell "09": picture box first, named by its id
    {26, "图片框90", P, 369164468, {622, 257, 25, 25}, true, true, "9", ""},
    {27, "标签90", L, {}, {598, 257, 25, 25}, true, true, "888", "09"},
    // cell "19": top right
    {46, "图片框100", P, {}, {622, 17, 25, 25}, true, true, "19", ""},
    {47, "标签100", L, {}, {598, 17, 25, 25}, true, true, "888", "19"},
    {48, "标签41", L, {}, {540, 473, 25, 25}, true, true, "888", "20"},
    {49, "图片框41", P, {}, {564, 473, 25, 25}, true, true, "20", ""},
    {126, "图片框80", P, {}, {506, 17, 25, 25}, true, true, "59", ""},
    {127, "标签80", L, {}, {482, 17, 25, 25}, true, true, "888", "59"},
    {128, "标签21", L, {}, {424, 473, 25, 25}, true, true, "888", "60"},
    {129, "图片框21", P, {}, {448, 473, 25, 25}, true, true, "60", ""},
    // cell "80": bottom left
    {168, "标签11", L, {}, {366, 473, 25, 25}, true, true, "888", "80"},
    {169, "图片框11", P, {}, {390, 473, 25, 25}, true, true, "80", ""},
    {188, "标签10", L, {}, {366, 233, 25, 25}, true, true, "888", "90"},
    {189, "图片框10", P, {}, {390, 233, 25, 25}, true, true, "90", ""},
    // cell "99": top left, the last cell
    {206, "图片框1", P, {}, {390, 17, 25, 25}, true, true, "99", ""},
    {207, "标签1", L, {}, {366, 17, 25, 25}, true, true, "888", "99"},
};

TEST(MainWindowDesign, ControlsMatchTheTable)
{
    const auto& controls = design().controls;
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.form_name);
        ASSERT_LT(row.index, controls.size());
        const ControlDesign& c = controls[row.index];
        EXPECT_EQ(c.form_name, row.form_name);
        EXPECT_EQ(c.kind, row.kind);
        if (row.id) {
            EXPECT_EQ(c.id, *row.id);
        }
        EXPECT_EQ(c.rect, row.rect);
        EXPECT_EQ(c.visible, row.visible);
        EXPECT_EQ(c.enabled, row.enabled);
        EXPECT_EQ(c.tag, row.tag);
        EXPECT_EQ(shown_text(c), row.text);
        EXPECT_TRUE(style_matches_kind(c));
    }
}

// The window as loaded: the same controls in the same order, and at first
// sight the designed visibility but for the retry button, which the first
// turn hides again before the window is shown.
TEST(LoadedMainWindow, HoldsTheDesignedControlsInOrder)
{
    toolkit::install_platform(std::make_unique<toolkit::HeadlessPlatform>());
    toolkit::start_toolkit(ui::program_resources());
    app::init_globals();
    toolkit::register_cleanup(app::free_globals);
    toolkit::load_start_window(trick::kMainWindowId);
    const toolkit::Window* window = toolkit::find_window(trick::kMainWindowId);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->controls().size(), 208u);
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.form_name);
        const toolkit::Control& c = window->controls()[row.index];
        EXPECT_EQ(c.design.form_name, row.form_name);
        EXPECT_EQ(c.kind(), row.kind);
        if (row.id) {
            EXPECT_EQ(c.design.id, *row.id);
        }
        EXPECT_EQ(c.rect(), row.rect);
        EXPECT_EQ(c.visible, row.visible && row.form_name != std::string("按钮1"));
        EXPECT_EQ(c.design.enabled, row.enabled);
        EXPECT_EQ(c.design.tag, row.tag);
        EXPECT_EQ(shown_text(c.design), row.text);
    }
    toolkit::reset_for_testing();
    app::free_globals();
}

TEST(MainWindowDesign, OnlyTheRetryButtonTakesTheFocus)
{
    for (const ControlDesign& c : design().controls)
        EXPECT_EQ(c.tab_stop, c.form_name == "按钮1") << c.form_name;
}

TEST(MainWindowDesign, HandlersAndHandCursorWhereDesigned)
{
    struct Binding {
        PressHandler pressed = nullptr;
        EventHandler clicked = nullptr;
    };
    const std::map<std::string, Binding> bound = {
        {"超级链接框1", {&trick::on_link_pressed, nullptr}},
        {"图片框102", {&trick::on_banner_pressed, nullptr}},
        {"图片框_zb", {&trick::on_ball_pressed, nullptr}},
        {"按钮1", {nullptr, &trick::on_retry_clicked}},
    };
    const std::set<std::string> hand = {"超级链接框1", "图片框102", "图片框_zb"};
    for (const ControlDesign& c : design().controls) {
        SCOPED_TRACE(c.form_name);
        auto it = bound.find(c.form_name);
        Binding expected = it == bound.end() ? Binding{} : it->second;
        EXPECT_EQ(c.on_left_pressed, expected.pressed);
        EXPECT_EQ(c.on_clicked, expected.clicked);
        EXPECT_EQ(c.cursor, hand.contains(c.form_name) ? Cursor::hand : Cursor::arrow);
    }
}

// ---- the grid, by its rules -------------------------------------------------

// N in the form names of cell n, column by column from the right.
int expected_form_number(int n)
{
    switch (n / 20) {
    case 0: return 81 + n;
    case 1:
    case 2: return n + 21;
    case 3: return n - 39;
    default: return n < 90 ? n - 69 : 100 - n;
    }
}

TEST(MainWindowDesign, GridFollowsItsRules)
{
    const auto& controls = design().controls;
    ASSERT_EQ(controls.size(), 208u);
    std::set<int> form_numbers;
    for (int n = 0; n < 100; ++n) {
        SCOPED_TRACE("cell " + std::to_string(n));
        bool picture_first = n % 10 == 9;
        const ControlDesign& label = controls[8 + 2 * n + (picture_first ? 1 : 0)];
        const ControlDesign& box = controls[8 + 2 * n + (picture_first ? 0 : 1)];
        int column = n / 20;
        int row = n % 20;
        int N = expected_form_number(n);
        form_numbers.insert(N);

        ASSERT_EQ(label.kind, ControlKind::label);
        ASSERT_EQ(box.kind, ControlKind::picture_box);
        EXPECT_EQ(label.form_name, "标签" + std::to_string(N));
        EXPECT_EQ(box.form_name, "图片框" + std::to_string(N));
        EXPECT_EQ(label.rect, (Rect{598 - 58 * column, 473 - 24 * row, 25, 25}));
        EXPECT_EQ(box.rect, (Rect{598 - 58 * column + 24, 473 - 24 * row, 25, 25}));
        EXPECT_EQ(label.tag, "888");
        EXPECT_EQ(box.tag, std::to_string(n == 0 ? 100 : n));
        char digits[3] = {char('0' + n / 10), char('0' + n % 10), 0};
        EXPECT_EQ(shown_text(label), digits);

        for (const ControlDesign* c : {&label, &box}) {
            EXPECT_TRUE(c->visible);
            EXPECT_TRUE(c->enabled);
        }
        const auto& text = std::get<LabelStyle>(label.style);
        EXPECT_EQ(text.font.face, "黑体");
        EXPECT_EQ(text.font.pixel_height, 14);
        EXPECT_TRUE(text.font.bold);
        EXPECT_TRUE(text.font.italic);
        EXPECT_EQ(text.text_color, (Color{128, 0, 0}));
        EXPECT_TRUE(text.background.stops.empty());
        EXPECT_EQ(text.border, Border::single_line);
        EXPECT_EQ(text.effect, TextEffect::none);
        EXPECT_EQ(text.horizontal_align, HorizontalAlign::center);
        EXPECT_EQ(text.vertical_align, VerticalAlign::center);
        EXPECT_FALSE(text.word_wrap);

        const auto& picture = std::get<PictureBoxStyle>(box.style);
        EXPECT_EQ(picture.picture, nullptr);
        EXPECT_EQ(picture.mode, DisplayMode::stretch);
        EXPECT_TRUE(picture.background.stops.empty());
        EXPECT_EQ(picture.border, Border::single_line);
    }
    EXPECT_EQ(form_numbers.size(), 100u);
    EXPECT_EQ(*form_numbers.begin(), 1);
    EXPECT_EQ(*form_numbers.rbegin(), 100);
}

TEST(MainWindowDesign, IdsAreUniqueWithinTheWindow)
{
    std::set<std::int32_t> ids = {design().id};
    for (const ControlDesign& c : design().controls)
        EXPECT_TRUE(ids.insert(c.id).second) << c.form_name << " repeats id " << c.id;
}

// A lookup of tag t in 1..100 must find exactly the picture box of cell t mod 100.
TEST(MainWindowDesign, OnlyGridPictureBoxesCarryTagsFrom1To100)
{
    std::map<long, const ControlDesign*> by_tag;
    for (const ControlDesign& c : design().controls) {
        long value = tag_value(c.tag);
        if (value < 1 || value > 100)
            continue;
        EXPECT_EQ(c.kind, ControlKind::picture_box) << c.form_name;
        EXPECT_TRUE(by_tag.emplace(value, &c).second) << "tag " << value << " twice";
    }
    EXPECT_EQ(by_tag.size(), 100u);
    EXPECT_EQ(by_tag.at(9)->form_name, "图片框90");
    EXPECT_EQ(by_tag.at(9)->id, trick::kCell09PictureBoxId);
    EXPECT_EQ(by_tag.at(100)->form_name, "图片框81");
}

// ---- looks ------------------------------------------------------------------

const ControlDesign& control(std::string_view form_name)
{
    for (const ControlDesign& c : design().controls)
        if (c.form_name == form_name)
            return c;
    throw std::runtime_error("no control " + std::string(form_name));
}

TEST(MainWindowDesign, LabelLooks)
{
    struct Look {
        const char* form_name;
        Font font;
        Color color;
        std::vector<Color> background;
        Border border;
        TextEffect effect;
        HorizontalAlign horizontal;
        VerticalAlign vertical;
        bool wrap;
    };
    const Look looks[] = {
        {"标签102", {"", 0, false, false}, kBlack, {{0, 255, 0}}, Border::none, TextEffect::none,
         HorizontalAlign::left, VerticalAlign::top, true},
        {"标签101", {"隶书", 20, false, false}, {255, 255, 0}, {kWhite, kBlack, kWhite}, Border::none,
         TextEffect::none, HorizontalAlign::center, VerticalAlign::center, false},
        {"标签_提示", {"楷体_GB2312", 24, true, false}, kBlack, {kWhite}, Border::thin_sunken,
         TextEffect::engraved, HorizontalAlign::center, VerticalAlign::top, true},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.form_name);
        const auto& s = std::get<LabelStyle>(control(look.form_name).style);
        EXPECT_EQ(s.font.face, look.font.face);
        EXPECT_EQ(s.font.pixel_height, look.font.pixel_height);
        EXPECT_EQ(s.font.bold, look.font.bold);
        EXPECT_EQ(s.font.italic, look.font.italic);
        EXPECT_EQ(s.text_color, look.color);
        EXPECT_EQ(s.background.stops, look.background);
        EXPECT_EQ(s.border, look.border);
        EXPECT_EQ(s.effect, look.effect);
        EXPECT_EQ(s.horizontal_align, look.horizontal);
        EXPECT_EQ(s.vertical_align, look.vertical);
        EXPECT_EQ(s.word_wrap, look.wrap);
    }
}

TEST(MainWindowDesign, PictureBoxLooks)
{
    struct Look {
        const char* form_name;
        ByteString picture;
        DisplayMode mode;
        std::vector<Color> background;
    };
    const Look looks[] = {
        {"图片框102", ui::banner_picture, DisplayMode::stretch, {}},
        {"图片框_zb", ui::ball_picture, DisplayMode::fit, {}},
        {"图片框_jg", nullptr, DisplayMode::stretch, {kWhite}},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.form_name);
        const auto& s = std::get<PictureBoxStyle>(control(look.form_name).style);
        EXPECT_EQ(s.picture, look.picture);
        EXPECT_EQ(s.mode, look.mode);
        EXPECT_EQ(s.background.stops, look.background);
        EXPECT_EQ(s.border, Border::none);
    }
}

TEST(MainWindowDesign, HyperlinkBoxOpensTheAuthorsSite)
{
    const auto& s = std::get<HyperlinkStyle>(control("超级链接框1").style);
    EXPECT_EQ(s.link_kind, LinkKind::web);
    EXPECT_EQ(s.web_address, trick::kAuthorSiteAddress);
    EXPECT_EQ(s.mail_address, "");
    EXPECT_EQ(s.normal_color, (Color{0, 0, 255}));
    EXPECT_EQ(s.hover_color, (Color{49, 106, 197}));
    EXPECT_EQ(s.visited_color, (Color{128, 0, 0}));
    EXPECT_TRUE(s.background.stops.empty());
    EXPECT_EQ(s.border, Border::raised_frame);
    EXPECT_EQ(s.font.face, "");
}

// ---- stacking -----------------------------------------------------------------

std::size_t order_of(std::string_view form_name)
{
    const auto& controls = design().controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].form_name == form_name)
            return i;
    throw std::runtime_error("no control " + std::string(form_name));
}

bool inside(const Rect& inner, const Rect& outer) { return intersect(inner, outer) == inner; }

// Earlier in the control order is drawn on top.
void expect_on_top(std::string_view upper, std::string_view lower)
{
    EXPECT_LT(order_of(upper), order_of(lower)) << upper << " must lie over " << lower;
}

TEST(MainWindowDesign, OverlapsHideWhatTheTurnUncovers)
{
    const Rect ball = control("图片框_zb").rect;
    expect_on_top("图片框_zb", "标签101");
    expect_on_top("图片框_zb", "图片框_jg");
    EXPECT_TRUE(inside(control("标签101").rect, ball));
    EXPECT_TRUE(inside(control("图片框_jg").rect, ball));

    // The link box sits in the instructions' bottom right corner.
    const Rect link = control("超级链接框1").rect;
    const Rect instructions = control("标签102").rect;
    expect_on_top("超级链接框1", "标签102");
    EXPECT_TRUE(inside(link, instructions));
    EXPECT_EQ(link.bottom(), instructions.bottom());
    EXPECT_GT(link.x, instructions.x + instructions.width / 2);

    // The hint label covers the whole grid, x 366..646 and y 17..497.
    const auto& controls = design().controls;
    Rect grid;
    for (std::size_t i = 8; i < controls.size(); ++i) {
        grid = unite(grid, controls[i].rect);
        expect_on_top("标签_提示", controls[i].form_name);
    }
    EXPECT_EQ(grid, (Rect{366, 17, 281, 481}));
    EXPECT_TRUE(inside(grid, control("标签_提示").rect));
}

TEST(MainWindowDesign, EverythingFitsTheClientAreaAndButtonAndBannerStandAlone)
{
    Rect client{0, 0, design().client_size.width, design().client_size.height};
    for (const ControlDesign& c : design().controls)
        EXPECT_EQ(intersect(client, c.rect), c.rect) << c.form_name;
    for (const char* alone : {"按钮1", "图片框102"})
        for (const ControlDesign& c : design().controls)
            if (c.form_name != alone) {
                EXPECT_FALSE(intersects(c.rect, control(alone).rect)) << alone << " overlaps " << c.form_name;
            }
}

// ---- resources ----------------------------------------------------------------

// Width and height from a PNG's header chunk.
Size png_size(ByteString picture)
{
    auto bytes = byte_string_bytes(picture);
    if (bytes.size() < 24 || bytes[1] != 'P' || bytes[2] != 'N' || bytes[3] != 'G')
        return {};
    auto be32 = [&](std::size_t at) {
        return int(bytes[at]) << 24 | int(bytes[at + 1]) << 16 | int(bytes[at + 2]) << 8 | int(bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

TEST(ProgramResources, HoldTheMainWindowTheIconsTheHandCursorAndThePainter)
{
    ProgramResources resources = ui::program_resources();
    ASSERT_EQ(resources.designs.size(), 1u);
    EXPECT_EQ(resources.designs[0], &ui::main_window_design());

    ASSERT_EQ(resources.pictures.icons.size(), 3u);
    EXPECT_EQ(png_size(resources.pictures.icons[0]), (Size{32, 32}));
    EXPECT_EQ(png_size(resources.pictures.icons[1]), (Size{48, 48}));
    EXPECT_EQ(png_size(resources.pictures.icons[2]), (Size{256, 256}));

    EXPECT_EQ(resources.pictures.hand_cursor, ui::hand_cursor_picture);
    Size cursor = png_size(resources.pictures.hand_cursor);
    EXPECT_GT(cursor.width, ui::kHandHotSpot.x);
    EXPECT_GT(cursor.height, ui::kHandHotSpot.y);
    EXPECT_EQ(resources.pictures.hand_hot_spot.x, 6);
    EXPECT_EQ(resources.pictures.hand_hot_spot.y, 1);

    ASSERT_NE(resources.painter, nullptr);
    EXPECT_EQ(ui::program_resources().painter, resources.painter) << "one painter for the process";
}

} // namespace
