// The crystal ball: a water-filled glass globe with dolphins, sitting in a
// ribbed blue stand. The stand is a surface of revolution described by a
// stack of rings; each band between two rings is shaded from its normal.

#include "ball.hpp"

#include "dolphin.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

namespace pictures {
namespace {

// ---- Geometry (design units) ---------------------------------------------------------------

constexpr double kCx = 110;        // globe centre
constexpr double kCy = 105;
constexpr double kRadius = 103;
constexpr double kTilt = 0.14;     // ellipse height / width of the stand's rings: we look slightly down

struct Ring {
    double y;      // centre of the ring's ellipse
    double radius; // half width
};
// The stand from the cup's inner edge down to the floor.
constexpr Ring kCupEdge{182.0, 72.0};
constexpr Ring kLip{182.5, 77.0};
constexpr Ring kStandRings[] = {
    kCupEdge,      // inner edge of the cup
    kLip,          // top of the lip
    {186.0, 81.0}, // round outer edge of the lip
    {195.5, 81.0}, // collar face
    {199.0, 76.5}, // undercut below the collar
    {239.0, 84.0}, // ribbed drum
    {242.5, 91.0}, // top of the foot
    {252.5, 93.0}, // foot face
    {255.0, 89.5}, // rounded bottom
};
constexpr int kRibbedBand = 4; // band between rings 4 and 5
constexpr int kRibs = 30;      // around the whole drum

// ---- Light ---------------------------------------------------------------------------------

struct Vec {
    double x, y, z; // x right, y down, z towards the viewer
};

Vec normalised(Vec v) {
    const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const Vec kLight = normalised({-0.55, -0.65, 0.75});
const Vec kHalfway = normalised({kLight.x, kLight.y, kLight.z + 1});

const Colour kStandBlue = Colour::bytes(28, 72, 200);

Colour lit(const Colour& base, Vec n, double occlusion = 1.0) {
    n = normalised(n);
    const double diffuse = std::max(0.0, dot(n, kLight));
    // Highlights fade at grazing angles, where they would only fringe the silhouette.
    const double shine = std::pow(std::max(0.0, dot(n, kHalfway)), 28) * std::max(0.0, n.z);
    const double k = (0.22 + 0.95 * diffuse) * occlusion;
    auto ch = [&](double c) { return std::clamp(c * k + 0.6 * shine * occlusion, 0.0, 1.0); };
    return {ch(base.r), ch(base.g), ch(base.b)};
}

// Normal of the band between two rings at azimuth phi (0 faces the viewer).
Vec band_normal(const Ring& top, const Ring& bottom, double phi) {
    const double rise = std::max(0.3, bottom.y - top.y); // screen drop between the rings
    const double flare = bottom.radius - top.radius;     // > 0 when the band faces up
    const double len = std::hypot(rise, flare);
    const double outward = rise / len, up = flare / len;
    // Tip the normal towards the viewer by the viewing angle.
    const double tilt = std::asin(kTilt);
    const double horiz_z = outward * std::cos(phi);
    return {outward * std::sin(phi), -(up * std::cos(tilt) - horiz_z * std::sin(tilt)),
            horiz_z * std::cos(tilt) + up * std::sin(tilt)};
}

Point on_ring(const Ring& r, double phi, double grow = 0) {
    return {kCx + (r.radius + grow) * std::sin(phi), r.y + (r.radius + grow) * kTilt * std::cos(phi)};
}

void ellipse(cairo_t* cr, const Ring& r) {
    cairo_save(cr);
    cairo_translate(cr, kCx, r.y);
    cairo_scale(cr, r.radius, r.radius * kTilt);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

// Outline of the visible front of the band between two rings.
void band_path(cairo_t* cr, const Ring& top, const Ring& bottom) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, kCx, top.y);
    cairo_scale(cr, top.radius, top.radius * kTilt);
    cairo_arc_negative(cr, 0, 0, 1, kPi, 0);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, kCx, bottom.y);
    cairo_scale(cr, bottom.radius, bottom.radius * kTilt);
    cairo_arc(cr, 0, 0, 1, 0, kPi);
    cairo_restore(cr);
    cairo_close_path(cr);
}

void mesh_quad(cairo_pattern_t* mesh, const std::array<Point, 4>& p, const std::array<Colour, 4>& c) {
    cairo_mesh_pattern_begin_patch(mesh);
    cairo_mesh_pattern_move_to(mesh, p[0].x, p[0].y);
    for (int k = 1; k < 4; ++k)
        cairo_mesh_pattern_line_to(mesh, p[k].x, p[k].y);
    for (int k = 0; k < 4; ++k)
        cairo_mesh_pattern_set_corner_color_rgb(mesh, k, c[k].r, c[k].g, c[k].b);
    cairo_mesh_pattern_end_patch(mesh);
}

// Shades one band of the stand across its visible front. A ribbed band is
// split into flutes: the normal turns across each flute and its grooves darken.
void draw_band(cairo_t* cr, const Ring& top, const Ring& bottom, int ribs, double px) {
    cairo_pattern_t* mesh = cairo_pattern_create_mesh();
    const double grow = 1.2 / std::max(px, 0.2); // the mesh reaches past the antialiased edge
    auto strip = [&](double p0, double p1, const Colour& c0, const Colour& c1) {
        p0 = std::clamp(p0, -kPi / 2, kPi / 2);
        p1 = std::clamp(p1, -kPi / 2, kPi / 2);
        if (p1 <= p0)
            return;
        const double g0 = std::abs(p0) > 1.4 ? grow : 0, g1 = std::abs(p1) > 1.4 ? grow : 0;
        mesh_quad(mesh, {on_ring(top, p0, g0), on_ring(top, p1, g1), on_ring(bottom, p1, g1), on_ring(bottom, p0, g0)},
                  {c0, c1, c1, c0});
    };
    if (ribs == 0) {
        const int strips = 96;
        auto colour = [&](double phi) { return lit(kStandBlue, band_normal(top, bottom, phi)); };
        for (int i = 0; i < strips; ++i) {
            const double p0 = -kPi / 2 + kPi * i / strips, p1 = -kPi / 2 + kPi * (i + 1) / strips;
            strip(p0, p1, colour(p0), colour(p1));
        }
    } else {
        const double width = 2 * kPi / ribs;
        const int sub = 6;
        const int reach = ribs / 4 + 1;
        for (int rib = -reach; rib <= reach; ++rib) {
            const double start = rib * width - width / 2; // a flute faces the viewer
            auto colour = [&](double s) {
                const double phi = start + s * width;
                const double occlusion = 0.4 + 0.6 * std::sqrt(std::sin(kPi * s));
                return lit(kStandBlue, band_normal(top, bottom, phi + (s - 0.5) * 1.4), occlusion);
            };
            for (int j = 0; j < sub; ++j) {
                const double s0 = double(j) / sub, s1 = double(j + 1) / sub;
                strip(start + s0 * width, start + s1 * width, colour(s0), colour(s1));
            }
        }
    }
    band_path(cr, top, bottom);
    cairo_set_source(cr, mesh);
    cairo_fill(cr);
    cairo_pattern_destroy(mesh);
}

// ---- The stand ---------------------------------------------------------------------------------

const Colour kStandEdge = Colour::bytes(4, 14, 50);

// What shows behind the globe: the top of the lip and the dark inside of the cup.
void draw_stand_back(cairo_t* cr, double px) {
    const Colour lip = lit(kStandBlue, {0, -1, 0.25});
    ellipse(cr, kLip);
    set_colour(cr, kStandEdge, 0.85);
    cairo_set_line_width(cr, 2 * std::max(0.9, 0.7 / px));
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(kCx - kLip.radius, 0, kCx + kLip.radius, 0);
    add_stop(g, 0, lip.mix(Colour{1, 1, 1}, 0.15));
    add_stop(g, 1, lip.mix(Colour{0, 0, 0}, 0.35));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);

