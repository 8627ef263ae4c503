#pragma once

// Reading colours in pixel tests: printing them in failure messages and
// comparing them within a tolerance where antialiasing or scaling decides.

#include "toolkit/geometry.h"

#include <cstdlib>
#include <ostream>

namespace toolkit {

// Found by argument-dependent lookup for failure messages.
inline std::ostream& operator<<(std::ostream& out, const Color& c)
{
    return out << '(' << int(c.red) << ", " << int(c.green) << ", " << int(c.blue) << ')';
}

inline std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << '{' << r.x << ", " << r.y << ", " << r.width << ", " << r.height << '}';
}

} // namespace toolkit

namespace pixel_checks {

// Every channel within tolerance of the other colour's.
inline bool near(toolkit::Color a, toolkit::Color b, int tolerance)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

} // namespace pixel_checks
