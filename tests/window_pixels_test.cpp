// The whole program on the headless platform, read back from the main
// window's presented frame: the first sight, the revealed answer, the ball's
// animation, the banner, the hyperlink box's colours and the cursor.

#include "pixel_checks.h"
#include "toolkit_fixture.h"

#include "app/globals.h"
#include "toolkit/lifecycle.h"
#include "toolkit/operations.h"
#include "toolkit/picture.h"
#include "toolkit/platform_headless.h"
#include "toolkit/testing.h"
#include "trick/controls.h"
#include "trick/grid.h"
#include "ui/painter.h"
#include "ui/program_resources.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>


namespace {

using pixel_checks::near;

using toolkit::Color;
using toolkit::Cursor;
using toolkit::kBlack;
using toolkit::kFaceColor;
using toolkit::kWhite;
using toolkit::Point;
using toolkit::Rect;

constexpr toolkit::WindowHandle kMain = 1;

constexpr Color kGreen{0, 255, 0};
constexpr Color kYellow{255, 255, 0};
constexpr Color kDarkRed{128, 0, 0};
constexpr Color kLinkBlue{0, 0, 255};
constexpr Color kLinkHover{49, 106, 197};
constexpr Color kShadow{160, 160, 160};
constexpr Color kLight{227, 227, 227};
constexpr Color kDarkShadow{105, 105, 105};

constexpr Rect kBallRect{77, 9, 176, 216};
constexpr Rect kBallPicture{77, 10, 176, 214}; // fitted: 220 x 268 at 0.8, one row down
constexpr Rect kCaptionRect{87, 73, 160, 32};
constexpr Rect kAnswerRect{151, 161, 25, 25};
constexpr Rect kHintRect{354, 9, 304, 496};
constexpr Rect kRetryRect{125, 233, 88, 40};
constexpr Rect kBannerRect{14, 422, 320, 82};
constexpr Rect kLinkRect{251, 393, 72, 24};
constexpr Rect kLinkInner{253, 395, 68, 20};
constexpr Rect kGridArea{366, 17, 281, 481};

constexpr Point kBallCentre{165, 117};
constexpr Point kLinkCentre{287, 405};
constexpr Point kOnInstructions{100, 300};

// Antialiased text: a pixel counts as the text colour when every channel is
// within this of it. Far enough from the face colour and from the link box's
// other colours that a blend of one never passes for another.
constexpr int kTextTolerance = 40;


bool grey(Color c) { return c.red == c.green && c.green == c.blue; }

// A stretched picture's pixel may blend its neighbours by this much.
constexpr int kScalingTolerance = 16;

// The decoded picture a box holds.
std::optional<toolkit::Picture> picture_of(const toolkit::ControlRef& box)
{
    std::uint8_t* bytes = toolkit::get_picture(box);
    auto picture = bytes ? toolkit::decode_picture(toolkit::byte_string_bytes(bytes)) : std::nullopt;
    toolkit::release_block(bytes);
    return picture;
}

Color frame_pixel(const toolkit::Picture& picture, int x, int y)
{
    cairo_surface_t* image = picture.frames.front().image.get();
    cairo_surface_flush(image);
    std::uint32_t rgb;
    std::memcpy(&rgb, cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image) + 4 * x, 4);
    return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
}

// Gradient row y of an h-row area by the integer rule, channel by channel.
Color gradient_row(const std::vector<Color>& stops, int h, int y)
{
    const int n = static_cast<int>(stops.size());
    const int s = h / (n - 1);
    const int k = y / s;
    if (k > n - 2)
        return stops.back();
    auto channel = [&](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(from + (y % s) * (to - from) / s); // C++ division truncates toward zero
    };
    return {channel(stops[k].red, stops[k + 1].red), channel(stops[k].green, stops[k + 1].green),
            channel(stops[k].blue, stops[k + 1].blue)};
}

