#include "canvas.hpp"

#include <algorithm>
#include <stdexcept>

namespace pictures {

void set_colour(cairo_t* cr, const Colour& c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void add_stop(cairo_pattern_t* p, double offset, const Colour& c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a cairo canvas");
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::image() const { return image_from_surface(surface_); }

Image image_from_surface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool has_alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            const int a = has_alpha ? static_cast<int>(p >> 24) : 255;
            auto unmultiply = [a](std::uint32_t c) -> std::uint8_t {
                return a == 0 ? 0 : static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
            };
            out.at(x, y) = {unmultiply((p >> 16) & 0xff), unmultiply((p >> 8) & 0xff), unmultiply(p & 0xff),
                            static_cast<std::uint8_t>(a)};
        }
    }
    return out;
}

cairo_surface_t* surface_from_image(const Image& image) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            auto premultiply = [&p](std::uint8_t c) -> std::uint32_t { return (c * p.a + 127) / 255; };
            row[x] = (static_cast<std::uint32_t>(p.a) << 24) | (premultiply(p.r) << 16) | (premultiply(p.g) << 8) |
                     premultiply(p.b);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void write_png(const std::filesystem::path& path, const Image& image) {
    cairo_surface_t* s = surface_from_image(image);
    const cairo_status_t status = cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path.string());
}

namespace {

// Bézier control points of the Catmull-Rom segment p1 -> p2.
void catmull_rom_segment(cairo_t* cr, Point p0, Point p1, Point p2, Point p3) {
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                   p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
}

} // namespace

void smooth_open_path(cairo_t* cr, const std::vector<Point>& pts, bool join) {
    const std::size_t n = pts.size();
    if (n < 2)
        return;
    if (join)
        cairo_line_to(cr, pts[0].x, pts[0].y);
    else
        cairo_move_to(cr, pts[0].x, pts[0].y);
    for (std::size_t i = 0; i + 1 < n; ++i)
        catmull_rom_segment(cr, pts[i == 0 ? 0 : i - 1], pts[i], pts[i + 1], pts[std::min(i + 2, n - 1)]);
}

double Random::next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) * (1.0 / 16777216.0);
}

} // namespace pictures
