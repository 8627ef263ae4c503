// Labels, picture boxes and the hyperlink box painted onto small image
// surfaces and read back pixel by pixel.

#include "pixel_checks.h"
#include "toolkit/fonts.h"
#include "ui/painter.h"
#include "ui/picture_box_drawing.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <optional>
#include <string>
#include <vector>


namespace {

using pixel_checks::near;

using toolkit::Color;
using toolkit::Rect;
using toolkit::Size;

constexpr Color kRed{255, 0, 0};
constexpr Color kGreen{0, 255, 0};
constexpr Color kBlue{0, 0, 255};
constexpr Color kGrey{128, 128, 128};
constexpr Color kDarkRed{128, 0, 0};
constexpr Color kYellow{255, 255, 0};


// An ARGB32 surface standing in for the window, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, Color fill = kBlue)
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy)
        , m_cr(cairo_create(m_surface.get()), cairo_destroy)
    {
        cairo_set_source_rgb(cr(), fill.red / 255.0, fill.green / 255.0, fill.blue / 255.0);
        cairo_paint(cr());
    }

    cairo_t* cr() { return m_cr.get(); }
    int width() const { return cairo_image_surface_get_width(m_surface.get()); }
    int height() const { return cairo_image_surface_get_height(m_surface.get()); }

    Color pixel(int x, int y)
    {
        cairo_surface_flush(m_surface.get());
        const unsigned char* row = cairo_image_surface_get_data(m_surface.get())
                                 + y * cairo_image_surface_get_stride(m_surface.get());
        std::uint32_t argb = reinterpret_cast<const std::uint32_t*>(row)[x];
        return Color{std::uint8_t(argb >> 16), std::uint8_t(argb >> 8), std::uint8_t(argb)};
    }

    int count(Color color, int tolerance)
    {
        int n = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                n += near(pixel(x, y), color, tolerance);
        return n;
    }

    // The bounding box of pixels that differ from the background.
    std::optional<Rect> ink(Color background)
    {
        int left = width(), top = height(), right = -1, bottom = -1;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                if (pixel(x, y) != background) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        if (right < 0)
            return std::nullopt;
        return Rect{left, top, right - left + 1, bottom - top + 1};
    }

    bool same_pixels(Canvas& other)
    {
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                if (pixel(x, y) != other.pixel(x, y))
                    return false;
        return true;
    }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> m_surface;
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> m_cr;
};

// An RGB24 picture frame of one colour, with `draw` painted over it if given.
toolkit::PictureFrame make_frame(int width, int height, Color color, void (*draw)(cairo_t*) = nullptr)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
    cairo_paint(cr);
    if (draw)
        draw(cr);
    cairo_destroy(cr);
    return toolkit::PictureFrame{std::shared_ptr<cairo_surface_t>(image, cairo_surface_destroy), 0};
}

toolkit::LabelStyle label(std::string text, toolkit::Font font = {}, Color text_color = toolkit::kBlack)
{
    toolkit::LabelStyle style;
    style.text = std::move(text);
    style.font = std::move(font);
    style.text_color = text_color;
    return style;
}

class ControlDrawingTest : public testing::Test {
protected:
    void SetUp() override { toolkit::register_face_aliases(); }

    void paint(Canvas& canvas, const toolkit::LabelStyle& style)
    {
        painter.paint_label(canvas.cr(), style, {canvas.width(), canvas.height()});
    }

    void paint(Canvas& canvas, const toolkit::PictureBoxStyle& style, const toolkit::PictureFrame* frame)
    {
        painter.paint_picture_box(canvas.cr(), style, frame, {canvas.width(), canvas.height()});
    }

    ui::Painter painter;
};

// --- label backgrounds ---

struct BackgroundRow {
    std::vector<Color> stops;
    int height;
    int row;
    Color expected;
};

void PrintTo(const BackgroundRow& c, std::ostream* out)
{
    *out << c.stops.size() << " stops, " << c.height << " rows, row " << c.row;
}

class LabelBackgroundTest : public ControlDrawingTest, public testing::WithParamInterface<BackgroundRow> {};

