#pragma once

// File encoders: baseline JPEG through libjpeg and GIF89a through giflib.

#include "canvas.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace pictures {

// Baseline JFIF 1.02 at 72 dpi, YCbCr without subsampling, standard Huffman
// tables, no markers beyond the JFIF header. Alpha is ignored.
void write_jpeg(const std::filesystem::path& path, const Image& image, int quality);

struct GifPicture {
    int width = 0;
    int height = 0;
    std::array<Rgb, 256> palette{};
    std::vector<std::vector<std::uint8_t>> frames; // full-size frames of palette indices
    int transparent_index = 255;
    int delay = 0;         // hundredths of a second per frame
    int disposal = 0;      // GIF disposal method
    bool looping = false;  // adds the NETSCAPE2.0 loop-forever extension
};

void write_gif(const std::filesystem::path& path, const GifPicture& picture);

} // namespace pictures