// The real program, started as program_main starts it, on a headless platform.
class WindowPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        toolkit::reset_for_testing();
        auto platform = std::make_unique<toolkit::HeadlessPlatform>();
        headless = platform.get();
        toolkit::install_platform(std::move(platform));
        toolkit::start_toolkit(ui::program_resources());
        app::init_globals();
        toolkit::register_cleanup(app::free_globals);
        toolkit::load_start_window(trick::kMainWindowId);
    }

    void TearDown() override
    {
        app::free_globals();
        toolkit::reset_for_testing();
    }

    void run() { toolkit::process_events_for_testing(); }

    void move_to(Point point)
    {
        headless->move_mouse(point);
        run();
    }

    void click(Point point)
    {
        headless->click(point);
        run();
    }

    Color pixel(int x, int y) const { return headless->pixel(kMain, x, y); }

    std::vector<Color> pixels(const Rect& area) const
    {
        std::vector<Color> out;
        for (int y = area.y; y < area.bottom(); ++y)
            for (int x = area.x; x < area.right(); ++x)
                out.push_back(pixel(x, y));
        return out;
    }

    int count(const Rect& area, const std::function<bool(Color)>& match) const
    {
        auto all = pixels(area);
        return static_cast<int>(std::count_if(all.begin(), all.end(), match));
    }

    int count_near(const Rect& area, Color color, int tolerance) const
    {
        return count(area, [&](Color c) { return near(c, color, tolerance); });
    }

    toolkit::HeadlessPlatform* headless = nullptr;
};

// First sight ---------------------------------------------------------------

TEST_F(WindowPixels, BallIsFittedOneRowDownWithFaceColourAboveAndBelow)
{
    for (int x = kBallRect.x; x < kBallRect.right(); ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixel(x, kBallRect.y), kFaceColor);
        EXPECT_EQ(pixel(x, kBallRect.bottom() - 1), kFaceColor);
        EXPECT_NE(pixel(x, kBallPicture.y), kFaceColor);
        EXPECT_NE(pixel(x, kBallPicture.bottom() - 1), kFaceColor);
    }
    // The picture's corners lie outside the globe: transparent in both frames,
    // so they keep the canvas's white.
    for (Point corner : {Point{kBallPicture.x, kBallPicture.y}, Point{kBallPicture.right() - 1, kBallPicture.y},
                         Point{kBallPicture.x, kBallPicture.bottom() - 1},
                         Point{kBallPicture.right() - 1, kBallPicture.bottom() - 1}}) {
        EXPECT_EQ(pixel(corner.x, corner.y), kWhite) << corner.x << "," << corner.y;
    }
    EXPECT_GT(count(kBallPicture, [](Color c) { return !grey(c); }), kBallPicture.width * kBallPicture.height / 2)
        << "the globe and its base are coloured";
}

TEST_F(WindowPixels, HintLabelAndRetryButtonAreNotShown)
{
    // Where they would be: the window's white, and the grid under the hint label.
    EXPECT_EQ(count(kRetryRect, [](Color c) { return c != kWhite; }), 0);
    EXPECT_EQ(pixel(kHintRect.x, kHintRect.y), kWhite) << "no sunken edge";
    EXPECT_EQ(pixel(kHintRect.right() - 1, kHintRect.bottom() - 1), kWhite);
    EXPECT_GT(count_near(kGridArea, kDarkRed, kTextTolerance), 0);
}

TEST_F(WindowPixels, InstructionsLieOnGreen)
{
    // The text begins with a line break: its first line is empty.
    EXPECT_EQ(pixel(14, 281), kGreen);
    EXPECT_EQ(pixel(40, 286), kGreen);
    EXPECT_EQ(pixel(330, 283), kGreen);
}

TEST_F(WindowPixels, GridCellsShowDarkRedNumbersAndSymbolsInBlackBorders)
{
    for (int number : {0, 9, 19, 45, 81, 99}) {
        SCOPED_TRACE(number);
        const Rect label = trick::label_rect(number);
        const Rect box = trick::picture_box_rect(number);

        // The number's ink, inside the label's border and clear of the box's column.
        const Rect label_inner{label.x + 1, label.y + 1, label.width - 2, label.height - 2};
        EXPECT_GT(count_near(label_inner, kDarkRed, 8), 0);
        EXPECT_EQ(pixel(label_inner.x, label_inner.y), kFaceColor);

        for (int i = 0; i < box.width; ++i) {
            EXPECT_EQ(pixel(box.x + i, box.y), kBlack) << "top " << i;
            EXPECT_EQ(pixel(box.x + i, box.bottom() - 1), kBlack) << "bottom " << i;
            EXPECT_EQ(pixel(box.x, box.y + i), kBlack) << "left " << i;
            EXPECT_EQ(pixel(box.right() - 1, box.y + i), kBlack) << "right " << i;
        }
        // The symbol fills the 23 x 23 inner area: the picture's own corners
        // reach the inner corners (within what the scaling filter blends in).
        const Rect inner{box.x + 1, box.y + 1, 23, 23};
        const auto symbol = picture_of(toolkit::find_control_by_tag(trick::kMainWindowId, trick::grid_tag(number)));
        ASSERT_TRUE(symbol);
        ASSERT_EQ(symbol->width, 25);
        const int last = 24;
        const std::pair<Point, Point> corners[] = {{{inner.x, inner.y}, {0, 0}},
                                                   {{inner.right() - 1, inner.y}, {last, 0}},
                                                   {{inner.x, inner.bottom() - 1}, {0, last}},
                                                   {{inner.right() - 1, inner.bottom() - 1}, {last, last}}};
        for (const auto& [shown, source] : corners) {
            const Color expected = frame_pixel(*symbol, source.x, source.y);
            EXPECT_TRUE(near(pixel(shown.x, shown.y), expected, kScalingTolerance))
                << shown.x << "," << shown.y << ": " << pixel(shown.x, shown.y) << " for " << expected;
        }
        EXPECT_EQ(count(inner, [](Color c) { return c == kFaceColor; }), 0);
        EXPECT_GT(count(inner, [](Color c) { return c.red > 2 * c.green + 40; }), 0) << "no symbol ink";
    }
}

