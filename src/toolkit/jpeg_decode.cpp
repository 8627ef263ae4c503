#include "toolkit/jpeg_decode.h"

#include <cairo.h>
#include <cstdio> // jpeglib.h uses FILE without declaring it
#include <jpeglib.h>

#include <bit>
#include <csetjmp>

namespace toolkit {
namespace {

constexpr JDIMENSION kMaxSide = 8192;

// Four bytes a pixel laid out as cairo's native-endian 0xAARRGGBB words, with
// the spare byte set opaque.
constexpr J_COLOR_SPACE kCairoOrder = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// The library's default ends the process; we return to decode_surface instead.
[[noreturn]] void jump_back(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JumpingErrors*>(cinfo->err)->jump, 1);
}

// Warnings are counted by the default emit_message and judged afterwards;
// nothing is printed.
void stay_silent(j_common_ptr) { }

// Kept free of C++ objects with destructors: error_exit longjmps back here.
// Returns an owned surface, or null.
cairo_surface_t* decode_surface(const unsigned char* data, unsigned long size)
{
    jpeg_decompress_struct cinfo;
    JumpingErrors errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jump_back;
    errors.base.output_message = stay_silent;
    cairo_surface_t* volatile surface = nullptr;

    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        if (surface != nullptr)
            cairo_surface_destroy(surface);
        return nullptr;
    }

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > kMaxSide || cinfo.image_height > kMaxSide) {
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    cinfo.out_color_space = kCairoOrder;
    jpeg_start_decompress(&cinfo);

    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(cinfo.output_width),
                                         static_cast<int>(cinfo.output_height));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS || cinfo.output_components != 4) {
        jpeg_destroy_decompress(&cinfo);
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels + static_cast<std::ptrdiff_t>(cinfo.output_scanline) * stride;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    const bool damaged = cinfo.err->num_warnings > 0;
    jpeg_destroy_decompress(&cinfo);
    cairo_surface_mark_dirty(surface);

    if (damaged) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

} // namespace

std::optional<Picture> decode_jpeg(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return std::nullopt;
    cairo_surface_t* surface = decode_surface(bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (surface == nullptr)
        return std::nullopt;

    Picture picture;
    picture.width = cairo_image_surface_get_width(surface);
    picture.height = cairo_image_surface_get_height(surface);
    picture.frames.push_back({std::shared_ptr<cairo_surface_t>(surface, cairo_surface_destroy), 0});
    return picture;
}

} // namespace toolkit
