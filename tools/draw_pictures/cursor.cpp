// The hand cursor. The hand is drawn as vector shapes, then snapped to whole
// pixels: covered pixels turn white, their bare neighbours become the black
// outline, and the lines between the curled fingers are drawn in black.

#include "cursor.hpp"

#include <cmath>
#include <stdexcept>
#include <string>

namespace pictures {
namespace {

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// A rounded bar of the given radius from a to b.
void capsule(cairo_t* cr, Point a, Point b, double r) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    cairo_save(cr);
    cairo_translate(cr, a.x, a.y);
    cairo_rotate(cr, std::atan2(b.y - a.y, b.x - a.x));
    cairo_new_sub_path(cr);
    cairo_arc(cr, len, 0, r, -kPi / 2, kPi / 2);
    cairo_arc(cr, 0, 0, r, kPi / 2, 3 * kPi / 2);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// The silhouette, in pixel coordinates (pixel x covers x..x+1).
void hand_shape(cairo_t* cr) {
    rounded_rect(cr, 4, 2, 5, 16, 2.0);        // index finger
    rounded_rect(cr, 9, 9.5, 4.4, 9, 2.1);     // the curled fingers' knuckles
    rounded_rect(cr, 13.4, 10.5, 4.4, 9, 2.1);
    rounded_rect(cr, 17.8, 12, 4.2, 9, 2.0);
    // palm down to the wrist
    cairo_move_to(cr, 4, 16);
    cairo_line_to(cr, 22, 17);
    cairo_curve_to(cr, 22.2, 21.5, 21, 24.5, 19.5, 27);
    cairo_line_to(cr, 19.5, 30);
    cairo_line_to(cr, 8, 30);
    cairo_line_to(cr, 8, 27.5);
    cairo_curve_to(cr, 6.5, 26, 5, 24, 4, 21.5);
    cairo_close_path(cr);
    capsule(cr, {7.6, 22.6}, {3.0, 16.4}, 2.2); // thumb, bent up along the palm
}

// Creases between the curled fingers and along the thumb.
void hand_lines(cairo_t* cr) {
    cairo_move_to(cr, 9.5, 9.5);
    cairo_line_to(cr, 9.5, 16.5);
    cairo_move_to(cr, 13.5, 10.5);
    cairo_line_to(cr, 13.5, 17);
    cairo_move_to(cr, 17.5, 12);
    cairo_line_to(cr, 17.5, 18);
    cairo_move_to(cr, 5.5, 20.5);
    cairo_line_to(cr, 8.5, 23.5);
}

std::vector<bool> coverage(void (*shape)(cairo_t*), bool stroke) {
    Canvas canvas(kCursorSize, kCursorSize);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 0, 0, 0);
    shape(cr);
    if (stroke) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
    const Image img = canvas.image();
    std::vector<bool> out(img.pixels.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = img.pixels[i].a >= 128;
    return out;
}

} // namespace

Image draw_hand_cursor() {
    const int n = kCursorSize;
    const std::vector<bool> inside = coverage(hand_shape, false);
    const std::vector<bool> creases = coverage(hand_lines, true);
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < n && y < n && inside[y * n + x]; };

    const Rgba white{255, 255, 255, 255}, black{0, 0, 0, 255};
    Image img(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (in(x, y))
                img.at(x, y) = creases[y * n + x] ? black : white;
            else if (in(x - 1, y) || in(x + 1, y) || in(x, y - 1) || in(x, y + 1))
                img.at(x, y) = black;
        }

    // The hot spot must be the topmost pixel of the fingertip.
    for (int x = 0; x < n; ++x)
        if (img.at(x, 0).a != 0)
            throw std::runtime_error("hand cursor touches the top row");
    if (img.at(kCursorHotX, kCursorHotY) != black || img.at(kCursorHotX, kCursorHotY + 1) != white)
        throw std::runtime_error("hand cursor's fingertip is not at its hot spot");
    return img;
}

} // namespace pictures