// The same symbol scaled into boxes at different places gives the same pixels.
TEST_F(WindowPixels, AnswerCellsShowIdenticalPixels)
{
    auto inner_of = [](int number) {
        const Rect box = trick::picture_box_rect(number);
        return Rect{box.x + 1, box.y + 1, 23, 23};
    };
    const auto first = pixels(inner_of(9));
    for (int number : {18, 27, 36, 45, 54, 63, 72, 81})
        EXPECT_EQ(pixels(inner_of(number)), first) << "cell " << number;
}

// Revealed --------------------------------------------------------------------

TEST_F(WindowPixels, RevealedCaptionHasTheIntegerGradientAndYellowText)
{
    click(kBallCentre);

    const std::vector<Color> stops{kWhite, kBlack, kWhite};
    auto column_is_gradient = [&](int x) {
        for (int y = 0; y < kCaptionRect.height; ++y) {
            if (pixel(x, kCaptionRect.y + y) != gradient_row(stops, kCaptionRect.height, y))
                return false;
        }
        return true;
    };
    std::vector<int> free_columns;
    for (int x = kCaptionRect.x; x < kCaptionRect.right(); ++x) {
        if (column_is_gradient(x))
            free_columns.push_back(x);
    }
    // The centred text leaves both ends of the label free.
    ASSERT_THAT(free_columns, ::testing::Contains(kCaptionRect.x));
    ASSERT_THAT(free_columns, ::testing::Contains(kCaptionRect.right() - 1));
    EXPECT_LT(free_columns.size(), static_cast<std::size_t>(kCaptionRect.width)) << "no text drawn";

    const int x = free_columns.front();
    EXPECT_EQ(pixel(x, kCaptionRect.y), kWhite);
    EXPECT_EQ(pixel(x, kCaptionRect.y + 16), kBlack);
    EXPECT_EQ(pixel(x, kCaptionRect.y + 31), (Color{239, 239, 239}));
    EXPECT_GT(count_near(kCaptionRect, kYellow, kTextTolerance), 0);
}

TEST_F(WindowPixels, RevealedAnswerShowsTheSymbolUnscaled)
{
    click(kBallCentre);

    // The answer box holds what 图片框90 holds; shown unscaled, pixel for pixel.
    const auto answer = picture_of(toolkit::control(trick::kMainWindowId, trick::kCell09PictureBoxId));
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->width, kAnswerRect.width);
    ASSERT_EQ(answer->height, kAnswerRect.height);
    for (int y = 0; y < kAnswerRect.height; ++y)
        for (int x = 0; x < kAnswerRect.width; ++x)
            ASSERT_EQ(pixel(kAnswerRect.x + x, kAnswerRect.y + y), frame_pixel(*answer, x, y)) << x << "," << y;
}