TEST_P(LabelBackgroundTest, RowHasItsIntegerColour)
{
    const BackgroundRow& c = GetParam();
    toolkit::LabelStyle style = label("");
    style.background.stops = c.stops;
    Canvas canvas(4, c.height);
    paint(canvas, style);
    EXPECT_EQ(canvas.pixel(0, c.row), c.expected);
    EXPECT_EQ(canvas.pixel(3, c.row), c.expected);
}

const std::vector<Color> kCaptionStops{toolkit::kWhite, toolkit::kBlack, toolkit::kWhite};
const std::vector<Color> kFallingStops{{255, 0, 10}, {200, 255, 0}};
const std::vector<Color> kBlueEnd{toolkit::kWhite, toolkit::kBlack, {0, 0, 200}};

INSTANTIATE_TEST_SUITE_P(
    Rows, LabelBackgroundTest,
    testing::Values(
        // The caption label: 32 rows, span 16.
        BackgroundRow{kCaptionStops, 32, 0, {255, 255, 255}}, BackgroundRow{kCaptionStops, 32, 15, {16, 16, 16}},
        BackgroundRow{kCaptionStops, 32, 16, {0, 0, 0}}, BackgroundRow{kCaptionStops, 32, 17, {15, 15, 15}},
        BackgroundRow{kCaptionStops, 32, 31, {239, 239, 239}},
        // Two stops; falling channels truncate toward zero (255 - 16.5 -> 239).
        BackgroundRow{kFallingStops, 10, 0, {255, 0, 10}}, BackgroundRow{kFallingStops, 10, 3, {239, 76, 7}},
        BackgroundRow{kFallingStops, 10, 9, {206, 229, 1}},
        // Rows past the last whole segment take the last stop.
        BackgroundRow{kBlueEnd, 33, 31, {0, 0, 187}}, BackgroundRow{kBlueEnd, 33, 32, {0, 0, 200}},
        // Fewer rows than segments: no span at all.
        BackgroundRow{kBlueEnd, 1, 0, {0, 0, 200}},
        // One stop fills, none is the face colour.
        BackgroundRow{{kGreen}, 5, 4, kGreen}, BackgroundRow{{}, 5, 2, toolkit::kFaceColor}));

// --- picture boxes ---

struct Placement {
    toolkit::DisplayMode mode;
    Size picture;
    Size inner;
    Rect expected;
};

class PicturePlacementTest : public testing::TestWithParam<Placement> {};

TEST_P(PicturePlacementTest, IsExact)
{
    const Placement& c = GetParam();
    EXPECT_EQ(ui::picture_placement(c.mode, c.picture, c.inner), c.expected);
}

using toolkit::DisplayMode;
INSTANTIATE_TEST_SUITE_P(
    Modes, PicturePlacementTest,
    testing::Values(
        // The ball: f = 0.8, 214.4 rows truncated to 214.
        Placement{DisplayMode::fit, {220, 268}, {176, 216}, {0, 1, 176, 214}},
        // Never enlarged: f is capped at 1 and the picture centred.
        Placement{DisplayMode::fit, {10, 6}, {30, 20}, {10, 7, 10, 6}},
        Placement{DisplayMode::fit, {300, 100}, {150, 100}, {0, 25, 150, 50}},
        Placement{DisplayMode::fit, {100, 300}, {100, 150}, {25, 0, 50, 150}},
        // A side may truncate to nothing; the offset still follows.
        Placement{DisplayMode::fit, {3, 7}, {2, 2}, {1, 0, 0, 2}},
        Placement{DisplayMode::stretch, {25, 25}, {23, 23}, {0, 0, 23, 23}},
        Placement{DisplayMode::stretch, {163, 44}, {320, 82}, {0, 0, 320, 82}}));

TEST_F(ControlDrawingTest, FittedBallLeavesTopAndBottomRowsInFaceColour)
{
    constexpr Color kPicture{10, 20, 30};
    toolkit::PictureFrame frame = make_frame(220, 268, kPicture);
    toolkit::PictureBoxStyle style;
    style.mode = DisplayMode::fit;
    Canvas canvas(176, 216);
    paint(canvas, style, &frame);

    for (int x : {0, 1, 88, 174, 175}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(canvas.pixel(x, 0), toolkit::kFaceColor);
        EXPECT_EQ(canvas.pixel(x, 1), kPicture);
        EXPECT_EQ(canvas.pixel(x, 107), kPicture);
        EXPECT_EQ(canvas.pixel(x, 214), kPicture);
        EXPECT_EQ(canvas.pixel(x, 215), toolkit::kFaceColor);
    }
}

