#include "toolkit/gif_decode.h"

#include <cairo.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace toolkit {
namespace {

constexpr int kMaxSide = 8192;
// Caps the memory of the composed frames at 256 MiB.
constexpr long long kMaxComposedPixels = 1LL << 26;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr int kNoTransparency = -1;

struct ByteSource {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

int read_from_source(GifFileType* gif, GifByteType* out, int wanted)
{
    auto* source = static_cast<ByteSource*>(gif->UserData);
    const std::size_t left = source->bytes.size() - source->offset;
    const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(wanted, 0)));
    std::memcpy(out, source->bytes.data() + source->offset, count);
    source->offset += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// How one saved image is put on the screen.
struct FrameRule {
    const SavedImage* image = nullptr;
    const ColorMapObject* colours = nullptr;
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
};

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, kWhite) { }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Area {
    int left, top, right, bottom; // right and bottom exclusive
};

Area clipped_area(const GifImageDesc& desc, const Canvas& canvas)
{
    return {std::min(desc.Left, canvas.width), std::min(desc.Top, canvas.height),
            std::min(desc.Left + desc.Width, canvas.width), std::min(desc.Top + desc.Height, canvas.height)};
}

bool has_control_block(const SavedImage& image)
{
    return std::any_of(image.ExtensionBlocks, image.ExtensionBlocks + image.ExtensionBlockCount,
                       [](const ExtensionBlock& block) { return block.Function == GRAPHICS_EXT_FUNC_CODE; });
}

std::optional<FrameRule> read_rule(GifFileType* gif, int index)
{
    FrameRule rule;
    rule.image = &gif->SavedImages[index];
    const GifImageDesc& desc = rule.image->ImageDesc;
    if (desc.Width > kMaxSide || desc.Height > kMaxSide || rule.image->RasterBits == nullptr)
        return std::nullopt;
    rule.colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (rule.colours == nullptr || rule.colours->Colors == nullptr)
        return std::nullopt;
    // Without a control block the library's defaults stand; a malformed one is an error.
    if (has_control_block(*rule.image) && DGifSavedExtensionToGCB(gif, index, &rule.control) != GIF_OK)
        return std::nullopt;
    return rule;
}

void draw_frame(Canvas& canvas, const FrameRule& rule, int transparent_index)
{
    const GifImageDesc& desc = rule.image->ImageDesc;
    const Area area = clipped_area(desc, canvas);
    for (int y = area.top; y < area.bottom; ++y) {
        const GifByteType* row = rule.image->RasterBits + static_cast<std::size_t>(y - desc.Top) * desc.Width;
        for (int x = area.left; x < area.right; ++x) {
            const int index = row[x - desc.Left];
            if (index == transparent_index || index >= rule.colours->ColorCount)
                continue;
            const GifColorType colour = rule.colours->Colors[index];
            canvas.at(x, y) = 0xFF000000u | std::uint32_t{colour.Red} << 16 | std::uint32_t{colour.Green} << 8 |
                              colour.Blue;
        }
    }
}

void clear_to_white(Canvas& canvas, const GifImageDesc& desc)
{
    const Area area = clipped_area(desc, canvas);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            canvas.at(x, y) = kWhite;
}

std::shared_ptr<cairo_surface_t> to_surface(const Canvas& canvas)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, canvas.width, canvas.height);
    std::shared_ptr<cairo_surface_t> owned(surface, cairo_surface_destroy);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const std::size_t row_bytes = static_cast<std::size_t>(canvas.width) * sizeof(std::uint32_t);
    for (int y = 0; y < canvas.height; ++y)
        std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride,
                    canvas.pixels.data() + static_cast<std::size_t>(y) * canvas.width, row_bytes);
    cairo_surface_mark_dirty(surface);
    return owned;
}

int delay_ms(const GraphicsControlBlock& control)
{
    return control.DelayTime == 0 ? kZeroDelayMs : control.DelayTime * 10;
}

} // namespace

std::optional<Picture> decode_gif(std::span<const std::uint8_t> bytes)
{
    ByteSource source{bytes};
    int error = 0;
    GifHandle gif(DGifOpen(&source, read_from_source, &error));
    if (!gif)
        return std::nullopt;
    const int width = gif->SWidth;
    const int height = gif->SHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return std::nullopt;
    // DGifSlurp also puts the rows of interlaced frames in display order.
    if (DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1)
        return std::nullopt;
    const int count = gif->ImageCount;
    if (static_cast<long long>(width) * height * count > kMaxComposedPixels)
        return std::nullopt;

    std::vector<FrameRule> rules;
    for (int index = 0; index < count; ++index) {
        std::optional<FrameRule> rule = read_rule(gif.get(), index);
        if (!rule)
            return std::nullopt;
        rules.push_back(*rule);
    }

    Picture picture;
    picture.width = width;
    picture.height = height;
    Canvas canvas(width, height);

    if (count == 1) {
        draw_frame(canvas, rules.front(), kNoTransparency);
        std::shared_ptr<cairo_surface_t> image = to_surface(canvas);
        if (!image)
            return std::nullopt;
        picture.frames.push_back({std::move(image), 0});
        return picture;
    }

    for (const FrameRule& rule : rules) {
        const bool restores_previous = rule.control.DisposalMode == DISPOSE_PREVIOUS;
        std::vector<std::uint32_t> beneath;
        if (restores_previous)
            beneath = canvas.pixels;

        draw_frame(canvas, rule, rule.control.TransparentColor);
        std::shared_ptr<cairo_surface_t> image = to_surface(canvas);
        if (!image)
            return std::nullopt;
        picture.frames.push_back({std::move(image), delay_ms(rule.control)});

        if (rule.control.DisposalMode == DISPOSE_BACKGROUND)
            clear_to_white(canvas, rule.image->ImageDesc);
        else if (restores_previous)
            canvas.pixels = std::move(beneath);
    }
    return picture;
}

} // namespace toolkit
