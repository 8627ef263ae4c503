#include "toolkit/system_look.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace toolkit {
namespace {

constexpr Color kUntouched{255, 0, 255};
constexpr Color kLight{227, 227, 227};
constexpr Color kShadow{160, 160, 160};
constexpr Color kDarkShadow{105, 105, 105};

// An image surface filled with a colour no look uses, to show what was drawn.
class Canvas {
public:
    Canvas(int width, int height)
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), m_cr(cairo_create(m_surface))
    {
        cairo_set_source_rgb(m_cr, 1, 0, 1);
        cairo_paint(m_cr);
    }
    ~Canvas()
    {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return m_cr; }

    Color pixel(int x, int y) const
    {
        cairo_surface_flush(m_surface);
        const unsigned char* row = cairo_image_surface_get_data(m_surface) + y * cairo_image_surface_get_stride(m_surface);
        std::uint32_t argb;
        std::copy_n(row + 4 * x, 4, reinterpret_cast<unsigned char*>(&argb));
        return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
                static_cast<std::uint8_t>(argb)};
    }

    // The smallest rectangle within area holding every pixel unlike background.
    Rect ink_box(const Rect& area, Color background) const
    {
        Rect box;
        for (int y = area.y; y < area.bottom(); ++y)
            for (int x = area.x; x < area.right(); ++x)
                if (pixel(x, y) != background)
                    box = unite(box, {x, y, 1, 1});
        return box;
    }

private:
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

std::string describe(Color c)
{
    char text[16];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", c.red, c.green, c.blue);
    return text;
}

struct PixelCase {
    int x;
    int y;
    Color expected;
};

void expect_pixels(const Canvas& canvas, const std::vector<PixelCase>& cases)
{
    for (const PixelCase& c : cases)
        EXPECT_EQ(describe(canvas.pixel(c.x, c.y)), describe(c.expected)) << "at " << c.x << "," << c.y;
}

// Borders --------------------------------------------------------------------

TEST(BorderTest, WidthOfEachStyle)
{
    EXPECT_EQ(border_width(Border::none), 0);
    EXPECT_EQ(border_width(Border::single_line), 1);
    EXPECT_EQ(border_width(Border::thin_sunken), 1);
    EXPECT_EQ(border_width(Border::raised_frame), 2);
}

struct BorderCase {
    Border border;
    Color outer_top_left, outer_bottom_right; // ring at the rectangle's edge
    Color inner_top_left, inner_bottom_right; // the ring inside it
};

void PrintTo(const BorderCase& c, std::ostream* os) { *os << "border " << static_cast<int>(c.border); }

class BorderPixelsTest : public testing::TestWithParam<BorderCase> {};

// The border of a 6 x 6 rectangle at (1, 1): the bottom and right lines own
// the top-right and bottom-left corners; nothing outside the rectangle or
// inside the border is touched.
TEST_P(BorderPixelsTest, RingsCornersAndSurroundings)
{
    const BorderCase& c = GetParam();
    Canvas canvas(8, 8);
    draw_border(canvas.cr(), {1, 1, 6, 6}, c.border);
    expect_pixels(canvas, {
        {1, 1, c.outer_top_left}, {4, 1, c.outer_top_left}, {1, 4, c.outer_top_left},
        {6, 1, c.outer_bottom_right}, {1, 6, c.outer_bottom_right}, {6, 6, c.outer_bottom_right},
        {6, 3, c.outer_bottom_right}, {3, 6, c.outer_bottom_right},
        {2, 2, c.inner_top_left}, {3, 2, c.inner_top_left}, {2, 3, c.inner_top_left},
        {5, 2, c.inner_bottom_right}, {2, 5, c.inner_bottom_right}, {5, 5, c.inner_bottom_right},
        {3, 3, kUntouched}, {4, 4, kUntouched},
        {0, 0, kUntouched}, {7, 7, kUntouched}, {7, 1, kUntouched}, {1, 7, kUntouched},
    });
}

INSTANTIATE_TEST_SUITE_P(
    EachStyle, BorderPixelsTest,
    testing::Values(BorderCase{Border::none, kUntouched, kUntouched, kUntouched, kUntouched},
                    BorderCase{Border::single_line, kBlack, kBlack, kUntouched, kUntouched},
                    BorderCase{Border::thin_sunken, kShadow, kWhite, kUntouched, kUntouched},
                    BorderCase{Border::raised_frame, kWhite, kDarkShadow, kLight, kShadow}));

// Push button ------------------------------------------------------------------

struct ButtonEdgeCase {
    bool pressed;
    std::vector<PixelCase> pixels;
};

void PrintTo(const ButtonEdgeCase& c, std::ostream* os) { *os << (c.pressed ? "pressed" : "normal"); }

