// Checks the committed pictures byte by byte: the program and the platforms
// it hands them to rely on these exact formats. The files are parsed here by
// hand rather than through a decoder, so a decoder's leniency hides nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kRoot = SOURCE_DIR;

Bytes read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned be16(const Bytes& b, std::size_t i) { return b.at(i) << 8 | b.at(i + 1); }
unsigned le16(const Bytes& b, std::size_t i) { return b.at(i) | b.at(i + 1) << 8; }

std::filesystem::path symbol_path(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "symbol_%02d.jpg", number);
    return kRoot / "src/symbols/pictures" / name;
}

// ---- JPEG ------------------------------------------------------------------

struct Segment {
    std::uint8_t marker;
    Bytes body; // without the length field
};

struct JpegFile {
    std::vector<Segment> segments; // SOI to SOS inclusive, in file order
    int restart_markers = 0;       // RSTn found in the entropy-coded data
    bool ends_with_eoi = false;    // EOI right after the scan, as the last bytes
};

JpegFile walk_jpeg(const Bytes& b) {
    JpegFile f;
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return f;
    f.segments.push_back({0xD8, {}});
    std::size_t i = 2;
    while (i + 4 <= b.size() && b[i] == 0xFF) {
        const std::uint8_t marker = b[i + 1];
        const std::size_t length = be16(b, i + 2);
        f.segments.push_back({marker, Bytes(b.begin() + i + 4, b.begin() + std::min(b.size(), i + 2 + length))});
        i += 2 + length;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data: 0xFF00 is a stuffed byte, 0xFFD0..D7 a restart marker.
        while (i + 1 < b.size()) {
            if (b[i] == 0xFF && b[i + 1] != 0x00) {
                if (b[i + 1] >= 0xD0 && b[i + 1] <= 0xD7) {
                    ++f.restart_markers;
                } else {
                    f.ends_with_eoi = b[i + 1] == 0xD9 && i + 2 == b.size();
                    return f;
                }
                i += 2;
            } else {
                ++i;
            }
        }
        return f;
    }
    return f;
}

// Bit counts of the four Huffman tables from the JPEG standard's Annex K.
const std::array<std::uint8_t, 16> kDcLuminanceBits = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
const std::array<std::uint8_t, 16> kDcChrominanceBits = {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
const std::array<std::uint8_t, 16> kAcLuminanceBits = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d};
const std::array<std::uint8_t, 16> kAcChrominanceBits = {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77};

