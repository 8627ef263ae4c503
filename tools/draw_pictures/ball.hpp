#pragma once

#include "canvas.hpp"

#include <array>

namespace pictures {

inline constexpr int kBallWidth = 220;
inline constexpr int kBallHeight = 268;

struct BallDetail {
    int frame = 0;             // 0 or 1; the light and the bubbles move between them
    bool dolphins = true;      // the school inside the water
    bool bubbles = true;
    double device_scale = 1.0; // device pixels per design unit, keeps fine lines visible
};

// The crystal ball on its stand, in its 220 x 268 design space.
void draw_crystal_ball(cairo_t* cr, const BallDetail& detail);

// Both animation frames at design size, straight alpha.
std::array<Image, 2> draw_ball_frames();

// The program icon: the same ball drawn at `size` x `size`.
Image draw_icon(int size);

} // namespace pictures
