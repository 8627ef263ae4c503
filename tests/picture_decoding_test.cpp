#include "toolkit/picture.h"

#include <cairo.h>
#include <cstdio> // jpeglib.h uses FILE without declaring it
#include <gif_lib.h>
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << '(' << c.r << ", " << c.g << ", " << c.b << ')';
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kInk{10, 20, 30};
constexpr Rgb kWhite{255, 255, 255};

// The palette of the test GIFs; frames name colours by letter.
const std::vector<Rgb> kPalette{kRed, kGreen, kBlue, kInk};

Rgb colour_of_letter(char letter)
{
    switch (letter) {
    case 'R': return kRed;
    case 'G': return kGreen;
    case 'B': return kBlue;
    case 'K': return kInk;
    case 'W': return kWhite;
    }
    ADD_FAILURE() << "no colour letter " << letter;
    return {};
}

Rgb pixel(const toolkit::PictureFrame& frame, int x, int y)
{
    cairo_surface_t* surface = frame.image.get();
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::uint32_t word = 0;
    std::memcpy(&word, data + y * cairo_image_surface_get_stride(surface) + 4 * x, sizeof word);
    return {int(word >> 16 & 0xFF), int(word >> 8 & 0xFF), int(word & 0xFF)};
}

// Every frame must be an RGB24 surface of the picture's size.
void expect_well_formed(const toolkit::Picture& picture)
{
    ASSERT_FALSE(picture.frames.empty());
    for (const toolkit::PictureFrame& frame : picture.frames) {
        ASSERT_TRUE(frame.image);
        EXPECT_EQ(cairo_image_surface_get_format(frame.image.get()), CAIRO_FORMAT_RGB24);
        EXPECT_EQ(cairo_image_surface_get_width(frame.image.get()), picture.width);
        EXPECT_EQ(cairo_image_surface_get_height(frame.image.get()), picture.height);
    }
}

// Rows of colour letters, top to bottom.
void expect_frame(const toolkit::PictureFrame& frame, const std::vector<std::string>& rows)
{
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x)
            EXPECT_EQ(pixel(frame, x, y), colour_of_letter(rows[y][x])) << "at " << x << ", " << y;
}

void expect_near(Rgb actual, Rgb expected, int tolerance, const std::string& where)
{
    EXPECT_NEAR(actual.r, expected.r, tolerance) << where;
    EXPECT_NEAR(actual.g, expected.g, tolerance) << where;
    EXPECT_NEAR(actual.b, expected.b, tolerance) << where;
}

std::optional<toolkit::Picture> decode(const Bytes& bytes) { return toolkit::decode_picture(bytes); }

// --- A small JPEG encoder -------------------------------------------------

