// A dolphin built around a bent spine: the outline is the spine offset by a
// dorsal and a ventral thickness profile, so the same body can arch, dive and
// turn. Shading follows the body through a mesh gradient laid along the spine.

#include "dolphin.hpp"

#include "canvas.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace pictures {
namespace {

// Thickness above (dorsal) and below (ventral) the spine, in body lengths,
// at positions along the body (0 = beak tip).
struct ProfilePoint {
    double t, dorsal, ventral;
};
constexpr std::array<ProfilePoint, 15> kProfile = {{
    {0.000, 0.004, 0.004},
    {0.030, 0.012, 0.012},
    {0.060, 0.017, 0.018}, // the beak
    {0.075, 0.030, 0.024}, // crease where the melon starts
    {0.100, 0.052, 0.033},
    {0.140, 0.070, 0.045},
    {0.200, 0.084, 0.062},
    {0.280, 0.094, 0.074},
    {0.360, 0.097, 0.075},
    {0.450, 0.090, 0.066},
    {0.560, 0.072, 0.049},
    {0.680, 0.046, 0.030},
    {0.780, 0.028, 0.019},
    {0.860, 0.019, 0.014},
    {0.920, 0.016, 0.012},
}};
constexpr double kTailEnd = 0.90; // where the flukes take over from the body

double profile(double t, double ProfilePoint::*field) {
    t = std::clamp(t, 0.0, kProfile.back().t);
    std::size_t i = 0;
    while (i + 2 < kProfile.size() && kProfile[i + 1].t < t)
        ++i;
    // Cubic Hermite with finite-difference slopes.
    auto slope = [&](std::size_t k) {
        const std::size_t a = k == 0 ? 0 : k - 1, b = std::min(k + 1, kProfile.size() - 1);
        return (kProfile[b].*field - kProfile[a].*field) / (kProfile[b].t - kProfile[a].t);
    };
    const double t0 = kProfile[i].t, t1 = kProfile[i + 1].t, h = t1 - t0, s = (t - t0) / h;
    const double y0 = kProfile[i].*field, y1 = kProfile[i + 1].*field;
    const double m0 = slope(i) * h, m1 = slope(i + 1) * h;
    const double s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * y0 + (s3 - 2 * s2 + s) * m0 + (-2 * s3 + 3 * s2) * y1 + (s3 - s2) * m1;
}

double dorsal(double t) { return profile(t, &ProfilePoint::dorsal); }
double ventral(double t) { return profile(t, &ProfilePoint::ventral); }

// The spine in body-local coordinates (beak at the origin, tail towards +x,
// back towards -y), sampled finely; lengths are in body lengths.
class Spine {
public:
    Spine(double arch, double flick) {
        double x = 0, y = 0;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = double(i) / kSteps;
            const double a = arch * (t - 0.42) + flick * std::pow(std::max(0.0, t - 0.55), 2) * 4;
            points_.push_back({x, y});
            angles_.push_back(a);
            x += std::cos(a) / kSteps;
            y += std::sin(a) / kSteps;
        }
    }

    // Point at position t along the spine, pushed `v` body lengths along the
    // dorsal normal (negative v goes towards the belly), `u` along the spine.
    Point at(double t, double v, double u = 0) const {
        const double f = std::clamp(t, 0.0, 1.0) * kSteps;
        const int i = std::min(static_cast<int>(f), kSteps - 1);
        const double s = f - i;
        const double a = angles_[i] + (angles_[i + 1] - angles_[i]) * s;
        const double extra = t - std::clamp(t, 0.0, 1.0) + u; // beyond the ends: straight on
        const double px = points_[i].x + (points_[i + 1].x - points_[i].x) * s + std::cos(a) * extra;
        const double py = points_[i].y + (points_[i + 1].y - points_[i].y) * s + std::sin(a) * extra;
        return {px + std::sin(a) * v, py - std::cos(a) * v};
    }

private:
    static constexpr int kSteps = 200;
    std::vector<Point> points_;
    std::vector<double> angles_;
};

const Colour kBack = Colour::bytes(46, 64, 94);
const Colour kUpperFlank = Colour::bytes(80, 104, 136);
const Colour kFlank = Colour::bytes(122, 146, 172);
const Colour kBelly = Colour::bytes(204, 216, 226);
const Colour kUnderside = Colour::bytes(168, 184, 200);
const Colour kOutline = Colour::bytes(16, 30, 56);
const Colour kHazeColour = Colour::bytes(40, 118, 190);

