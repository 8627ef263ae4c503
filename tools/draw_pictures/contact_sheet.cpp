// The contact sheet decodes the files that were just written, so it shows
// what the program will show: JPEG artefacts, GIF palettes and all.

#include "contact_sheet.hpp"

#include "canvas.hpp"
#include "symbols.hpp"

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace pictures {
namespace {

Image read_jpeg(const std::filesystem::path& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw std::runtime_error("cannot read " + path.string());
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file.get());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    Image img(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    std::vector<JSAMPLE> row(cinfo.output_width * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        for (int x = 0; x < img.width; ++x)
            img.at(x, y) = {row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255};
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return img;
}

// Every frame of a GIF on its own, transparent pixels left clear.
std::vector<Image> read_gif(const std::filesystem::path& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<Image> frames;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& s = gif->SavedImages[i];
        GraphicsControlBlock gcb{};
        DGifSavedExtensionToGCB(gif, i, &gcb);
        const ColorMapObject* map = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : gif->SColorMap;
        Image img(gif->SWidth, gif->SHeight);
        for (int y = 0; y < s.ImageDesc.Height; ++y)
            for (int x = 0; x < s.ImageDesc.Width; ++x) {
                const int index = s.RasterBits[y * s.ImageDesc.Width + x];
                if (index == gcb.TransparentColor)
                    continue;
                const GifColorType c = map->Colors[index];
                img.at(s.ImageDesc.Left + x, s.ImageDesc.Top + y) = {c.Red, c.Green, c.Blue, 255};
            }
        frames.push_back(std::move(img));
    }
    DGifCloseFile(gif, &error);
    return frames;
}

Image read_png(const std::filesystem::path& path) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot read " + path.string());
    Image img = image_from_surface(s);
    cairo_surface_destroy(s);
    return img;
}

struct Tile {
    std::string label;
    Image image;
    int zoom;
};

constexpr int kGap = 16;
constexpr int kLabelHeight = 18;

void draw_checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.8, 0.8, 0.8);
    const int cell = 8;
    for (int j = 0; j * cell < h; ++j)
        for (int i = (j % 2); i * cell < w; i += 2)
            cairo_rectangle(cr, x + i * cell, y + j * cell, cell, cell);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Draws a tile with its top left at (x, y); returns its size including the label.
void draw_tile(cairo_t* cr, const Tile& t, double x, double y) {
    const double w = t.image.width * t.zoom, h = t.image.height * t.zoom;
    draw_checkerboard(cr, x, y, w, h);
    cairo_surface_t* s = surface_from_image(t.image);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, t.zoom, t.zoom);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);

    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    cairo_move_to(cr, x, y + h + 14);
    cairo_show_text(cr, t.label.c_str());
}

int tile_width(const Tile& t) { return t.image.width * t.zoom; }
int tile_height(const Tile& t) { return t.image.height * t.zoom + kLabelHeight; }

} // namespace

void write_contact_sheet(const std::filesystem::path& root) {
    const auto symbols_dir = root / "src/symbols/pictures";
    const auto ui_dir = root / "src/ui/pictures";

    // Rows of tiles, each laid out left to right.
    std::vector<std::vector<Tile>> rows;
    std::vector<Tile> row;
    for (int i = 1; i <= kSymbolCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "symbol_%02d.jpg", i);
        row.push_back({name, read_jpeg(symbols_dir / name), 8});
        if (row.size() == 6) {
            rows.push_back(std::move(row));
            row.clear();
        }
    }
    rows.push_back({{"banner.gif (8x)", read_gif(ui_dir / "banner.gif").at(0), 8}});
    rows.push_back({{"hand_cursor.png (8x)", read_png(ui_dir / "hand_cursor.png"), 8},
                    {"icon_32.png (8x)", read_png(ui_dir / "icon_32.png"), 8},
                    {"icon_48.png (8x)", read_png(ui_dir / "icon_48.png"), 8}});
    const std::vector<Image> ball = read_gif(ui_dir / "ball.gif");
    rows.push_back({{"ball.gif frame 1 (2x)", ball.at(0), 2},
                    {"ball.gif frame 2 (2x)", ball.at(1), 2},
                    {"icon_256.png (2x)", read_png(ui_dir / "icon_256.png"), 2}});

    int width = 0, height = kGap;
    for (const auto& r : rows) {
        int w = kGap, h = 0;
        for (const Tile& t : r) {
            w += tile_width(t) + kGap;
            h = std::max(h, tile_height(t));
        }
        width = std::max(width, w);
        height += h + kGap;
    }

    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    int y = kGap;
    for (const auto& r : rows) {
        int x = kGap, h = 0;
        for (const Tile& t : r) {
            draw_tile(cr, t, x, y);
            x += tile_width(t) + kGap;
            h = std::max(h, tile_height(t));
        }
        y += h + kGap;
    }
    std::filesystem::create_directories(root / "docs");
    write_png(root / "docs/pictures.png", canvas.image());
}

} // namespace pictures
