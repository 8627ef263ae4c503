// The name in tall serif letters with soft green, yellow and pink gradients.
// The program shows this picture on black, so it is drawn to look right there.

#include "banner.hpp"

namespace pictures {
namespace {

constexpr const char* kName = "Norvane";
constexpr double kMarginX = 2.0, kMarginY = 2.0;

// Sets the current path to the name, stretched to fill the picture.
void name_path(cairo_t* cr) {
    cairo_select_font_face(cr, "DejaVu Serif Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 100);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, kName);
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);

    cairo_save(cr);
    cairo_translate(cr, kMarginX, kMarginY);
    cairo_scale(cr, (kBannerWidth - 2 * kMarginX) / (x1 - x0), (kBannerHeight - 2 * kMarginY) / (y1 - y0));
    cairo_translate(cr, -x0, -y0);
    cairo_append_path(cr, path);
    cairo_restore(cr);
    cairo_path_destroy(path);
}

} // namespace

Image draw_banner() {
    Canvas canvas(kBannerWidth, kBannerHeight);
    cairo_t* cr = canvas.cr();

    name_path(cr);
    cairo_pattern_t* colours = cairo_pattern_create_linear(0, 0, kBannerWidth, kBannerHeight * 0.6);
    add_stop(colours, 0.00, Colour::bytes(96, 206, 112));  // green
    add_stop(colours, 0.30, Colour::bytes(186, 226, 96));
    add_stop(colours, 0.50, Colour::bytes(252, 226, 100)); // yellow
    add_stop(colours, 0.72, Colour::bytes(250, 170, 176));
    add_stop(colours, 1.00, Colour::bytes(244, 120, 186)); // pink
    cairo_set_source(cr, colours);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(colours);

    // Soft light over the top half and a little shade at the feet of the letters.
    cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, kBannerHeight);
    cairo_pattern_add_color_stop_rgba(light, 0.00, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(light, 0.45, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(light, 0.75, 0.2, 0.05, 0.2, 0.0);
    cairo_pattern_add_color_stop_rgba(light, 1.00, 0.2, 0.05, 0.2, 0.3);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    return canvas.image();
}

} // namespace pictures