    ellipse(cr, kCupEdge);
    set_colour(cr, Colour::bytes(6, 16, 52));
    cairo_fill(cr);
}

void draw_stand_front(cairo_t* cr, double px) {
    const auto& r = kStandRings;
    const int n = std::size(kStandRings);
    const int ribs = px < 0.3 ? 16 : kRibs;

    // Wide dark strokes first; the bands drawn over them leave only the outer
    // half, a crisp edge round the stand's silhouette.
    for (int i = 0; i + 1 < n; ++i)
        band_path(cr, r[i], r[i + 1]);
    set_colour(cr, kStandEdge, 0.85);
    cairo_set_line_width(cr, 2 * std::max(0.9, 0.7 / px));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);

    for (int i = 0; i + 1 < n; ++i)
        draw_band(cr, r[i], r[i + 1], i == kRibbedBand ? ribs : 0, px);

    // The collar throws a soft shadow onto the top of the drum.
    cairo_save(cr);
    band_path(cr, r[kRibbedBand], r[kRibbedBand + 1]);
    cairo_clip(cr);
    const double y = r[kRibbedBand].y;
    cairo_pattern_t* shadow = cairo_pattern_create_linear(0, y, 0, y + 26);
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0.02, 0.1, 0.6);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0.02, 0.1, 0.0);
    cairo_set_source(cr, shadow);
    cairo_paint(cr);
    cairo_pattern_destroy(shadow);
    cairo_restore(cr);
}

