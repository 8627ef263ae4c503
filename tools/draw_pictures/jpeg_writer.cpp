#include "writers.hpp"

#include <jpeglib.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace pictures {

void write_jpeg(const std::filesystem::path& path, const Image& image, int quality) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        throw std::runtime_error("cannot open " + path.string());

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file.get());

    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    jpeg_set_quality(&cinfo, quality, TRUE);

    // Full resolution chroma: the symbols are thin red strokes and 2x2
    // subsampling would smear them into pink.
    for (int c = 0; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
        cinfo.comp_info[c].quant_tbl_no = c == 0 ? 0 : 1;
    }
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 2;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    cinfo.write_Adobe_marker = FALSE;
    cinfo.optimize_coding = FALSE; // keep the standard Huffman tables
    cinfo.restart_interval = 0;
    cinfo.restart_in_rows = 0;

    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            row[x * 3 + 0] = p.r;
            row[x * 3 + 1] = p.g;
            row[x * 3 + 2] = p.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
}

} // namespace pictures
