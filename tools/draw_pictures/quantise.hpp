#pragma once

// Palette reduction for the GIF pictures: median cut for a first palette,
// then a few rounds of k-means so smooth gradients keep their steps small.

#include "canvas.hpp"

#include <cstdint>
#include <vector>

namespace pictures {

// A palette of at most `max_colours` for the opaque pixels (alpha 255) of all images.
std::vector<Rgb> build_palette(const std::vector<const Image*>& images, int max_colours);

// Palette indices for an image; pixels that are not opaque get `transparent_index`.
// `dither` is the amplitude of a 4x4 ordered dither in 0..255 units (0 = none).
std::vector<std::uint8_t> map_to_palette(const Image& image, const std::vector<Rgb>& palette,
                                         std::uint8_t transparent_index, double dither);

} // namespace pictures