// ---- The globe ---------------------------------------------------------------------------------

void globe_path(cairo_t* cr, double r = kRadius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, kCx, kCy, r, 0, 2 * kPi);
}

void draw_water(cairo_t* cr) {
    cairo_pattern_t* water =
        cairo_pattern_create_radial(kCx - 0.25 * kRadius, kCy - 0.55 * kRadius, 0, kCx - 0.1 * kRadius,
                                    kCy - 0.2 * kRadius, 1.35 * kRadius);
    add_stop(water, 0.00, Colour::bytes(150, 228, 250));
    add_stop(water, 0.22, Colour::bytes(72, 176, 232));
    add_stop(water, 0.50, Colour::bytes(26, 106, 196));
    add_stop(water, 0.80, Colour::bytes(10, 52, 140));
    add_stop(water, 1.00, Colour::bytes(5, 26, 88));
    cairo_set_source(cr, water);
    cairo_paint(cr);
    cairo_pattern_destroy(water);

    // Deeper water is darker.
    cairo_pattern_t* depth = cairo_pattern_create_linear(0, kCy - kRadius, 0, kCy + kRadius);
    cairo_pattern_add_color_stop_rgba(depth, 0.0, 0, 0.03, 0.15, 0.0);
    cairo_pattern_add_color_stop_rgba(depth, 0.5, 0, 0.03, 0.15, 0.1);
    cairo_pattern_add_color_stop_rgba(depth, 1.0, 0, 0.03, 0.15, 0.5);
    cairo_set_source(cr, depth);
    cairo_paint(cr);
    cairo_pattern_destroy(depth);
}

// Shafts of light fanning down from the upper left; they sway between frames.
void draw_light_shafts(cairo_t* cr, int frame) {
    const Point source{kCx - 70, kCy - 230};
    Random rnd(7);
    for (int i = 0; i < 7; ++i) {
        const double base = 0.16 + i * 0.095 + rnd.range(-0.02, 0.02);
        const double sway = (frame == 0 ? 0.0 : 0.018) * (i % 2 == 0 ? 1 : -0.6);
        const double a = base + sway;
        const double w = rnd.range(0.012, 0.03);
        const double len = 420;
        cairo_move_to(cr, source.x, source.y);
        cairo_line_to(cr, source.x + len * std::sin(a - w), source.y + len * std::cos(a - w));
        cairo_line_to(cr, source.x + len * std::sin(a + w), source.y + len * std::cos(a + w));
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, kCy - kRadius, 0, kCy + 0.7 * kRadius);
        const double strength = rnd.range(0.10, 0.2);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.97, 1, strength);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.97, 1, 0);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

// Rippling light near the top: soft wavy streaks whose waves travel between frames.
void draw_caustics(cairo_t* cr, int frame) {
    Random rnd(21);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 9; ++i) {
        const double y0 = kCy - kRadius + 12 + i * 7.5 + rnd.range(-2, 2);
        const double phase = rnd.range(0, 2 * kPi) + frame * 1.7;
        const double amp = rnd.range(1.5, 3.0);
        const double wave = rnd.range(14, 22);
        std::vector<Point> pts;
        for (double x = kCx - kRadius; x <= kCx + kRadius; x += 4)
            pts.push_back({x, y0 + amp * std::sin(x / wave * 2 * kPi / 3 + phase) + (x - kCx) * 0.08});
        smooth_open_path(cr, pts);
        const double fade = 1.0 - i / 10.0;
        cairo_set_source_rgba(cr, 0.8, 0.96, 1, 0.16 * fade);
        cairo_set_line_width(cr, 2.2 - i * 0.12);
        const double dashes[] = {rnd.range(10, 24), rnd.range(5, 12)};
        cairo_set_dash(cr, dashes, 2, rnd.range(0, 20) + frame * 9);
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
}

