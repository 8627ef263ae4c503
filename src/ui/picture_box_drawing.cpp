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

// A picture scaled to the size it is drawn at, made once and kept with the
// picture itself: every box of that size shows exactly the same pixels
// wherever it lies, and a repaint only copies them.
struct ScaledCopy {
    toolkit::Size size;
    cairo_surface_t* surface = nullptr;
};

const cairo_user_data_key_t kScaledCopyKey{};

void destroy_scaled_copy(void* data)
{
    auto* copy = static_cast<ScaledCopy*>(data);
    cairo_surface_destroy(copy->surface);
    delete copy;
}

cairo_surface_t* scaled_to(cairo_surface_t* image, toolkit::Size size)
{
    toolkit::Size own{cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
    if (own == size)
        return image;
    auto* cached = static_cast<ScaledCopy*>(cairo_surface_get_user_data(image, &kScaledCopyKey));
    if (cached && cached->size == size)
        return cached->surface;

    cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width, size.height);
    cairo_t* cr = cairo_create(scaled);
    // The pattern maps the whole image onto the new size; PAD keeps the
    // filter from blending the edge pixels with transparency.
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, static_cast<double>(own.width) / size.width,
                            static_cast<double>(own.height) / size.height);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_source(cr, pattern);
    cairo_paint(cr);
    cairo_pattern_destroy(pattern);
    cairo_destroy(cr);
    cairo_surface_flush(scaled);

    // Replacing the key's data destroys a copy made for another size.
    cairo_surface_set_user_data(image, &kScaledCopyKey, new ScaledCopy{size, scaled}, destroy_scaled_copy);
    return scaled;
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

    cairo_save(cr);
    cairo_set_source_surface(cr, scaled_to(image, {place.width, place.height}), place.x, place.y);
    cairo_rectangle(cr, place.x, place.y, place.width, place.height);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace ui
