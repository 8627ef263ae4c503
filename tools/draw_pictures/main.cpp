// draw_pictures <repository root>
//
// Draws every built-in picture and writes it into the source tree:
//   src/symbols/pictures/symbol_01.jpg ... symbol_18.jpg
//   src/ui/pictures/ball.gif, banner.gif, icon_32/48/256.png, hand_cursor.png
//   docs/pictures.png (a contact sheet of all of them)

#include "ball.hpp"
#include "banner.hpp"
#include "canvas.hpp"
#include "contact_sheet.hpp"
#include "cursor.hpp"
#include "quantise.hpp"
#include "symbols.hpp"
#include "writers.hpp"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;
using namespace pictures;

namespace {

constexpr int kJpegQuality = 90;
constexpr std::uint8_t kTransparent = 255;

// GIF transparency is all or nothing. Pixels that are almost clear become
// transparent; the rest are blended onto the ground the picture is shown on,
// so their antialiased edges look right there.
Image flatten_onto(const Image& image, Rgb ground, int clear_below) {
    Image out = image;
    for (Rgba& p : out.pixels) {
        if (p.a < clear_below) {
            p = {};
            continue;
        }
        auto blend = [&](std::uint8_t c, std::uint8_t g) {
            return static_cast<std::uint8_t>((c * p.a + g * (255 - p.a) + 127) / 255);
        };
        p = {blend(p.r, ground.r), blend(p.g, ground.g), blend(p.b, ground.b), 255};
    }
    return out;
}

// A 256-entry palette: the quantised colours, then black up to the transparent slot.
std::array<Rgb, 256> full_palette(const std::vector<Rgb>& colours) {
    std::array<Rgb, 256> palette{};
    std::copy(colours.begin(), colours.end(), palette.begin());
    return palette;
}

double transparent_share(const std::vector<std::uint8_t>& frame) {
    return std::count(frame.begin(), frame.end(), kTransparent) / double(frame.size());
}

void report(const fs::path& path) {
    std::printf("%8ju  %s\n", static_cast<std::uintmax_t>(fs::file_size(path)), path.string().c_str());
}

void write_symbols(const fs::path& root) {
    const fs::path dir = root / "src/symbols/pictures";
    fs::create_directories(dir);
    const std::vector<Image> symbols = draw_symbols();
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "symbol_%02zu.jpg", i + 1);
        write_jpeg(dir / name, symbols[i], kJpegQuality);
        report(dir / name);
    }
}

void write_ball(const fs::path& dir) {
    const std::array<Image, 2> drawn = draw_ball_frames();
    // The program composes the animation on white.
    const std::array<Image, 2> frames = {flatten_onto(drawn[0], {255, 255, 255}, 26),
                                         flatten_onto(drawn[1], {255, 255, 255}, 26)};
    const std::vector<Rgb> colours = build_palette({&frames[0], &frames[1]}, 255);
    GifPicture gif;
    gif.width = kBallWidth;
    gif.height = kBallHeight;
    gif.palette = full_palette(colours);
    for (const Image& f : frames)
        gif.frames.push_back(map_to_palette(f, colours, kTransparent, 5.0));
    gif.delay = 50;
    gif.disposal = 1; // each frame is drawn over the previous one
    gif.looping = true;
    write_gif(dir / "ball.gif", gif);
    report(dir / "ball.gif");
    std::printf("          ball: %zu colours, transparent %.1f%% / %.1f%%\n", colours.size(),
                100 * transparent_share(gif.frames[0]), 100 * transparent_share(gif.frames[1]));
}

void write_banner(const fs::path& dir) {
    // A still GIF is shown without its transparency, the clear ground as its
    // palette colour: black.
    const Image banner = flatten_onto(draw_banner(), {0, 0, 0}, 8);
    const std::vector<Rgb> colours = build_palette({&banner}, 255);
    GifPicture gif;
    gif.width = kBannerWidth;
    gif.height = kBannerHeight;
    gif.palette = full_palette(colours);
    gif.frames.push_back(map_to_palette(banner, colours, kTransparent, 0.0));
    write_gif(dir / "banner.gif", gif);
    report(dir / "banner.gif");
}

void write_pngs(const fs::path& dir) {
    for (int size : {32, 48, 256}) {
        const fs::path path = dir / ("icon_" + std::to_string(size) + ".png");
        write_png(path, draw_icon(size));
        report(path);
    }
    write_png(dir / "hand_cursor.png", draw_hand_cursor());
    report(dir / "hand_cursor.png");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    try {
        const fs::path root = argv[1];
        if (!fs::is_directory(root / "src"))
            throw std::runtime_error(root.string() + " does not look like the repository root");
        write_symbols(root);
        const fs::path ui = root / "src/ui/pictures";
        fs::create_directories(ui);
        write_ball(ui);
        write_banner(ui);
        write_pngs(ui);
        write_contact_sheet(root);
        report(root / "docs/pictures.png");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