TEST_F(WindowPixels, RevealedHintCoversTheGridWithItsSunkenEdge)
{
    click(kBallCentre);

    const int left = kHintRect.x, top = kHintRect.y;
    const int right = kHintRect.right() - 1, bottom = kHintRect.bottom() - 1;
    for (Point p : {Point{left, top}, Point{left + 100, top}, Point{left, top + 200}, Point{right - 1, top},
                    Point{left, bottom - 1}})
        EXPECT_EQ(pixel(p.x, p.y), kShadow) << p.x << "," << p.y;
    for (Point p : {Point{right, bottom}, Point{right, top + 200}, Point{left + 100, bottom}, Point{right, top},
                    Point{left, bottom}})
        EXPECT_EQ(pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
    EXPECT_EQ(pixel(left + 1, top + 1), kWhite) << "white ground";

    // Black text with white one pixel right and down of it.
    bool engraved = false;
    for (int y = kHintRect.y + 1; y < bottom - 1 && !engraved; ++y)
        for (int x = kHintRect.x + 1; x < right - 1 && !engraved; ++x)
            engraved = pixel(x, y) == kBlack && pixel(x + 1, y + 1) == kWhite;
    EXPECT_TRUE(engraved);

    // Nothing of the grid: the hint is black on white only, and the grid's top
    // border line lies among its leading empty lines.
    EXPECT_EQ(count(kGridArea, [](Color c) { return !grey(c); }), 0);
    EXPECT_EQ(count({kGridArea.x, kGridArea.y, kGridArea.width, 1}, [](Color c) { return c != kWhite; }), 0);
}

// The ball's animation ----------------------------------------------------------

TEST_F(WindowPixels, BallFramesAlternateEvery500MsRepaintingOnlyTheBall)
{
    const auto first = pixels(kBallRect);

    int before = headless->presents();
    headless->wait(500);
    run();
    const auto second = pixels(kBallRect);
    EXPECT_NE(second, first);
    EXPECT_EQ(headless->presents(), before + 1);
    EXPECT_THAT(headless->last_presented(), ::testing::ElementsAre(kBallRect));

    headless->wait(500);
    run();
    EXPECT_EQ(pixels(kBallRect), first);
    EXPECT_EQ(headless->presents(), before + 2);
    EXPECT_THAT(headless->last_presented(), ::testing::ElementsAre(kBallRect));
}

TEST_F(WindowPixels, BallGoesOnAnimatingWhileAMessageBoxIsOpen)
{
    const auto first = pixels(kBallRect);
    // Three frame changes while the box waits, then the script's end dismisses it.
    headless->wait(1500);
    toolkit::message_box("测试", 0, "测试");

    ASSERT_EQ(headless->message_boxes().size(), 1u);
    EXPECT_NE(pixels(kBallRect), first);
    headless->wait(500);
    run();
    EXPECT_EQ(pixels(kBallRect), first);
}

// The banner --------------------------------------------------------------------

TEST_F(WindowPixels, BannerFillsItsBoxWithLetteringOnBlack)
{
    const int left = kBannerRect.x, top = kBannerRect.y;
    const int right = kBannerRect.right() - 1, bottom = kBannerRect.bottom() - 1;
    for (Point corner : {Point{left, top}, Point{right, top}, Point{left, bottom}, Point{right, bottom}})
        EXPECT_EQ(pixel(corner.x, corner.y), kBlack) << corner.x << "," << corner.y;
    for (Point outside : {Point{left - 1, top}, Point{right + 1, top}, Point{left, top - 1}, Point{left, bottom + 1},
                          Point{right, bottom + 1}})
        EXPECT_EQ(pixel(outside.x, outside.y), kWhite) << outside.x << "," << outside.y;

    auto hue = [&](auto&& is) { return count(kBannerRect, is); };
    EXPECT_GT(hue([](Color c) { return c.green > 120 && c.green > c.red + 40 && c.green > c.blue + 40; }), 0)
        << "green";
    EXPECT_GT(hue([](Color c) { return c.red > 150 && c.green > 150 && c.blue + 60 < c.green; }), 0) << "yellow";
    EXPECT_GT(hue([](Color c) { return c.red > 150 && c.blue > 80 && c.green + 40 < c.red; }), 0) << "pink";
}

// The hyperlink box ---------------------------------------------------------------

TEST_F(WindowPixels, HyperlinkBoxHasARaisedFrameAroundAFaceColouredGround)
{
    const int left = kLinkRect.x, top = kLinkRect.y;
    const int right = kLinkRect.right() - 1, bottom = kLinkRect.bottom() - 1;
    EXPECT_EQ(pixel(left, top), kWhite);
    EXPECT_EQ(pixel(left + 30, top), kWhite);
    EXPECT_EQ(pixel(right, bottom), kDarkShadow);
    EXPECT_EQ(pixel(left + 30, bottom), kDarkShadow);
    EXPECT_EQ(pixel(left + 1, top + 1), kLight);
    EXPECT_EQ(pixel(right - 1, bottom - 1), kShadow);
    EXPECT_EQ(pixel(kLinkInner.x, kLinkInner.y), kFaceColor);
    EXPECT_EQ(pixel(kLinkInner.right() - 1, kLinkInner.bottom() - 1), kFaceColor);
}

TEST_F(WindowPixels, HyperlinkCaptionColourFollowsHoverAndTheLastPress)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        Color expected;
    };
    const Point outside = kOnInstructions;
    const std::vector<Step> steps{
        {"at load", [] {}, kLinkBlue},
        {"mouse enters", [&] { headless->move_mouse(kLinkCentre); }, kLinkHover},
        {"mouse leaves", [&] { headless->move_mouse(outside); }, kLinkBlue},
        {"press that opens, still over it", [&] { headless->click(kLinkCentre); }, kLinkHover},
        {"after a press that opened", [&] { headless->move_mouse(outside); }, kDarkRed},
        {"press that fails, then away",
         [&] {
             headless->set_launch_succeeds(false);
             headless->click(kLinkCentre);
             headless->move_mouse(outside);
         },
         kLinkBlue},
    };
    const Color colours[] = {kLinkBlue, kLinkHover, kDarkRed};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int before = headless->presents();
        step.act();
        run();
        if (&step != &steps.front()) {
            EXPECT_GT(headless->presents(), before) << "not redrawn";
            EXPECT_THAT(headless->last_presented(), ::testing::Contains(kLinkRect)) << "not redrawn";
        }
        for (Color colour : colours) {
            const int n = count_near(kLinkInner, colour, kTextTolerance);
            if (colour == step.expected)
                EXPECT_GT(n, 10) << colour;
            else
                EXPECT_EQ(n, 0) << colour;
        }
    }
    EXPECT_EQ(headless->launches().size(), 2u);
}

