#include "ui/picture_box_drawing.h"

#include "ui/background_fill.h"

#include <algorithm>
#include <cstdint>

namespace ui {

namespace {

toolkit::Rect fitted(toolkit::Size picture, toolkit::Size inner)
{
    std::int64_t pw = picture.width, ph = picture.height, iw = inner.width, ih = inner.height;
    std::int64_t width = 0, height = 0;
    // iw / pw <= ih / ph, cross-multiplied: the width limits the scale.
    if (iw * ph <= ih * pw) {
        width = std::min(pw, iw);
        height = ph * width / pw;
    } else {
        height = std::min(ph, ih);
        width = pw * height / ph;
    }
    return {static_cast<int>((iw - width) / 2), static_cast<int>((ih - height) / 2), static_cast<int>(width),
            static_cast<int>(height)};
}

} // namespace

toolkit::Rect picture_placement(toolkit::DisplayMode mode, toolkit::Size picture, toolkit::Size inner)
{
    if (picture.width <= 0 || picture.height <= 0 || inner.width <= 0 || inner.height <= 0)
        return {};
    if (mode == toolkit::DisplayMode::stretch)
        return {0, 0, inner.width, inner.height};
    return fitted(picture, inner);
}

void draw_picture_box(cairo_t* cr, const toolkit::PictureBoxStyle& style, const toolkit::PictureFrame* frame,
                      toolkit::Size inner)
{
    fill_background(cr, style.background, inner);
    if (!frame || !frame->image)
        return;

    cairo_surface_t* image = frame->image.get();
    toolkit::Size size{cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
    toolkit::Rect place = picture_placement(style.mode, size, inner);
    if (place.empty())
        return;

    // The pattern maps the placement onto the whole image; PAD keeps the
    // filter from blending the edge pixels with transparency.
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, static_cast<double>(size.width) / place.width,
                            static_cast<double>(size.height) / place.height);
    cairo_matrix_translate(&matrix, -place.x, -place.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);

    cairo_save(cr);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, place.x, place.y, place.width, place.height);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
}

} // namespace ui