Bytes encode_jpeg(int width, int height, bool grey, const std::function<Rgb(int, int)>& colour_at)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * cinfo.input_components);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour_at(x, int(cinfo.next_scanline));
            if (grey) {
                row[x] = JSAMPLE(c.r);
            } else {
                row[3 * x] = JSAMPLE(c.r);
                row[3 * x + 1] = JSAMPLE(c.g);
                row[3 * x + 2] = JSAMPLE(c.b);
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

Bytes plain_jpeg(int width, int height, Rgb colour)
{
    return encode_jpeg(width, height, false, [=](int, int) { return colour; });
}

// 32 × 32 in four 16 × 16 quarters, aligned to the colour blocks.
Bytes quartered_jpeg()
{
    return encode_jpeg(32, 32, false, [](int x, int y) {
        if (y < 16)
            return x < 16 ? kRed : kGreen;
        return x < 16 ? kBlue : Rgb{200, 150, 40};
    });
}

// --- A small GIF encoder --------------------------------------------------

struct GifFrame {
    int left = 0;
    int top = 0;
    std::vector<std::string> rows{}; // palette indices as digits, top to bottom
    int transparent = NO_TRANSPARENT_COLOR;
    int delay_cs = 0;
    int disposal = DISPOSE_DO_NOT;
    bool control_block = true;
    bool interlaced = false;
    std::vector<Rgb> local_colours{}; // empty: the global palette
};

struct GifSpec {
    int width = 0;
    int height = 0;
    std::vector<GifFrame> frames{};
    std::vector<Rgb> colours = kPalette;
};

int append_output(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

ColorMapObject* make_colour_map(const std::vector<Rgb>& colours)
{
    std::vector<GifColorType> entries;
    for (const Rgb& c : colours)
        entries.push_back({GifByteType(c.r), GifByteType(c.g), GifByteType(c.b)});
    ColorMapObject* map = GifMakeMapObject(int(entries.size()), entries.data());
    EXPECT_NE(map, nullptr) << "palette size must be a power of two";
    return map;
}

void put_rows(GifFileType* gif, const GifFrame& frame)
{
    const int height = int(frame.rows.size());
    std::vector<int> order;
    if (frame.interlaced) {
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < height; y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
    }
    for (int y : order) {
        std::vector<GifPixelType> line;
        for (char digit : frame.rows[y])
            line.push_back(GifPixelType(digit - '0'));
        ASSERT_EQ(EGifPutLine(gif, line.data(), int(line.size())), GIF_OK);
    }
}

Bytes encode_gif(const GifSpec& options)
{
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, append_output, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = make_colour_map(options.colours);
    EXPECT_EQ(EGifPutScreenDesc(gif, options.width, options.height, 8, 0, global), GIF_OK);
    GifFreeMapObject(global);
    for (const GifFrame& frame : options.frames) {
        if (frame.control_block) {
            GraphicsControlBlock control{frame.disposal, false, frame.delay_cs, frame.transparent};
            GifByteType extension[4];
            const size_t length = EGifGCBToExtension(&control, extension);
            EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), GIF_OK);
        }
        ColorMapObject* local = frame.local_colours.empty() ? nullptr : make_colour_map(frame.local_colours);
        EXPECT_EQ(EGifPutImageDesc(gif, frame.left, frame.top, int(frame.rows.front().size()),
                                   int(frame.rows.size()), frame.interlaced, local),
                  GIF_OK);
        GifFreeMapObject(local);
        put_rows(gif, frame);
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    return out;
}

// The encoder insists on a colour map, so the global one is cut out afterwards.
Bytes without_global_colours(Bytes gif)
{
    const std::uint8_t flags = gif[10];
    const std::size_t table_bytes = 3u << ((flags & 0x07) + 1);
    gif[10] = flags & 0x7F;
    gif.erase(gif.begin() + 13, gif.begin() + 13 + std::ptrdiff_t(table_bytes));
    return gif;
}

// Three frames over one another, with transparency and all kinds of delay.
GifSpec layered_gif()
{
    return {3, 1,
            {{.rows = {"011"}, .transparent = 1, .delay_cs = 10},
             {.rows = {"121"}, .transparent = 1, .delay_cs = 0},
             {.left = 2, .rows = {"3"}, .control_block = false}}};
}

// --- JPEG -------------------------------------------------------------------

struct PlainJpegCase {
    int width;
    int height;
    bool grey;
    Rgb colour;
};

void PrintTo(const PlainJpegCase& c, std::ostream* out)
{
    *out << c.width << 'x' << c.height << (c.grey ? " grey" : "");
}

class PlainJpeg : public testing::TestWithParam<PlainJpegCase> { };

TEST_P(PlainJpeg, DecodesToOneOpaqueFrameOfItsSizeAndColour)
{
    const PlainJpegCase c = GetParam();
    const auto picture = decode(encode_jpeg(c.width, c.height, c.grey, [&](int, int) { return c.colour; }));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, c.width);
    EXPECT_EQ(picture->height, c.height);
    ASSERT_EQ(picture->frames.size(), 1u);
    EXPECT_EQ(picture->frames[0].delay_ms, 0);
    EXPECT_FALSE(picture->animated());
    expect_well_formed(*picture);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            expect_near(pixel(picture->frames[0], x, y), c.colour, 4,
                        "at " + std::to_string(x) + ", " + std::to_string(y));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlainJpeg,
                         testing::Values(PlainJpegCase{1, 1, false, {200, 60, 20}},
                                         PlainJpegCase{13, 7, false, {30, 140, 220}},
                                         PlainJpegCase{25, 25, false, {90, 200, 120}},
                                         PlainJpegCase{17, 3, true, {90, 90, 90}}));

TEST(JpegDecoding, KeepsEveryQuarterInItsPlace)
{
    const auto picture = decode(quartered_jpeg());
    ASSERT_TRUE(picture);
    const toolkit::PictureFrame& frame = picture->frames[0];
    expect_near(pixel(frame, 8, 8), kRed, 8, "top left");
    expect_near(pixel(frame, 24, 8), kGreen, 8, "top right");
    expect_near(pixel(frame, 8, 24), kBlue, 8, "bottom left");
    expect_near(pixel(frame, 24, 24), {200, 150, 40}, 8, "bottom right");
}

// --- GIF --------------------------------------------------------------------

