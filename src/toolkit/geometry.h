#pragma once

#include <algorithm>
#include <cstdint>

namespace toolkit {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle in whole pixels; right() and bottom() are one past the last pixel.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect intersect(const Rect& a, const Rect& b)
{
    int left = std::max(a.x, b.x);
    int top = std::max(a.y, b.y);
    int right = std::min(a.right(), b.right());
    int bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

inline bool intersects(const Rect& a, const Rect& b) { return !intersect(a, b).empty(); }

inline Rect unite(const Rect& a, const Rect& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    int left = std::min(a.x, b.x);
    int top = std::min(a.y, b.y);
    return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

inline Rect shrink(const Rect& r, int by) { return {r.x + by, r.y + by, r.width - 2 * by, r.height - 2 * by}; }

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};
// The system face colour, the background of controls whose colour is the system default.
inline constexpr Color kFaceColor{240, 240, 240};

} // namespace toolkit