TEST_F(ControlDrawingTest, SmallPictureIsCentredUnscaledOnTheBackground)
{
    toolkit::PictureFrame frame = make_frame(10, 6, kRed);
    toolkit::PictureBoxStyle style;
    style.mode = DisplayMode::fit;
    style.background.stops = {toolkit::kWhite};
    Canvas canvas(30, 20);
    paint(canvas, style, &frame);

    ASSERT_EQ(canvas.ink(toolkit::kWhite), (Rect{10, 7, 10, 6}));
    EXPECT_EQ(canvas.count(kRed, 0), 60);
}

TEST_F(ControlDrawingTest, StretchedSymbolCoversExactlyTheInnerArea)
{
    toolkit::PictureFrame frame = make_frame(25, 25, kRed);
    toolkit::PictureBoxStyle style;
    style.background.stops = {kGreen};
    // No clip: whatever spills outside the 23 x 23 area would show on the blue ring.
    Canvas canvas(25, 25, kBlue);
    cairo_translate(canvas.cr(), 1, 1);
    painter.paint_picture_box(canvas.cr(), style, &frame, {23, 23});

    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            bool inside = x >= 1 && x <= 23 && y >= 1 && y <= 23;
            ASSERT_EQ(canvas.pixel(x, y), inside ? kRed : kBlue) << x << ", " << y;
        }
}

TEST_F(ControlDrawingTest, StretchScalesEachAxisOnItsOwn)
{
    // Left half red, right half blue, stretched from 4 x 2 to 40 x 5.
    toolkit::PictureFrame frame = make_frame(4, 2, kRed, [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0, 0, 1);
        cairo_rectangle(cr, 2, 0, 2, 2);
        cairo_fill(cr);
    });
    toolkit::PictureBoxStyle style;
    Canvas canvas(40, 5);
    paint(canvas, style, &frame);

    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(canvas.pixel(0, y), kRed);
        EXPECT_EQ(canvas.pixel(14, y), kRed);
        EXPECT_EQ(canvas.pixel(25, y), kBlue);
        EXPECT_EQ(canvas.pixel(39, y), kBlue);
    }
}

TEST_F(ControlDrawingTest, UnscaledPictureIsCopiedPixelForPixel)
{
    toolkit::PictureFrame frame = make_frame(25, 25, kYellow, [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0.5, 0, 0.25);
        cairo_arc(cr, 12.5, 12.5, 9, 0, 6.3);
        cairo_fill(cr);
    });
    toolkit::PictureBoxStyle style;
    style.background.stops = {toolkit::kWhite};
    Canvas canvas(25, 25);
    paint(canvas, style, &frame);

    Canvas expected(25, 25);
    cairo_set_source_surface(expected.cr(), frame.image.get(), 0, 0);
    cairo_paint(expected.cr());
    EXPECT_TRUE(canvas.same_pixels(expected));
}

TEST_F(ControlDrawingTest, BoxWithoutPictureShowsItsBackground)
{
    toolkit::PictureBoxStyle style;
    Canvas canvas(23, 23);
    paint(canvas, style, nullptr);
    EXPECT_EQ(canvas.count(toolkit::kFaceColor, 0), 23 * 23);
}

// --- label texts ---

const toolkit::Font kGridFont{"黑体", 14, true, true};
const toolkit::Font kHei16{"黑体", 16, false, false};

TEST_F(ControlDrawingTest, GridNumberIsDrawnInItsColourWithNoBoxBehind)
{
    toolkit::LabelStyle style = label("09", kGridFont, kDarkRed);
    style.horizontal_align = toolkit::HorizontalAlign::center;
    style.vertical_align = toolkit::VerticalAlign::center;
    Canvas canvas(23, 23);
    paint(canvas, style);

    // Bold strokes are fully covered somewhere; the rest is face colour or
    // antialiased blends between the two.
    EXPECT_GE(canvas.count(kDarkRed, 2), 10);
    EXPECT_EQ(canvas.pixel(0, 0), toolkit::kFaceColor);
    EXPECT_EQ(canvas.pixel(22, 22), toolkit::kFaceColor);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 23; ++x) {
            Color p = canvas.pixel(x, y);
            ASSERT_TRUE(p.green == p.blue && p.red >= p.green) << x << ", " << y << ": " << p;
        }
}