void draw_motes(cairo_t* cr, int frame) {
    Random rnd(99);
    for (int i = 0; i < 45; ++i) {
        const double a = rnd.range(0, 2 * kPi), d = std::sqrt(rnd.next()) * (kRadius - 6);
        const double x = kCx + d * std::cos(a) + frame * rnd.range(-1, 1);
        const double y = kCy + d * std::sin(a) - frame * rnd.range(0.5, 1.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, rnd.range(0.4, 0.9), 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1, rnd.range(0.12, 0.35));
        cairo_fill(cr);
    }
}

struct Bubble {
    double x, y, r;
};

// Bubbles rising in two strings and a few strays. In the second frame every
// bubble has risen a little, the top ones have burst and new ones appear.
std::vector<Bubble> bubbles(int frame) {
    std::vector<Bubble> out;
    Random rnd(5);
    struct Stream {
        double x, y, lean;
        int count;
        double r_min, r_max;
    };
    const Stream streams[] = {{52, 172, 0.10, 9, 1.6, 4.6}, {150, 166, -0.05, 7, 1.4, 3.8}};
    for (const Stream& s : streams) {
        double y = s.y;
        for (int i = 0; i < s.count + 1; ++i) {
            const double r = s.r_min + (s.r_max - s.r_min) * rnd.next();
            const double gap = 11 + 2.5 * r + rnd.range(0, 6);
            const double rise = frame * (5.5 + 0.7 * r);
            const double by = y - rise;
            const double bx = s.x + (s.y - by) * s.lean + 2.2 * std::sin(by / 9.0 + i);
            // Each string's lowest bubble is only let out in the second frame.
            if (!(i == 0 && frame == 0))
                out.push_back({bx, by + gap * 0.5, r});
            y -= gap;
        }
    }
    for (int i = 0; i < 9; ++i) {
        const double a = rnd.range(0, 2 * kPi), d = std::sqrt(rnd.next()) * (kRadius - 14);
        const double r = rnd.range(1.0, 2.6);
        out.push_back({kCx + d * std::cos(a) + frame * 0.8, kCy + d * std::sin(a) - frame * (4.5 + r), r});
    }
    // Anything that reaches the glass has burst.
    std::erase_if(out, [](const Bubble& b) {
        return std::hypot(b.x - kCx, b.y - kCy) > kRadius - b.r - 5 || b.y > 176;
    });
    return out;
}

void draw_bubble(cairo_t* cr, const Bubble& b, double px) {
    cairo_pattern_t* fill = cairo_pattern_create_radial(b.x - 0.3 * b.r, b.y - 0.3 * b.r, 0, b.x, b.y, b.r);
    cairo_pattern_add_color_stop_rgba(fill, 0, 0.8, 0.95, 1, 0.05);
    cairo_pattern_add_color_stop_rgba(fill, 0.75, 0.8, 0.95, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(fill, 1, 0.9, 0.98, 1, 0.55);
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.x, b.y, b.r, 0, 2 * kPi);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_source_rgba(cr, 0.92, 0.99, 1, 0.75);
    cairo_set_line_width(cr, std::max(0.7 / px, b.r * 0.16));
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.x - 0.38 * b.r, b.y - 0.38 * b.r, std::max(0.55, 0.3 * b.r), 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_fill(cr);
}

void draw_school(cairo_t* cr, int frame) {
    const double swim = frame * 1.2;
    // The far one first: small, hazy, heading down to the left.
    draw_dolphin(cr, {.x = 150 - swim, .y = 138 + swim * 0.5, .length = 62, .heading = kPi + 0.35, .arch = -0.25,
                      .flick = 0.3, .haze = 0.42});
    // Across the top, heading left.
    draw_dolphin(cr, {.x = 128 - swim, .y = 58, .length = 92, .heading = kPi - 0.12, .arch = 0.35, .flick = -0.5,
                      .haze = 0.12});
    // The big one in front, climbing to the right.
    draw_dolphin(cr, {.x = 92 + swim, .y = 122 - swim * 0.6, .length = 124, .heading = -0.42, .arch = 0.55,
                      .flick = 0.7, .haze = 0.0});
}