TEST(GifDecoding, OneFrameShowsTransparentPixelsInTheirPaletteColourOnWhite)
{
    const GifFrame corner{.left = 1, .top = 1, .rows = {"01", "23"}, .transparent = 1, .delay_cs = 30};
    const auto picture = decode(encode_gif({4, 3, {corner}}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 3);
    ASSERT_EQ(picture->frames.size(), 1u);
    EXPECT_EQ(picture->frames[0].delay_ms, 0);
    expect_well_formed(*picture);
    expect_frame(picture->frames[0], {"WWWW", "WRGW", "WBKW"});
}

TEST(GifDecoding, ComposesFramesOnWhiteLeavingTransparentPixelsOut)
{
    const auto picture = decode(encode_gif(layered_gif()));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->frames.size(), 3u);
    EXPECT_TRUE(picture->animated());
    expect_well_formed(*picture);
    expect_frame(picture->frames[0], {"RWW"});
    expect_frame(picture->frames[1], {"RBW"});
    expect_frame(picture->frames[2], {"RBK"});
    // 10 hundredths; 0 and a frame without a control block count as 50 ms.
    EXPECT_EQ(picture->frames[0].delay_ms, 100);
    EXPECT_EQ(picture->frames[1].delay_ms, toolkit::kZeroDelayMs);
    EXPECT_EQ(picture->frames[2].delay_ms, toolkit::kZeroDelayMs);
}

TEST(GifDecoding, FramesDoNotShareTheirSurfaces)
{
    const auto picture = decode(encode_gif(layered_gif()));
    ASSERT_TRUE(picture);
    EXPECT_NE(picture->frames[0].image.get(), picture->frames[1].image.get());
    EXPECT_NE(picture->frames[1].image.get(), picture->frames[2].image.get());
}

struct DisposalCase {
    int disposal;
    std::string last_frame;
};

void PrintTo(const DisposalCase& c, std::ostream* out) { *out << "disposal " << c.disposal; }

class GifDisposal : public testing::TestWithParam<DisposalCase> { };

// Red everywhere, then green on the left disposed as the case says, then blue on the right.
TEST_P(GifDisposal, DecidesWhatTheNextFrameIsDrawnOver)
{
    const auto picture = decode(encode_gif({2, 1,
                                            {{.rows = {"00"}, .delay_cs = 5},
                                             {.rows = {"1"}, .delay_cs = 5, .disposal = GetParam().disposal},
                                             {.left = 1, .rows = {"2"}, .delay_cs = 5}}}));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->frames.size(), 3u);
    expect_frame(picture->frames[1], {"GR"});
    expect_frame(picture->frames[2], {GetParam().last_frame});
}

INSTANTIATE_TEST_SUITE_P(Modes, GifDisposal,
                         testing::Values(DisposalCase{DISPOSAL_UNSPECIFIED, "GB"}, DisposalCase{DISPOSE_DO_NOT, "GB"},
                                         DisposalCase{DISPOSE_BACKGROUND, "WB"}, DisposalCase{DISPOSE_PREVIOUS, "RB"}));

struct ClipCase {
    const char* name;
    GifSpec gif;
    std::vector<std::string> expected;
};

void PrintTo(const ClipCase& c, std::ostream* out) { *out << c.name; }

class GifClipping : public testing::TestWithParam<ClipCase> { };