TEST_F(ControlDrawingTest, EngravingAddsWhiteOnePixelRightAndDown)
{
    toolkit::LabelStyle plain = label("提示", kHei16);
    plain.background.stops = {kGrey};
    toolkit::LabelStyle engraved = plain;
    engraved.effect = toolkit::TextEffect::engraved;

    Canvas plain_canvas(60, 30);
    paint(plain_canvas, plain);
    Canvas engraved_canvas(60, 30);
    paint(engraved_canvas, engraved);

    std::optional<Rect> text = plain_canvas.ink(kGrey);
    std::optional<Rect> with_engraving = engraved_canvas.ink(kGrey);
    ASSERT_TRUE(text && with_engraving);
    EXPECT_EQ(*with_engraving, (Rect{text->x, text->y, text->width + 1, text->height + 1}));
    // Black over white on grey: only the engraving is lighter than the ground.
    EXPECT_EQ(plain_canvas.count(toolkit::kWhite, 60), 0);
    EXPECT_GT(engraved_canvas.count(toolkit::kWhite, 60), 5);
}

struct AlignmentCase {
    toolkit::HorizontalAlign horizontal;
    toolkit::VerticalAlign vertical;
    bool word_wrap;
    int ink_centre_x; // where the ink's middle should be, within a few pixels
    int ink_centre_y;
};

class LabelAlignmentTest : public ControlDrawingTest, public testing::WithParamInterface<AlignmentCase> {};

// "中文" in a 16-pixel face is about 32 x 15 pixels of ink in a 120 x 80 label.
TEST_P(LabelAlignmentTest, PutsTheInkWhereTheAlignmentSays)
{
    const AlignmentCase& c = GetParam();
    toolkit::LabelStyle style = label("中文", kHei16);
    style.horizontal_align = c.horizontal;
    style.vertical_align = c.vertical;
    style.word_wrap = c.word_wrap;
    style.background.stops = {toolkit::kWhite};
    Canvas canvas(120, 80);
    paint(canvas, style);

    std::optional<Rect> ink = canvas.ink(toolkit::kWhite);
    ASSERT_TRUE(ink);
    EXPECT_NEAR(ink->x + ink->width / 2, c.ink_centre_x, 3);
    EXPECT_NEAR(ink->y + ink->height / 2, c.ink_centre_y, 4);
}

using H = toolkit::HorizontalAlign;
using V = toolkit::VerticalAlign;
INSTANTIATE_TEST_SUITE_P(
    Alignments, LabelAlignmentTest,
    testing::Values(AlignmentCase{H::left, V::top, false, 16, 9}, AlignmentCase{H::center, V::center, false, 60, 40},
                    AlignmentCase{H::right, V::bottom, false, 104, 70},
                    // Word wrap keeps the block at the top whatever the vertical alignment.
                    AlignmentCase{H::center, V::center, true, 60, 9}, AlignmentCase{H::right, V::bottom, true, 104, 9},
                    AlignmentCase{H::left, V::bottom, true, 16, 9}));

struct LineCase {
    std::string text;
    bool word_wrap;
    std::vector<int> inked_lines; // which lines, counted from 0 at the top, show ink
};

void PrintTo(const LineCase& c, std::ostream* out)
{
    *out << '"' << c.text << "\" word_wrap " << c.word_wrap;
}

class LabelLinesTest : public ControlDrawingTest, public testing::WithParamInterface<LineCase> {
protected:
    // The label is 64 pixels wide on a wider canvas without a clip, so a line
    // that is not wrapped shows past x 64. "一" is one thin stroke: each line
    // of them is one band of inked rows.
    struct Bands {
        std::vector<int> tops;
        int widest = 0;
    };

    Bands paint_bands(const std::string& text, bool word_wrap)
    {
        toolkit::LabelStyle style = label(text, kHei16);
        style.word_wrap = word_wrap;
        style.background.stops = {toolkit::kWhite};
        Canvas canvas(200, 100, toolkit::kWhite);
        ui::Painter painter;
        painter.paint_label(canvas.cr(), style, {64, 100});

        Bands bands;
        bool in_band = false;
        for (int y = 0; y < canvas.height(); ++y) {
            bool inked = false;
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) != toolkit::kWhite) {
                    inked = true;
                    bands.widest = std::max(bands.widest, x + 1);
                }
            if (inked && !in_band)
                bands.tops.push_back(y);
            in_band = inked;
        }
        return bands;
    }
};