class ButtonEdgeTest : public testing::TestWithParam<ButtonEdgeCase> {};

TEST_P(ButtonEdgeTest, EdgeColours)
{
    Canvas canvas(20, 12);
    draw_push_button(canvas.cr(), {0, 0, 20, 12}, "", {.pressed = GetParam().pressed});
    expect_pixels(canvas, GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    NormalAndPressed, ButtonEdgeTest,
    testing::Values(
        ButtonEdgeCase{false,
                       {{0, 0, kWhite}, {10, 0, kWhite}, {0, 6, kWhite}, {19, 0, kDarkShadow}, {0, 11, kDarkShadow},
                        {19, 11, kDarkShadow}, {1, 1, kLight}, {10, 1, kLight}, {18, 1, kShadow}, {1, 10, kShadow},
                        {18, 10, kShadow}, {2, 2, kFaceColor}, {17, 9, kFaceColor}}},
        ButtonEdgeCase{true,
                       {{0, 0, kDarkShadow}, {10, 0, kDarkShadow}, {0, 6, kDarkShadow}, {19, 11, kDarkShadow},
                        {1, 1, kShadow}, {10, 1, kShadow}, {1, 6, kShadow}, {18, 10, kShadow}, {2, 2, kFaceColor},
                        {17, 9, kFaceColor}}}));

// The focus rectangle of a 30 x 20 button: the ring inset 4 pixels, every
// other pixel black from its top-left corner, the rest face colour.
TEST(ButtonFocusTest, DottedRingOnlyWhenFocused)
{
    for (ButtonLook look : {ButtonLook{false, false}, ButtonLook{true, false}, ButtonLook{false, true},
                            ButtonLook{true, true}}) {
        SCOPED_TRACE(testing::Message() << "pressed " << look.pressed << " focused " << look.focused);
        Canvas canvas(30, 20);
        draw_push_button(canvas.cr(), {0, 0, 30, 20}, "", look);
        const Rect ring{4, 4, 22, 12};
        int black = 0;
        for (int y = ring.y; y < ring.bottom(); ++y) {
            for (int x = ring.x; x < ring.right(); ++x) {
                bool on_ring = x == ring.x || y == ring.y || x == ring.right() - 1 || y == ring.bottom() - 1;
                Color expected = on_ring && look.focused && (x + y) % 2 == 0 ? kBlack : kFaceColor;
                ASSERT_EQ(describe(canvas.pixel(x, y)), describe(expected)) << "at " << x << "," << y;
                black += expected == kBlack;
            }
        }
        EXPECT_EQ(black, look.focused ? 32 : 0);
    }
}

class ButtonCaptionTest : public testing::Test {
protected:
    // The caption's ink inside the edges of a button filling the canvas.
    static Rect caption_ink(Size size, const char* caption, ButtonLook look)
    {
        Canvas canvas(size.width, size.height);
        draw_push_button(canvas.cr(), {0, 0, size.width, size.height}, caption, look);
        return canvas.ink_box(shrink({0, 0, size.width, size.height}, 2), kFaceColor);
    }
};

TEST_F(ButtonCaptionTest, CentredAndMovedByThePress)
{
    Rect ink = caption_ink({88, 40}, "再试一次？", {});
    ASSERT_FALSE(ink.empty());
    EXPECT_NEAR(ink.x + ink.width / 2.0, 44, 2);
    EXPECT_NEAR(ink.y + ink.height / 2.0, 20, 2);

    Rect pressed = caption_ink({88, 40}, "再试一次？", {.pressed = true});
    EXPECT_EQ(pressed, (Rect{ink.x + 1, ink.y + 1, ink.width, ink.height}));
}

TEST_F(ButtonCaptionTest, TooWideWrapsOntoCentredLines)
{
    Rect one_line = caption_ink({88, 40}, "再试一次？", {});
    Rect wrapped = caption_ink({60, 56}, "再试一次？再试一次？", {});
    EXPECT_LE(wrapped.width, 50);
    EXPECT_GE(wrapped.height, 2 * one_line.height);
    EXPECT_NEAR(wrapped.x + wrapped.width / 2.0, 30, 2);
    EXPECT_NEAR(wrapped.y + wrapped.height / 2.0, 28, 2);
}

// Message box ------------------------------------------------------------------

const char* const kErrorText = "运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：数据或数组类型不匹配\r\n";
const char* const kFarewellText = "是不是觉得很准？\r\n为什么会这么准？\r\n其实你也可以编写这样的程序\r\n\r\n"
                                  "        ------软件作者：柏青岚";

bool inside(const Rect& inner, Size client)
{
    return inner.x >= 0 && inner.y >= 0 && inner.right() <= client.width && inner.bottom() <= client.height;
}

struct BoxCase {
    const char* name;
    std::string text;
    MessageBoxIcon icon;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxLayoutTest : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxLayoutTest, PartsFitTheClientWithoutOverlapping)
{
    const BoxCase& c = GetParam();
    MessageBoxLayout layout = layout_message_box(c.text, c.icon);

    EXPECT_EQ(layout.ok_button.width, 75);
    EXPECT_EQ(layout.ok_button.height, 23);
    EXPECT_LE(std::abs(layout.ok_button.x - (layout.client.width - layout.ok_button.right())), 1);
    EXPECT_TRUE(inside(layout.ok_button, layout.client));
    EXPECT_GE(layout.client.height - layout.ok_button.bottom(), 8);
    EXPECT_TRUE(inside(layout.text, layout.client));
    EXPECT_LE(layout.text.bottom(), layout.ok_button.y);
    EXPECT_LE(layout.client.width, 12 + 32 + 12 + 480 + 12);
    if (c.icon == MessageBoxIcon::none) {
        EXPECT_TRUE(layout.icon.empty());
    } else {
        EXPECT_EQ(layout.icon.width, 32);
        EXPECT_EQ(layout.icon.height, 32);
        EXPECT_TRUE(inside(layout.icon, layout.client));
        EXPECT_FALSE(intersects(layout.icon, layout.text));
        EXPECT_GE(layout.text.x, layout.icon.right());
        EXPECT_LE(layout.icon.bottom(), layout.ok_button.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, MessageBoxLayoutTest,
                         testing::Values(BoxCase{"error", kErrorText, MessageBoxIcon::stop},
                                         BoxCase{"farewell", kFarewellText, MessageBoxIcon::none},
                                         BoxCase{"one_character", "短", MessageBoxIcon::stop},
                                         BoxCase{"empty", "", MessageBoxIcon::none},
                                         BoxCase{"long_line", std::string(2000, 'x'), MessageBoxIcon::stop}),
                         [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

int client_height(const char* text) { return layout_message_box(text, MessageBoxIcon::none).client.height; }

TEST(MessageBoxLayoutLines, EveryLineAndEmptyLineAddsHeight)
{
    EXPECT_GT(client_height("一\r\n二"), client_height("一"));
    EXPECT_GT(client_height("一\r\n二\r\n三"), client_height("一\r\n二"));
    EXPECT_GT(client_height("一\r\n\r\n二"), client_height("一\r\n二"));
    EXPECT_EQ(client_height("一\r\n"), client_height("一"));
}

TEST(MessageBoxLayoutLines, LongLineWrapsWithinBoundedWidth)
{
    MessageBoxLayout one_line = layout_message_box("错误", MessageBoxIcon::none);
    MessageBoxLayout wrapped = layout_message_box(std::string(300, '0') + " " + std::string(60, 'x'),
                                                  MessageBoxIcon::none);
    EXPECT_LE(wrapped.text.width, 480);
    EXPECT_GE(wrapped.text.height, 3 * one_line.text.height);
    EXPECT_GT(wrapped.client.height, one_line.client.height);
}

TEST(MessageBoxDrawing, WhiteTextAreaFaceStripRedIconAndOkButton)
{
    MessageBoxLayout layout = layout_message_box(kErrorText, MessageBoxIcon::stop);
    Canvas canvas(layout.client.width, layout.client.height);
    draw_message_box(canvas.cr(), layout, kErrorText, MessageBoxIcon::stop, {});

    const Rect& ok = layout.ok_button;
    expect_pixels(canvas, {
        {0, 0, kWhite}, {layout.client.width - 1, ok.y - 13, kWhite},
        {0, layout.client.height - 1, kFaceColor}, {layout.client.width - 1, ok.y, kFaceColor},
        {ok.x, ok.y, kWhite}, {ok.right() - 1, ok.bottom() - 1, kDarkShadow},
    });

    Color disc = canvas.pixel(layout.icon.x + 5, layout.icon.y + 16);
    EXPECT_GT(disc.red, 180);
    EXPECT_LT(disc.green, 90);
    EXPECT_LT(disc.blue, 90);
    EXPECT_EQ(describe(canvas.pixel(layout.icon.x + 16, layout.icon.y + 16)), describe(kWhite)) << "the cross";

    Rect ink = canvas.ink_box(layout.text, kWhite);
    EXPECT_FALSE(ink.empty());
    Rect caption = canvas.ink_box(shrink(ok, 2), kFaceColor);
    EXPECT_NEAR(caption.x + caption.width / 2.0, ok.x + ok.width / 2.0, 2);
}

} // namespace
} // namespace toolkit