TEST_P(GifClipping, DrawsOnlyThePartOfAFrameOnTheScreen)
{
    const auto picture = decode(encode_gif(GetParam().gif));
    ASSERT_TRUE(picture);
    expect_well_formed(*picture);
    expect_frame(picture->frames.back(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, GifClipping,
    testing::Values(ClipCase{"PastRightAndBottom",
                             {3, 2, {{.left = 1, .top = 1, .rows = {"012", "123", "230"}}}},
                             {"WWW", "WRG"}},
                    ClipCase{"LargerThanScreen", {2, 2, {{.rows = {"0123", "1230", "2301"}}}}, {"RG", "GB"}},
                    ClipCase{"WhollyOutside",
                             {2, 1, {{.rows = {"02"}}, {.left = 5, .top = 3, .rows = {"11"}}}},
                             {"RB"}}),
    [](const auto& info) { return info.param.name; });

TEST(GifDecoding, PutsInterlacedRowsInDisplayOrder)
{
    const GifFrame interlaced{.rows = {"0", "1", "2", "3", "3", "2", "1", "0", "1"}, .interlaced = true};
    const auto picture = decode(encode_gif({1, 9, {interlaced}}));
    ASSERT_TRUE(picture);
    expect_frame(picture->frames[0], {"R", "G", "B", "K", "K", "B", "G", "R", "G"});
}

// A two-colour map still codes indices 2 and 3: they have no colour and are left out.
TEST(GifDecoding, LeavesOutIndicesBeyondTheColourMap)
{
    const std::vector<Rgb> two_colours{kRed, kGreen};
    const auto still = decode(encode_gif({4, 1, {{.rows = {"0123"}}}, two_colours}));
    ASSERT_TRUE(still);
    expect_frame(still->frames[0], {"RGWW"});

    const auto animated =
        decode(encode_gif({4, 1, {{.rows = {"2222"}}, {.rows = {"1230"}, .local_colours = two_colours}}}));
    ASSERT_TRUE(animated);
    expect_frame(animated->frames[1], {"GBBR"});
}

TEST(GifDecoding, RefusesAFrameWithoutAnyColourMap)
{
    const GifSpec options{2, 1, {{.rows = {"01"}}}};
    ASSERT_TRUE(decode(encode_gif(options)));
    EXPECT_FALSE(decode(without_global_colours(encode_gif(options))));

    GifSpec local_only{2, 1, {{.rows = {"01"}, .local_colours = kPalette}}};
    EXPECT_TRUE(decode(without_global_colours(encode_gif(local_only))));
}

// --- Sizes and broken bytes ----------------------------------------------------

struct SizeCase {
    const char* name;
    Bytes bytes;
    bool decodes;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.name; }

class PictureSize : public testing::TestWithParam<SizeCase> { };

TEST_P(PictureSize, IsLimitedTo8192PixelsASide)
{
    EXPECT_EQ(decode(GetParam().bytes).has_value(), GetParam().decodes);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PictureSize,
    testing::Values(SizeCase{"JpegWidest", plain_jpeg(8192, 1, kRed), true},
                    SizeCase{"JpegTooWide", plain_jpeg(8193, 1, kRed), false},
                    SizeCase{"JpegTooTall", plain_jpeg(1, 8193, kRed), false},
                    SizeCase{"GifWidest", encode_gif({8192, 1, {{.rows = {"0"}}}}), true},
                    SizeCase{"GifTooWide", encode_gif({8193, 1, {{.rows = {"0"}}}}), false},
                    SizeCase{"GifTooTall", encode_gif({1, 8193, {{.rows = {"0"}}}}), false},
                    SizeCase{"GifEmptyScreen", encode_gif({0, 0, {{.rows = {"0"}}}}), false},
                    SizeCase{"GifFrameTooWide", encode_gif({1, 1, {{.rows = {std::string(8193, '0')}}}}), false}),
    [](const auto& info) { return info.param.name; });

struct ValidCase {
    const char* name;
    Bytes bytes;
};

void PrintTo(const ValidCase& c, std::ostream* out) { *out << c.name; }

class TruncatedPicture : public testing::TestWithParam<ValidCase> { };

TEST_P(TruncatedPicture, DecodesOnlyWhenComplete)
{
    const Bytes& whole = GetParam().bytes;
    ASSERT_TRUE(decode(whole));
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(decode(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(length)))) << "cut at " << length;
}

Bytes grey_ramp_jpeg()
{
    return encode_jpeg(20, 12, true, [](int x, int) { return Rgb{x * 10, 0, 0}; });
}

Bytes interlaced_gif()
{
    return encode_gif({2, 9, {{.rows = {"01", "12", "23", "30", "01", "12", "23", "30", "01"}, .interlaced = true}}});
}

INSTANTIATE_TEST_SUITE_P(Formats, TruncatedPicture,
                         testing::Values(ValidCase{"Jpeg", quartered_jpeg()}, ValidCase{"GreyJpeg", grey_ramp_jpeg()},
                                         ValidCase{"AnimatedGif", encode_gif(layered_gif())},
                                         ValidCase{"InterlacedGif", interlaced_gif()}),
                         [](const auto& info) { return info.param.name; });

Bytes random_bytes(std::mt19937& generator, Bytes prefix, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        prefix.push_back(std::uint8_t(generator()));
    return prefix;
}

TEST(UndecodableBytes, GiveNothing)
{
    const Bytes jpeg = quartered_jpeg();
    const Bytes gif = encode_gif(layered_gif());
    std::vector<std::pair<std::string, Bytes>> cases{
        {"empty", {}},
        {"signature only", {'G', 'I', 'F', '8', '9', 'a'}},
        {"start of image only", {0xFF, 0xD8, 0xFF}},
        {"unknown signature", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}},
        {"GIF with an unknown version", [&] { Bytes b = gif; b[4] = '8'; return b; }()},
        {"JPEG without its first byte", Bytes(jpeg.begin() + 1, jpeg.end())},
    };
    std::mt19937 generator(20240611);
    const Bytes gif_screen(gif.begin(), gif.begin() + 13);
    const Bytes jpeg_half(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2));
    for (int round = 0; round < 50; ++round) {
        const std::size_t count = 1 + round * 20;
        cases.emplace_back("random", random_bytes(generator, {}, count));
        cases.emplace_back("random after a JPEG start", random_bytes(generator, {0xFF, 0xD8, 0xFF}, count));
        cases.emplace_back("random after a GIF screen", random_bytes(generator, gif_screen, count));
        cases.emplace_back("random after half a JPEG", random_bytes(generator, jpeg_half, count));
    }
    for (const auto& [name, bytes] : cases)
        EXPECT_FALSE(decode(bytes)) << name << ", " << bytes.size() << " bytes";
}

} // namespace