// The cursor ----------------------------------------------------------------------

TEST_F(WindowPixels, HandOnlyOverTheBallTheBannerAndTheHyperlinkBox)
{
    struct Case {
        const char* where;
        Point point;
        Cursor cursor;
    };
    const Rect grid_label = trick::label_rect(45);
    const Rect grid_box = trick::picture_box_rect(45);
    const Case cases[] = {
        {"ball", kBallCentre, Cursor::hand},
        {"instructions", kOnInstructions, Cursor::arrow},
        {"banner", {174, 463}, Cursor::hand},
        {"grid label", {grid_label.x + 12, grid_label.y + 12}, Cursor::arrow},
        {"hyperlink box", kLinkCentre, Cursor::hand},
        {"grid picture box", {grid_box.x + 12, grid_box.y + 12}, Cursor::arrow},
        {"ball's top row", {kBallRect.x, kBallRect.y}, Cursor::hand},
        {"background", {340, 5}, Cursor::arrow},
        {"ball's bottom row", {kBallRect.right() - 1, kBallRect.bottom() - 1}, Cursor::hand},
        {"just below the ball", {kBallRect.right() - 1, kBallRect.bottom()}, Cursor::arrow},
    };
    for (const Case& c : cases) {
        move_to(c.point);
        EXPECT_EQ(headless->cursor(), c.cursor) << c.where;
    }
}

TEST_F(WindowPixels, ArrowWhereTheBallWasOnceItIsHidden)
{
    move_to(kBallCentre);
    ASSERT_EQ(headless->cursor(), Cursor::hand);
    click(kBallCentre);
    EXPECT_EQ(headless->cursor(), Cursor::arrow) << "without moving the mouse";

    for (Point p : {Point{165, 90} /* caption */, Point{163, 173} /* answer */, Point{400, 300} /* hint */}) {
        move_to({174, 463});
        move_to(p);
        EXPECT_EQ(headless->cursor(), Cursor::arrow) << p.x << "," << p.y;
    }
}

// A grid box before its first picture -------------------------------------------

class EmptyGridBox : public toolkit_test::ToolkitTest {};

TEST_F(EmptyGridBox, ShowsTheFaceColourInsideItsBorder)
{
    static ui::Painter painter;
    auto box = toolkit_test::picture_box(2, {10, 10, 25, 25});
    std::get<toolkit::PictureBoxStyle>(box.style).border = toolkit::Border::single_line;
    static const toolkit::WindowDesign design = toolkit_test::window({box});
    start({&design});
    toolkit::set_control_painter(&painter);
    toolkit::load_start_window(toolkit_test::kWindowId);

    for (int y = 10; y < 35; ++y) {
        for (int x = 10; x < 35; ++x) {
            const bool border = x == 10 || x == 34 || y == 10 || y == 34;
            ASSERT_EQ(headless->pixel(1, x, y), border ? kBlack : kFaceColor) << x << "," << y;
        }
    }
    EXPECT_EQ(headless->pixel(1, 9, 9), kWhite);
    EXPECT_EQ(headless->pixel(1, 35, 35), kWhite);
}

} // namespace