void move(cairo_t* cr, Point p) { cairo_move_to(cr, p.x, p.y); }
void curve(cairo_t* cr, Point a, Point b, Point c) { cairo_curve_to(cr, a.x, a.y, b.x, b.y, c.x, c.y); }

void body_path(cairo_t* cr, const Spine& s) {
    std::vector<Point> top, bottom;
    for (int i = 0; i <= 60; ++i) {
        const double t = kTailEnd * std::pow(i / 60.0, 1.25); // denser near the head
        top.push_back(s.at(t, dorsal(t)));
        bottom.push_back(s.at(t, -ventral(t)));
    }
    std::reverse(bottom.begin(), bottom.end());
    move(cr, s.at(0, 0, -0.004));
    smooth_open_path(cr, top, true);
    smooth_open_path(cr, bottom, true);
    cairo_close_path(cr);
}

void dorsal_fin_path(cairo_t* cr, const Spine& s) {
    move(cr, s.at(0.36, dorsal(0.36) - 0.015));
    curve(cr, s.at(0.42, 0.135), s.at(0.49, 0.180), s.at(0.575, 0.188));
    curve(cr, s.at(0.525, 0.160), s.at(0.51, 0.115), s.at(0.555, dorsal(0.555) - 0.012));
    cairo_close_path(cr);
}

void flukes_path(cairo_t* cr, const Spine& s) {
    const double e = kTailEnd;
    move(cr, s.at(e - 0.05, dorsal(e - 0.05) - 0.004));
    curve(cr, s.at(e, 0.030), s.at(e, 0.090, 0.050), s.at(e, 0.128, 0.105));
    curve(cr, s.at(e, 0.095, 0.090), s.at(e, 0.035, 0.058), s.at(e, 0.0, 0.066));
    curve(cr, s.at(e, -0.035, 0.058), s.at(e, -0.095, 0.090), s.at(e, -0.128, 0.105));
    curve(cr, s.at(e, -0.090, 0.050), s.at(e, -0.030), s.at(e - 0.05, -ventral(e - 0.05) + 0.004));
    cairo_close_path(cr);
}

void pectoral_fin_path(cairo_t* cr, const Spine& s) {
    move(cr, s.at(0.205, -0.035));
    curve(cr, s.at(0.235, -0.090), s.at(0.290, -0.135), s.at(0.360, -0.150));
    curve(cr, s.at(0.315, -0.115), s.at(0.275, -0.080), s.at(0.262, -0.040));
    cairo_close_path(cr);
}

// Colour across the body: +1 is the ridge of the back, -1 the belly line.
Colour body_colour(double across) {
    struct Stop {
        double at;
        Colour c;
    };
    const std::array<Stop, 5> stops = {{{-1.15, kUnderside}, {-0.45, kBelly}, {0.0, kFlank}, {0.5, kUpperFlank},
                                        {1.15, kBack}}};
    for (std::size_t i = 0; i + 1 < stops.size(); ++i)
        if (across <= stops[i + 1].at)
            return stops[i].c.mix(stops[i + 1].c, (across - stops[i].at) / (stops[i + 1].at - stops[i].at));
    return stops.back().c;
}

cairo_pattern_t* body_shading(const Spine& s) {
    cairo_pattern_t* mesh = cairo_pattern_create_mesh();
    const std::array<double, 5> across = {-1.15, -0.45, 0.0, 0.5, 1.15};
    const int segments = 36;
    auto corner = [&](double t, double a) { return s.at(t, a > 0 ? a * dorsal(t) : a * ventral(t)); };
    for (int i = 0; i < segments; ++i) {
        const double t0 = -0.02 + (kTailEnd + 0.04) * i / segments;
        const double t1 = -0.02 + (kTailEnd + 0.04) * (i + 1) / segments;
        for (std::size_t j = 0; j + 1 < across.size(); ++j) {
            const double a0 = across[j], a1 = across[j + 1];
            const std::array<Point, 4> p = {corner(t0, a0), corner(t1, a0), corner(t1, a1), corner(t0, a1)};
            const std::array<double, 4> a = {a0, a0, a1, a1};
            cairo_mesh_pattern_begin_patch(mesh);
            cairo_mesh_pattern_move_to(mesh, p[0].x, p[0].y);
            for (int k = 1; k < 4; ++k)
                cairo_mesh_pattern_line_to(mesh, p[k].x, p[k].y);
            for (int k = 0; k < 4; ++k) {
                const Colour c = body_colour(a[k]);
                cairo_mesh_pattern_set_corner_color_rgb(mesh, k, c.r, c.g, c.b);
            }
            cairo_mesh_pattern_end_patch(mesh);
        }
    }
    return mesh;
}