void draw_glass(cairo_t* cr) {
    // The glass darkens towards its edge.
    cairo_pattern_t* rim = cairo_pattern_create_radial(kCx, kCy, 0.55 * kRadius, kCx, kCy, kRadius);
    cairo_pattern_add_color_stop_rgba(rim, 0.0, 0.0, 0.04, 0.16, 0.0);
    cairo_pattern_add_color_stop_rgba(rim, 0.7, 0.0, 0.04, 0.16, 0.18);
    cairo_pattern_add_color_stop_rgba(rim, 1.0, 0.0, 0.03, 0.12, 0.7);
    cairo_set_source(cr, rim);
    cairo_paint(cr);
    cairo_pattern_destroy(rim);

    // Light gathered by the glass along the lower right edge.
    cairo_new_path(cr);
    cairo_arc(cr, kCx, kCy, kRadius - 5, -0.1, 2.0);
    cairo_pattern_t* glow = cairo_pattern_create_linear(kCx + 60, kCy + 40, kCx + 95, kCy + 80);
    cairo_pattern_add_color_stop_rgba(glow, 0, 0.6, 0.95, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0.6, 0.95, 1, 0.45);
    cairo_set_source(cr, glow);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_pattern_destroy(glow);

    // The big reflection: a crescent along the upper left, fading inwards.
    cairo_push_group(cr);
    globe_path(cr, kRadius - 3);
    cairo_pattern_t* sheen =
        cairo_pattern_create_linear(kCx - 0.75 * kRadius, kCy - 0.75 * kRadius, kCx, kCy);
    cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(sheen, 0.45, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    const double ox = kCx + 0.10 * kRadius, oy = kCy + 0.13 * kRadius, orad = 0.97 * kRadius;
    cairo_pattern_t* cut = cairo_pattern_create_radial(ox, oy, 0.93 * orad, ox, oy, orad);
    cairo_pattern_add_color_stop_rgba(cut, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(cut, 1, 0, 0, 0, 0);
    cairo_set_source(cr, cut);
    cairo_paint(cr);
    cairo_pattern_destroy(cut);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);

    // The bright spot of the lamp.
    cairo_save(cr);
    cairo_translate(cr, kCx - 0.47 * kRadius, kCy - 0.53 * kRadius);
    cairo_rotate(cr, -kPi / 4);
    cairo_scale(cr, 1.0, 0.55);
    cairo_pattern_t* spot = cairo_pattern_create_radial(0, 0, 0, 0, 0, 0.17 * kRadius);
    cairo_pattern_add_color_stop_rgba(spot, 0.0, 1, 1, 1, 1.0);
    cairo_pattern_add_color_stop_rgba(spot, 0.55, 1, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(spot, 0.8, 1, 1, 1, 0.4);
    cairo_pattern_add_color_stop_rgba(spot, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, spot);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 0.17 * kRadius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(spot);
    cairo_restore(cr);

}

void draw_globe(cairo_t* cr, const BallDetail& d) {
    const double px = d.device_scale;
    cairo_save(cr);
    globe_path(cr);
    cairo_clip(cr);
    draw_water(cr);
    draw_light_shafts(cr, d.frame);
    if (px >= 0.5) {
        draw_caustics(cr, d.frame);
        draw_motes(cr, d.frame);
    }
    if (d.dolphins)
        draw_school(cr, d.frame);
    if (d.bubbles)
        for (const Bubble& b : bubbles(d.frame))
            draw_bubble(cr, b, px);
    draw_glass(cr);
    cairo_restore(cr);

    globe_path(cr, kRadius - 0.5);
    set_colour(cr, Colour::bytes(6, 20, 62), 0.9);
    cairo_set_line_width(cr, std::max(1.4, 1.0 / px));
    cairo_stroke(cr);
}

} // namespace

void draw_crystal_ball(cairo_t* cr, const BallDetail& detail) {
    cairo_save(cr);
    draw_stand_back(cr, detail.device_scale);
    draw_globe(cr, detail);
    draw_stand_front(cr, detail.device_scale);
    cairo_restore(cr);
}

std::array<Image, 2> draw_ball_frames() {
    std::array<Image, 2> frames;
    for (int f = 0; f < 2; ++f) {
        Canvas canvas(kBallWidth, kBallHeight);
        draw_crystal_ball(canvas.cr(), {.frame = f});
        frames[f] = canvas.image();
    }
    return frames;
}

Image draw_icon(int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double k = size / double(kBallHeight);
    cairo_translate(cr, (size - kBallWidth * k) / 2, 0);
    cairo_scale(cr, k, k);
    const bool detailed = size >= 128;
    draw_crystal_ball(cr, {.frame = 0, .dolphins = detailed, .bubbles = detailed, .device_scale = k});
    return canvas.image();
}

} // namespace pictures
