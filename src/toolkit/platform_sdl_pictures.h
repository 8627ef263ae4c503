#pragma once

// Pictures for the SDL platform: the program icon and the hand cursor arrive
// as PNG bytes; cairo reads them, and SDL and the X icon property take their
// pixels with straight (not premultiplied) alpha.

#include "toolkit/byte_string.h"

#include <SDL.h>
#include <cairo.h>

#include <cstdint>
#include <memory>

namespace toolkit {

struct CairoSurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// Null for a null byte string or bytes that are not a PNG picture.
CairoSurface decode_png(ByteString picture);

// Cairo keeps colours premultiplied by alpha; SDL and the X icon property
// want them straight.
std::uint32_t straight_alpha_pixel(std::uint32_t premultiplied, bool has_alpha);

template <typename Visit>
void for_each_straight_pixel(cairo_surface_t* picture, Visit visit)
{
    cairo_surface_flush(picture);
    int width = cairo_image_surface_get_width(picture);
    int height = cairo_image_surface_get_height(picture);
    int stride = cairo_image_surface_get_stride(picture);
    bool has_alpha = cairo_image_surface_get_format(picture) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(picture);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x)
            visit(x, y, straight_alpha_pixel(row[x], has_alpha));
    }
}

// An ARGB8888 SDL surface with the picture's straight pixels.
SdlSurface sdl_copy(cairo_surface_t* picture);

} // namespace toolkit