TEST(SymbolPictures, AreBaselineJfifWithOnlyTheExpectedMarkers) {
    for (int n = 1; n <= 18; ++n) {
        SCOPED_TRACE(symbol_path(n).filename().string());
        const JpegFile f = walk_jpeg(read_file(symbol_path(n)));
        ASSERT_FALSE(f.segments.empty()) << "no SOI";
        EXPECT_TRUE(f.ends_with_eoi);
        EXPECT_EQ(f.restart_markers, 0);

        std::vector<std::uint8_t> order;
        std::set<int> quant_tables;
        std::set<std::pair<int, int>> huffman_tables; // (class, id)
        for (const Segment& s : f.segments) {
            order.push_back(s.marker);
            const Bytes& b = s.body;
            switch (s.marker) {
            case 0xE0: // APP0: JFIF 1.02, dots per inch, 72 x 72, no thumbnail
                EXPECT_EQ(b, (Bytes{'J', 'F', 'I', 'F', 0, 1, 2, 1, 0, 72, 0, 72, 0, 0}));
                break;
            case 0xDB: // DQT: may hold several 65-byte 8-bit tables
                EXPECT_EQ(b.size() % 65, 0u);
                for (std::size_t i = 0; i + 65 <= b.size(); i += 65) {
                    EXPECT_EQ(b[i] >> 4, 0) << "16-bit quantisation table";
                    EXPECT_TRUE(quant_tables.insert(b[i] & 15).second) << "table sent twice";
                }
                break;
            case 0xC0: // SOF0
                ASSERT_EQ(b.size(), 15u);
                EXPECT_EQ(b[0], 8);
                EXPECT_EQ(be16(b, 1), 25u);
                EXPECT_EQ(be16(b, 3), 25u);
                EXPECT_EQ(b[5], 3);
                for (int c = 0; c < 3; ++c) {
                    EXPECT_EQ(b[7 + 3 * c], 0x11) << "component " << c << " is subsampled";
                    EXPECT_EQ(b[8 + 3 * c], c == 0 ? 0 : 1) << "component " << c << " quantisation table";
                }
                break;
            case 0xC4: // DHT: one or more tables
                for (std::size_t i = 0; i + 17 <= b.size();) {
                    const int cls = b[i] >> 4, id = b[i] & 15;
                    const std::array<std::uint8_t, 16>& standard =
                        cls == 0 ? (id == 0 ? kDcLuminanceBits : kDcChrominanceBits)
                                 : (id == 0 ? kAcLuminanceBits : kAcChrominanceBits);
                    int count = 0;
                    for (int k = 0; k < 16; ++k) {
                        EXPECT_EQ(b[i + 1 + k], standard[k]) << "Huffman table " << cls << "/" << id << " not standard";
                        count += b[i + 1 + k];
                    }
                    huffman_tables.insert({cls, id});
                    i += 17 + count;
                }
                break;
            case 0xDA: // SOS: Y on tables 0/0, Cb and Cr on 1/1, one sequential scan
                EXPECT_EQ(b, (Bytes{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0}));
                break;
            }
        }
        // SOI, APP0, then tables and frame, then exactly one scan; nothing else at all.
        ASSERT_GE(order.size(), 4u);
        EXPECT_EQ(order[1], 0xE0);
        EXPECT_EQ(order.back(), 0xDA);
        for (std::size_t i = 2; i + 1 < order.size(); ++i)
            EXPECT_TRUE(order[i] == 0xDB || order[i] == 0xC0 || order[i] == 0xC4)
                << "unexpected marker 0x" << std::hex << int(order[i]);
        EXPECT_EQ(std::count(order.begin(), order.end(), 0xC0), 1);
        EXPECT_EQ(quant_tables, (std::set<int>{0, 1}));
        EXPECT_EQ(huffman_tables, (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
    }
}

TEST(SymbolPictures, AreAllDifferent) {
    std::set<Bytes> seen;
    for (int n = 1; n <= 18; ++n) {
        Bytes b = read_file(symbol_path(n));
        EXPECT_FALSE(b.empty()) << symbol_path(n);
        EXPECT_TRUE(seen.insert(std::move(b)).second) << symbol_path(n) << " repeats an earlier symbol";
    }
}

// ---- GIF -------------------------------------------------------------------

// Variable-width LZW as GIF uses it, codes packed from the least significant bit.
std::optional<Bytes> lzw_decode(const Bytes& data, int min_code_size) {
    const unsigned clear = 1u << min_code_size, end = clear + 1;
    std::vector<Bytes> dict;
    int width = 0;
    auto reset = [&] {
        dict.assign(clear + 2, {});
        for (unsigned i = 0; i < clear; ++i)
            dict[i] = {static_cast<std::uint8_t>(i)};
        width = min_code_size + 1;
    };
    reset();
    Bytes out;
    constexpr unsigned kNone = ~0u; // no previous code since the last clear
    unsigned prev = kNone;
    for (std::size_t bit = 0; bit + width <= data.size() * 8;) {
        unsigned code = 0;
        for (int k = 0; k < width; ++k, ++bit)
            code |= ((data[bit / 8] >> (bit % 8)) & 1u) << k;
        if (code == clear) {
            reset();
            prev = kNone;
            continue;
        }
        if (code == end)
            return out;
        Bytes entry;
        if (code < dict.size() && code != end && code != clear)
            entry = dict[code];
        else if (code == dict.size() && prev != kNone)
            entry = dict[prev], entry.push_back(dict[prev][0]);
        else
            return std::nullopt;
        out.insert(out.end(), entry.begin(), entry.end());
        if (prev != kNone && dict.size() < 4096) {
            Bytes grown = dict[prev];
            grown.push_back(entry[0]);
            dict.push_back(std::move(grown));
        }
        prev = code;
        if (dict.size() == (1u << width) && width < 12)
            ++width;
    }
    return std::nullopt; // ran out of data before the end code
}

struct GifFrame {
    bool has_control = false;
    int disposal = -1, delay = -1, transparent = -1; // -1: no transparent colour
    unsigned left = 0, top = 0, width = 0, height = 0;
    bool local_palette = false, interlaced = false;
    std::optional<Bytes> pixels;
};

struct GifFile {
    std::string version;
    unsigned width = 0, height = 0;
    int palette_size = 0; // 0 without a global colour table
    Bytes palette;
    std::optional<int> loop_count; // from NETSCAPE2.0
    bool loop_before_first_frame = false;
    std::vector<GifFrame> frames;
    bool trailer = false; // 0x3B as the last byte
};

// Skips data sub-blocks at i, optionally collecting them; returns false if truncated.
bool sub_blocks(const Bytes& b, std::size_t& i, std::vector<Bytes>* blocks) {
    while (i < b.size()) {
        const std::size_t n = b[i++];
        if (n == 0)
            return true;
        if (i + n > b.size())
            return false;
        if (blocks)
            blocks->emplace_back(b.begin() + i, b.begin() + i + n);
        i += n;
    }
    return false;
}

GifFile walk_gif(const Bytes& b) {
    GifFile g;
    if (b.size() < 13)
        return g;
    g.version.assign(b.begin(), b.begin() + 6);
    g.width = le16(b, 6);
    g.height = le16(b, 8);
    std::size_t i = 13;
    if (b[10] & 0x80) {
        g.palette_size = 2 << (b[10] & 7);
        g.palette.assign(b.begin() + i, b.begin() + std::min(b.size(), i + 3 * g.palette_size));
        i += 3 * g.palette_size;
    }
    GifFrame next;
    while (i < b.size()) {
        const std::uint8_t introducer = b[i++];
        if (introducer == 0x3B) {
            g.trailer = i == b.size();
            break;
        }
        if (introducer == 0x21 && i < b.size()) {
            const std::uint8_t label = b[i++];
            std::vector<Bytes> blocks;
            if (!sub_blocks(b, i, &blocks))
                break;
            if (label == 0xF9 && !blocks.empty() && blocks[0].size() == 4) {
                const Bytes& c = blocks[0];
                next.has_control = true;
                next.disposal = (c[0] >> 2) & 7;
                next.delay = le16(c, 1);
                next.transparent = (c[0] & 1) ? c[3] : -1;
            } else if (label == 0xFF && blocks.size() >= 2 && blocks[0] == Bytes{'N', 'E', 'T', 'S', 'C', 'A', 'P',
                                                                                  'E', '2', '.', '0'}) {
                if (blocks[1].size() == 3 && blocks[1][0] == 1)
                    g.loop_count = le16(blocks[1], 1);
                g.loop_before_first_frame = g.frames.empty();
            }
        } else if (introducer == 0x2C && i + 10 <= b.size()) {
            GifFrame f = next;
            next = {};
            f.left = le16(b, i);
            f.top = le16(b, i + 2);
            f.width = le16(b, i + 4);
            f.height = le16(b, i + 6);
            f.local_palette = b[i + 8] & 0x80;
            f.interlaced = b[i + 8] & 0x40;
            i += 9;
            if (f.local_palette)
                i += 3 * (2 << (b[i - 1] & 7));
            const int min_code_size = i < b.size() ? b[i++] : 0;
            std::vector<Bytes> blocks;
            if (!sub_blocks(b, i, &blocks))
                break;
            Bytes data;
            for (const Bytes& block : blocks)
                data.insert(data.end(), block.begin(), block.end());
            f.pixels = lzw_decode(data, min_code_size);
            g.frames.push_back(std::move(f));
        } else {
            break; // unknown block: the walk cannot go on
        }
    }
    return g;
}

struct GifCase {
    const char* file;
    unsigned width, height;
    std::size_t frames;
    int delay, disposal;
    std::optional<int> loop_count;
    double min_clear, max_clear; // share of the first frame that is transparent
};

const GifCase kGifCases[] = {
    // The ball: a looping two-frame animation, each frame drawn over the last;
    // only the ground around the globe and its stand is clear.
    {"ball.gif", 220, 268, 2, 50, 1, 0, 0.12, 0.30},
    // The banner: one still frame, letters on a clear ground.
    {"banner.gif", 163, 44, 1, 0, 0, std::nullopt, 0.30, 0.85},
};

TEST(UiGifs, HaveTheExpectedStructure) {
    for (const GifCase& c : kGifCases) {
        SCOPED_TRACE(c.file);
        const GifFile g = walk_gif(read_file(kRoot / "src/ui/pictures" / c.file));
        EXPECT_EQ(g.version, "GIF89a");
        EXPECT_EQ(g.width, c.width);
        EXPECT_EQ(g.height, c.height);
        EXPECT_EQ(g.palette_size, 256);
        EXPECT_TRUE(g.trailer);
        EXPECT_EQ(g.loop_count, c.loop_count);
        if (c.loop_count) {
            EXPECT_TRUE(g.loop_before_first_frame);
        }
        ASSERT_EQ(g.frames.size(), c.frames);
        for (const GifFrame& f : g.frames) {
            EXPECT_TRUE(f.has_control);
            EXPECT_EQ(f.delay, c.delay);
            EXPECT_EQ(f.disposal, c.disposal);
            EXPECT_EQ(f.transparent, 255);
            EXPECT_EQ(f.left, 0u);
            EXPECT_EQ(f.top, 0u);
            EXPECT_EQ(f.width, c.width);
            EXPECT_EQ(f.height, c.height);
            EXPECT_FALSE(f.local_palette);
            EXPECT_FALSE(f.interlaced);
            ASSERT_TRUE(f.pixels) << "LZW data does not decode";
            EXPECT_EQ(f.pixels->size(), std::size_t{c.width} * c.height);
        }
        const Bytes& first = *g.frames[0].pixels;
        const double clear = std::count(first.begin(), first.end(), 255) / double(first.size());
        EXPECT_GE(clear, c.min_clear);
        EXPECT_LE(clear, c.max_clear);
    }
}

TEST(UiGifs, BannerGroundShowsBlackWhereTransparencyIsIgnored) {
    const GifFile g = walk_gif(read_file(kRoot / "src/ui/pictures/banner.gif"));
    ASSERT_EQ(g.palette.size(), 768u);
    EXPECT_EQ(Bytes(g.palette.begin() + 765, g.palette.end()), (Bytes{0, 0, 0}));
    ASSERT_EQ(g.frames.size(), 1u);
    ASSERT_TRUE(g.frames[0].pixels);
    const Bytes& px = *g.frames[0].pixels;
    for (unsigned x = 0; x < g.width; ++x) // the top row is ground
        EXPECT_EQ(px[x], 255) << "x " << x;
}

TEST(UiGifs, BallFramesDifferAndKeepTheGlobeOpaque) {
    const GifFile g = walk_gif(read_file(kRoot / "src/ui/pictures/ball.gif"));
    ASSERT_EQ(g.frames.size(), 2u);
    ASSERT_TRUE(g.frames[0].pixels && g.frames[1].pixels);
    const Bytes& a = *g.frames[0].pixels;
    const Bytes& b = *g.frames[1].pixels;
    ASSERT_EQ(a.size(), 220u * 268u);
    ASSERT_EQ(b.size(), a.size());
    EXPECT_NE(a, b) << "the animation would stand still";
    for (const Bytes* f : {&a, &b}) {
        auto at = [f](int x, int y) { return (*f)[y * 220 + x]; };
        EXPECT_EQ(at(0, 0), 255);
        EXPECT_EQ(at(219, 0), 255);
        EXPECT_NE(at(110, 100), 255) << "globe centre";
        EXPECT_NE(at(110, 230), 255) << "stand";
    }
}

// ---- PNG -------------------------------------------------------------------

struct PngCase {
    const char* file;
    unsigned size;
};

TEST(UiPngs, AreSquareEightBitRgba) {
    const PngCase cases[] = {{"icon_32.png", 32}, {"icon_48.png", 48}, {"icon_256.png", 256}, {"hand_cursor.png", 32}};
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const PngCase& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes b = read_file(kRoot / "src/ui/pictures" / c.file);
        ASSERT_GE(b.size(), 33u);
        EXPECT_EQ(Bytes(b.begin(), b.begin() + 8), signature);
        EXPECT_EQ(Bytes(b.begin() + 12, b.begin() + 16), (Bytes{'I', 'H', 'D', 'R'}));
        EXPECT_EQ(be16(b, 16) << 16 | be16(b, 18), c.size);
        EXPECT_EQ(be16(b, 20) << 16 | be16(b, 22), c.size);
        EXPECT_EQ(b[24], 8) << "bit depth";
        EXPECT_EQ(b[25], 6) << "colour type RGBA";
    }
}

} // namespace