// Fins and flukes: dark along the body side, a little lighter at the edge.
cairo_pattern_t* fin_shading(Point root, Point tip) {
    cairo_pattern_t* p = cairo_pattern_create_linear(root.x, root.y, tip.x, tip.y);
    add_stop(p, 0, kBack);
    add_stop(p, 1, kUpperFlank);
    return p;
}

} // namespace

void draw_dolphin(cairo_t* cr, const DolphinPose& pose) {
    const Spine spine(pose.arch, pose.flick);
    const double scale = pose.length;
    // Widths in body lengths that come out as the given number of pixels.
    const double px = 1.0 / scale;

    cairo_save(cr);
    const Point middle = spine.at(0.42, 0);
    cairo_translate(cr, pose.x, pose.y);
    cairo_rotate(cr, pose.heading + kPi); // the beak points along -x in body space
    const bool mirrored = std::cos(pose.heading) > 0;
    cairo_scale(cr, scale, mirrored ? -scale : scale);
    cairo_translate(cr, -middle.x, -middle.y);

    cairo_push_group(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    // Outline first and wide, then the fills on top: only the outer half of
    // the stroke stays, which outlines the union of body, fin and flukes.
    set_colour(cr, kOutline, 0.75);
    cairo_set_line_width(cr, 2.0 * px);
    dorsal_fin_path(cr, spine);
    cairo_stroke(cr);
    flukes_path(cr, spine);
    cairo_stroke(cr);
    body_path(cr, spine);
    cairo_stroke(cr);

    cairo_pattern_t* fin = fin_shading(spine.at(0.45, 0.09), spine.at(0.55, 0.185));
    dorsal_fin_path(cr, spine);
    cairo_set_source(cr, fin);
    cairo_fill(cr);
    cairo_pattern_destroy(fin);

    cairo_pattern_t* tail = fin_shading(spine.at(kTailEnd, 0), spine.at(kTailEnd, 0.0, 0.10));
    flukes_path(cr, spine);
    cairo_set_source(cr, tail);
    cairo_fill(cr);
    cairo_pattern_destroy(tail);

    cairo_pattern_t* shading = body_shading(spine);
    body_path(cr, spine);
    cairo_set_source(cr, shading);
    cairo_fill(cr);
    cairo_pattern_destroy(shading);

    // Sheen of the light from above along the back.
    std::vector<Point> sheen;
    for (int i = 0; i <= 12; ++i) {
        const double t = 0.11 + 0.5 * i / 12.0;
        sheen.push_back(spine.at(t, dorsal(t) * 0.62));
    }
    smooth_open_path(cr, sheen);
    cairo_set_source_rgba(cr, 0.85, 0.93, 1.0, 0.28);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, std::max(1.4 * px, 0.018));
    cairo_stroke(cr);

    // Mouth line with its upturned corner, and the crease above the beak.
    move(cr, spine.at(0.004, -0.001));
    curve(cr, spine.at(0.04, -0.006), spine.at(0.085, -0.006), spine.at(0.112, 0.004));
    set_colour(cr, kOutline, 0.7);
    cairo_set_line_width(cr, 0.9 * px);
    cairo_stroke(cr);
    move(cr, spine.at(0.066, 0.018));
    curve(cr, spine.at(0.074, 0.012), spine.at(0.078, 0.004), spine.at(0.076, -0.004));
    set_colour(cr, kOutline, 0.25);
    cairo_stroke(cr);

    // Eye.
    const Point eye = spine.at(0.128, 0.014);
    const double eye_r = std::max(0.011, 1.3 * px);
    cairo_new_sub_path(cr);
    cairo_arc(cr, eye.x, eye.y, eye_r, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.04, 0.06, 0.10);
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, eye.x - eye_r * 0.3, eye.y - eye_r * 0.35, eye_r * 0.38, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_fill(cr);

    // Near-side flipper over the body, with its own edge.
    pectoral_fin_path(cr, spine);
    cairo_pattern_t* flipper = fin_shading(spine.at(0.23, -0.035), spine.at(0.35, -0.145));
    cairo_set_source(cr, flipper);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(flipper);
    set_colour(cr, kOutline, 0.6);
    cairo_set_line_width(cr, 0.9 * px);
    cairo_stroke(cr);

    // Distance: the water's colour closes over the far dolphins.
    if (pose.haze > 0) {
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        set_colour(cr, kHazeColour, pose.haze);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }

    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace pictures