// Lines advance by the character height, 16 pixels here.
TEST_P(LabelLinesTest, BreaksAtLineBreaksAndWrapsOnlyWithWordWrap)
{
    const LineCase& c = GetParam();
    std::vector<int> first = paint_bands("一", false).tops;
    ASSERT_EQ(first.size(), 1u);

    Bands bands = paint_bands(c.text, c.word_wrap);
    std::vector<int> lines;
    for (int top : bands.tops)
        lines.push_back((top - first[0]) % 16 == 0 ? (top - first[0]) / 16 : -1);
    EXPECT_EQ(lines, c.inked_lines);
    if (c.word_wrap) {
        EXPECT_LE(bands.widest, 64);
    } else {
        EXPECT_GT(bands.widest, 64) << "long lines stay whole";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, LabelLinesTest,
                         testing::Values(LineCase{"一一一一一一一一", false, {0}}, LineCase{"一一一一一一一一", true, {0, 1}},
                                         LineCase{"一\r\n一一一一一一一", false, {0, 1}},
                                         LineCase{"一一\r\n一一", true, {0, 1}},
                                         LineCase{"\r\n一一\r\n\r\n一", true, {1, 3}}));

TEST_F(ControlDrawingTest, ChangedTextIsLaidOutAgain)
{
    toolkit::LabelStyle style = label("一", kHei16);
    Canvas first(40, 24);
    paint(first, style);
    style.text = "二";
    Canvas second(40, 24);
    paint(second, style);

    ui::Painter fresh;
    Canvas expected(40, 24);
    fresh.paint_label(expected.cr(), style, {40, 24});
    EXPECT_TRUE(second.same_pixels(expected));
    EXPECT_FALSE(second.same_pixels(first));
}

// --- the hyperlink box ---

struct LinkCase {
    toolkit::LinkLook look;
    Color expected;
};

class HyperlinkColourTest : public ControlDrawingTest, public testing::WithParamInterface<LinkCase> {};

// Tolerance 24 per channel: stroke pixels of the 12-pixel face are not all
// fully covered, and grey antialiasing blends them with the face colour.
// Blends of any one of the three colours with the face colour never come that
// close to either of the other two.
TEST_P(HyperlinkColourTest, CaptionTakesTheColourOfItsState)
{
    const LinkCase& c = GetParam();
    toolkit::HyperlinkStyle style;
    style.caption = "进入网站";
    Canvas canvas(68, 20);
    painter.paint_hyperlink(canvas.cr(), style, c.look, {68, 20});

    EXPECT_GE(canvas.count(c.expected, 24), 10);
    for (Color other : {style.normal_color, style.hover_color, style.visited_color})
        if (other != c.expected) {
            EXPECT_EQ(canvas.count(other, 24), 0) << other;
        }
    EXPECT_EQ(canvas.pixel(0, 0), toolkit::kFaceColor);
}

INSTANTIATE_TEST_SUITE_P(States, HyperlinkColourTest,
                         testing::Values(LinkCase{{false, false}, {0, 0, 255}}, LinkCase{{true, false}, {49, 106, 197}},
                                         LinkCase{{true, true}, {49, 106, 197}},
                                         LinkCase{{false, true}, {128, 0, 0}}));

TEST_F(ControlDrawingTest, HyperlinkWithoutCaptionShowsItsAddressCentred)
{
    toolkit::HyperlinkStyle style;
    style.web_address = "http://a.example";
    Canvas canvas(200, 20);
    painter.paint_hyperlink(canvas.cr(), style, {}, {200, 20});

    std::optional<Rect> ink = canvas.ink(toolkit::kFaceColor);
    ASSERT_TRUE(ink);
    EXPECT_GT(ink->width, 60);
    EXPECT_NEAR(ink->x + ink->width / 2, 100, 3);
    EXPECT_NEAR(ink->y + ink->height / 2, 10, 3);
}

} // namespace
