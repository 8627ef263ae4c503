#pragma once

// A decoded picture, ready to draw: every frame is already composed, so a
// frame is an opaque image of the picture's full size. JPEG gives one frame.
// A GIF of one frame is drawn without transparency (transparent pixels show
// their palette colour). A GIF of several frames is composed on a canvas of
// its screen size that starts white, each frame drawn over the previous one
// with its transparent pixels left out. The composition is made once: when
// the animation loops, the first frame shows as it was composed on white.
// (The program's pictures cover the whole screen with every frame, where the
// two are the same.)

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace toolkit {

struct PictureFrame {
    // CAIRO_FORMAT_RGB24 image surface of the picture's size.
    std::shared_ptr<cairo_surface_t> image;
    int delay_ms = 0; // how long the frame shows; 0 for a still picture
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<PictureFrame> frames;

    bool animated() const { return frames.size() > 1; }
};

// Decodes JPEG or GIF bytes (told apart by their signature). Bytes that are
// not a complete, valid picture give nothing; decoding never ends the process.
std::optional<Picture> decode_picture(std::span<const std::uint8_t> bytes);

// A GIF frame delay of 0 shows for 50 ms.
inline constexpr int kZeroDelayMs = 50;

} // namespace toolkit
