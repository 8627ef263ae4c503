#include "platform_sdl_pictures.h"

#include <cstring>
#include <span>

namespace toolkit {

namespace {

struct PngSource {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

cairo_status_t read_png_bytes(void* closure, unsigned char* data, unsigned int length)
{
    auto* source = static_cast<PngSource*>(closure);
    if (source->bytes.size() - source->offset < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, source->bytes.data() + source->offset, length);
    source->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

CairoSurface decode_png(ByteString picture)
{
    PngSource source{byte_string_bytes(picture)};
    if (source.bytes.empty())
        return nullptr;
    CairoSurface surface(cairo_image_surface_create_from_png_stream(read_png_bytes, &source));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    return surface;
}

std::uint32_t straight_alpha_pixel(std::uint32_t premultiplied, bool has_alpha)
{
    if (!has_alpha)
        return premultiplied | 0xff000000u;
    std::uint32_t alpha = premultiplied >> 24;
    if (alpha == 0)
        return 0;
    auto unmultiply = [alpha](std::uint32_t channel) { return (channel * 255 + alpha / 2) / alpha; };
    return alpha << 24 | unmultiply(premultiplied >> 16 & 0xff) << 16 | unmultiply(premultiplied >> 8 & 0xff) << 8
        | unmultiply(premultiplied & 0xff);
}

SdlSurface sdl_copy(cairo_surface_t* picture)
{
    SdlSurface copy(SDL_CreateRGBSurfaceWithFormat(0, cairo_image_surface_get_width(picture),
                                                   cairo_image_surface_get_height(picture), 32,
                                                   SDL_PIXELFORMAT_ARGB8888));
    if (!copy)
        return nullptr;
    auto* pixels = static_cast<unsigned char*>(copy->pixels);
    int pitch = copy->pitch;
    for_each_straight_pixel(picture, [pixels, pitch](int x, int y, std::uint32_t pixel) {
        reinterpret_cast<std::uint32_t*>(pixels + y * pitch)[x] = pixel;
    });
    return copy;
}

} // namespace toolkit
