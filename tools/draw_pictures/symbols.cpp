// The symbols a guest picks from. Each one is drawn in pixel coordinates on a
// 25 x 25 square; bold strokes keep them legible when shown at 23 x 23.

#include "symbols.hpp"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace pictures {
namespace {

const Colour kInk = Colour::bytes(125, 4, 10);
constexpr double kBold = 2.4;
constexpr double kC = 12.5; // centre of the square

void stroke(cairo_t* cr, double width = kBold) {
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void paint_white(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_restore(cr);
}

void circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

// Star polygon with `points` tips, alternating between the two radii, first tip straight up.
void star(cairo_t* cr, double cx, double cy, int points, double outer, double inner, double turn = 0) {
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -kPi / 2 + turn + i * kPi / points;
        const double r = i % 2 == 0 ? outer : inner;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void gemini(cairo_t* cr) {
    cairo_move_to(cr, 4.2, 4.4);
    cairo_curve_to(cr, 9, 6.8, 16, 6.8, 20.8, 4.4);
    cairo_move_to(cr, 4.2, 20.6);
    cairo_curve_to(cr, 9, 18.2, 16, 18.2, 20.8, 20.6);
    cairo_move_to(cr, 9.2, 6);
    cairo_line_to(cr, 9.2, 19);
    cairo_move_to(cr, 15.8, 6);
    cairo_line_to(cr, 15.8, 19);
    stroke(cr, 2.6);
}

void aries(cairo_t* cr) {
    cairo_move_to(cr, kC, 21.6);
    cairo_line_to(cr, kC, 10.5);
    for (double side : {-1.0, 1.0}) {
        auto x = [side](double dx) { return kC + side * dx; };
        cairo_move_to(cr, x(0), 11.5);
        cairo_curve_to(cr, x(0), 6, x(2.2), 3.6, x(5), 3.6);
        cairo_curve_to(cr, x(7.6), 3.6, x(9.1), 5.6, x(9.1), 8);
        cairo_curve_to(cr, x(9.1), 9.8, x(8.2), 11.2, x(6.8), 11.8);
    }
    stroke(cr);
}

void taurus(cairo_t* cr) {
    circle(cr, kC, 15.7, 5.6);
    cairo_save(cr);
    cairo_translate(cr, kC, 3.0);
    cairo_scale(cr, 1.22, 1.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 7.3, 0.22, kPi - 0.22);
    cairo_restore(cr);
    stroke(cr);
}

void ringed_cross(cairo_t* cr) {
    const double cross_y = 9.8;
    cairo_move_to(cr, kC, 2.6);
    cairo_line_to(cr, kC, 22.4);
    cairo_move_to(cr, 2.8, cross_y);
    cairo_line_to(cr, 22.2, cross_y);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    stroke(cr, 3.0);
    circle(cr, kC, cross_y, 6.0);
    stroke(cr, 2.2);
}

void sun(cairo_t* cr) {
    circle(cr, kC, kC, 4.7);
    stroke(cr, 2.4);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        const double reach = i % 2 == 0 ? 10.3 : 10.9; // diagonals may reach into the corners
        cairo_move_to(cr, kC + 7.0 * std::cos(a), kC + 7.0 * std::sin(a));
        cairo_line_to(cr, kC + reach * std::cos(a), kC + reach * std::sin(a));
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    stroke(cr, 2.3);
}

void snowflake(cairo_t* cr) {
    for (int i = 0; i < 6; ++i) {
        const double a = -kPi / 2 + i * kPi / 3;
        const double ux = std::cos(a), uy = std::sin(a);
        cairo_move_to(cr, kC, kC);
        cairo_line_to(cr, kC + 10.2 * ux, kC + 10.2 * uy);
        // a V of side branches halfway out
        const double bx = kC + 5.4 * ux, by = kC + 5.4 * uy;
        for (double s : {-1.0, 1.0}) {
            const double ba = a + s * kPi / 3; // parallel to the neighbouring arms
            cairo_move_to(cr, bx, by);
            cairo_line_to(cr, bx + 3.4 * std::cos(ba), by + 3.4 * std::sin(ba));
        }
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    stroke(cr, 2.0);
}

void hexagram(cairo_t* cr) {
    const double r = 9.0;
    for (double turn : {0.0, kPi}) {
        for (int i = 0; i < 3; ++i) {
            const double a = -kPi / 2 + turn + i * 2 * kPi / 3;
            if (i == 0)
                cairo_move_to(cr, kC + r * std::cos(a), kC + r * std::sin(a));
            else
                cairo_line_to(cr, kC + r * std::cos(a), kC + r * std::sin(a));
        }
        cairo_close_path(cr);
    }
    stroke(cr, 2.0);
}

void latin_cross(cairo_t* cr) {
    const double l = 9.6, r = 15.4;       // upright
    const double t = 7.0, b = 12.8;       // crossbar
    const double left = 4.2, right = 20.8;
    cairo_move_to(cr, l, 3.2);
    cairo_line_to(cr, r, 3.2);
    cairo_line_to(cr, r, t);
    cairo_line_to(cr, right, t);
    cairo_line_to(cr, right, b);
    cairo_line_to(cr, r, b);
    cairo_line_to(cr, r, 21.8);
    cairo_line_to(cr, l, 21.8);
    cairo_line_to(cr, l, b);
    cairo_line_to(cr, left, b);
    cairo_line_to(cr, left, t);
    cairo_line_to(cr, l, t);
    cairo_close_path(cr);
    stroke(cr, 2.0);
}

void eight_pointed_star(cairo_t* cr) {
    star(cr, kC, kC, 8, 10.4, 5.0);
    cairo_fill(cr);
    circle(cr, kC, kC, 2.5);
    paint_white(cr);
}

void rosette(cairo_t* cr) {
    circle(cr, kC, kC, 9.3);
    stroke(cr, 2.2);
    // six curved spokes turning the ring into petals
    for (int i = 0; i < 6; ++i) {
        const double a0 = -kPi / 2 + i * kPi / 3;
        const double a1 = a0 + 0.9;
        const double r0 = 5.0, r1 = 8.6;
        cairo_move_to(cr, kC + r0 * std::cos(a0), kC + r0 * std::sin(a0));
        const double am = a0 + 0.1, rm = 7.0;
        cairo_curve_to(cr, kC + rm * std::cos(am), kC + rm * std::sin(am), kC + r1 * std::cos(a1 - 0.4),
                       kC + r1 * std::sin(a1 - 0.4), kC + r1 * std::cos(a1), kC + r1 * std::sin(a1));
    }
    stroke(cr, 1.8);
    for (int i = 0; i < 3; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 3;
        const double x = kC + 3.2 * std::cos(a), y = kC + 0.6 + 3.2 * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void drop(cairo_t* cr) {
    const double cy = 15.3, r = 6.7;
    cairo_move_to(cr, kC, 2.6);
    cairo_curve_to(cr, kC + 1.6, 6.4, kC + r, 9.6, kC + r, cy);
    cairo_arc(cr, kC, cy, r, 0, kPi);
    cairo_curve_to(cr, kC - r, 9.6, kC - 1.6, 6.4, kC, 2.6);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void om(cairo_t* cr) {
    // the "3"-like body
    cairo_move_to(cr, 4.0, 7.6);
    cairo_curve_to(cr, 5.8, 5.6, 10.4, 5.8, 10.4, 9.0);
    cairo_curve_to(cr, 10.4, 11.4, 8.2, 12.2, 6.6, 12.2);
    cairo_curve_to(cr, 9.6, 12.0, 12.0, 14.0, 12.0, 16.6);
    cairo_curve_to(cr, 12.0, 20.6, 6.6, 21.6, 3.6, 18.4);
    // the tail curling out to the right
    cairo_move_to(cr, 11.0, 14.2);
    cairo_curve_to(cr, 13.4, 11.2, 17.8, 10.6, 19.4, 13.4);
    cairo_curve_to(cr, 21.0, 16.4, 18.6, 19.4, 16.2, 18.6);
    cairo_curve_to(cr, 17.6, 19.8, 19.6, 21.4, 21.6, 21.0);
    stroke(cr, 2.2);
    // crescent and dot
    cairo_move_to(cr, 12.6, 5.0);
    cairo_curve_to(cr, 14.4, 8.2, 18.8, 8.2, 20.6, 5.0);
    stroke(cr, 2.0);
    circle(cr, 16.6, 3.6, 1.5);
    cairo_fill(cr);
}

void blot(cairo_t* cr) {
    circle(cr, kC, kC, 8.0);
    const int scallops = 11;
    for (int i = 0; i < scallops; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / scallops;
        circle(cr, kC + 8.1 * std::cos(a), kC + 8.1 * std::sin(a), 2.3);
    }
    cairo_fill(cr);
    circle(cr, 9.6, 10.2, 1.5);
    circle(cr, 15.0, 9.4, 1.1);
    circle(cr, 14.6, 15.2, 1.6);
    circle(cr, 9.4, 15.6, 1.0);
    paint_white(cr);
}

void star_and_crescent(cairo_t* cr) {
    circle(cr, 11.6, kC, 9.3);
    cairo_fill(cr);
    circle(cr, 14.5, kC, 7.5);
    paint_white(cr);
    star(cr, 16.7, kC, 5, 5.3, 2.4, 0.32);
    cairo_fill(cr);
}

void cross_pattee(cairo_t* cr) {
    // one arm pointing up, as offsets from the centre; the others are its turns
    const double inner = 1.3, outer = 5.4, reach = 10.0;
    for (int i = 0; i < 4; ++i) {
        const double a = i * kPi / 2, c = std::cos(a), s = std::sin(a);
        auto pt = [&](double x, double y) { return Point{kC + x * c - y * s, kC + x * s + y * c}; };
        const Point p0 = pt(-inner, -inner), c1 = pt(-inner - 0.3, -4.5), c2 = pt(-outer + 1.6, -reach + 2.0);
        const Point p1 = pt(-outer, -reach), p2 = pt(outer, -reach), c3 = pt(outer - 1.6, -reach + 2.0);
        const Point c4 = pt(inner + 0.3, -4.5), p3 = pt(inner, -inner);
        if (i == 0)
            cairo_move_to(cr, p0.x, p0.y);
        else
            cairo_line_to(cr, p0.x, p0.y);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p1.x, p1.y);
        cairo_line_to(cr, p2.x, p2.y);
        cairo_curve_to(cr, c3.x, c3.y, c4.x, c4.y, p3.x, p3.y);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void aquarius(cairo_t* cr) {
    for (double base : {10.4, 18.6}) {
        for (int i = 0; i <= 6; ++i) {
            const double x = 3.6 + i * 3.0, y = base - (i % 2 == 1 ? 4.2 : 0.0);
            if (i == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    stroke(cr, 2.3);
}

void cancer(cairo_t* cr) {
    // two curls, point-symmetric about the centre
    for (double turn : {0.0, kPi}) {
        cairo_save(cr);
        cairo_translate(cr, kC, kC);
        cairo_rotate(cr, turn);
        cairo_translate(cr, -kC, -kC);
        circle(cr, 7.6, 8.8, 3.0);
        cairo_move_to(cr, 7.4, 5.8);
        cairo_curve_to(cr, 12.0, 3.6, 18.6, 4.2, 21.6, 8.6);
        cairo_restore(cr);
    }
    stroke(cr, 2.2);
}

void virgo(cairo_t* cr) {
    const double x1 = 3.6, x2 = 8.6, x3 = 13.6, top = 8.2, bottom = 21.2;
    cairo_move_to(cr, x1, 4.8);
    cairo_line_to(cr, x1, bottom);
    cairo_move_to(cr, x1, top);
    cairo_curve_to(cr, x1, 4.6, x2, 4.6, x2, top);
    cairo_line_to(cr, x2, bottom);
    cairo_move_to(cr, x2, top);
    cairo_curve_to(cr, x2, 4.6, x3, 4.6, x3, top);
    cairo_line_to(cr, x3, 17.0);
    // the last leg bends right into a loop that crosses back over it
    cairo_curve_to(cr, x3, 20.4, 16.0, 21.8, 18.6, 19.8);
    cairo_curve_to(cr, 21.4, 17.6, 21.6, 12.4, 19.0, 12.0);
    cairo_curve_to(cr, 16.6, 11.6, 15.4, 16.4, 10.8, 22.0);
    stroke(cr, 2.2);
}

using SymbolDrawing = void (*)(cairo_t*);
constexpr std::array<SymbolDrawing, kSymbolCount> kDrawings = {
    gemini, aries,    taurus,  ringed_cross, sun,          snowflake,    hexagram, latin_cross, eight_pointed_star,
    rosette, drop,    om,      blot,         star_and_crescent, cross_pattee, aquarius, cancer,   virgo,
};

// Ink in the margin would be clipped or crowd the neighbours when the grid shows them.
void check_margin(const Image& img, int number) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const bool margin = x < kSymbolMargin || y < kSymbolMargin || x >= img.width - kSymbolMargin ||
                                y >= img.height - kSymbolMargin;
            if (margin && img.at(x, y).g < 235)
                throw std::runtime_error("symbol " + std::to_string(number) + " reaches into its margin at " +
                                         std::to_string(x) + "," + std::to_string(y));
        }
}

} // namespace

std::vector<Image> draw_symbols() {
    std::vector<Image> out;
    for (std::size_t i = 0; i < kDrawings.size(); ++i) {
        Canvas canvas(kSymbolSize, kSymbolSize);
        cairo_t* cr = canvas.cr();
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        set_colour(cr, kInk);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        kDrawings[i](cr);
        out.push_back(canvas.image());
        check_margin(out.back(), static_cast<int>(i) + 1);
    }
    return out;
}

} // namespace pictures
