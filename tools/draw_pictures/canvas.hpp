#pragma once

// Shared plumbing: an RGBA pixel buffer, a cairo canvas that owns its surface,
// colours, and small path helpers used by several drawings.

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pictures {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

// Straight (not premultiplied) RGBA, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A colour with components in 0..1, for cairo calls.
struct Colour {
    double r = 0, g = 0, b = 0;
    static constexpr Colour bytes(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
    Colour mix(const Colour& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t};
    }
};

void set_colour(cairo_t* cr, const Colour& c, double alpha = 1.0);
void add_stop(cairo_pattern_t* p, double offset, const Colour& c, double alpha = 1.0);

// An ARGB32 surface with a context on it. Starts fully transparent.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    Image image() const; // straight alpha copy of the pixels

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Copies an ARGB32 / RGB24 surface into straight RGBA.
Image image_from_surface(cairo_surface_t* surface);
// A new ARGB32 surface holding the image (caller destroys it).
cairo_surface_t* surface_from_image(const Image& image);

void write_png(const std::filesystem::path& path, const Image& image);

struct Point {
    double x = 0, y = 0;
};
// Smooth curve through the points (Catmull-Rom turned into Béziers),
// continuing the current path with a line if `join` is set.
void smooth_open_path(cairo_t* cr, const std::vector<Point>& points, bool join = false);

// A deterministic pseudo-random sequence so every run draws the same pictures.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    double next(); // uniform in [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

constexpr double kPi = 3.14159265358979323846;

} // namespace pictures
