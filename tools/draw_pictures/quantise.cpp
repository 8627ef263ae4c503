#include "quantise.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace pictures {
namespace {

struct Sample {
    std::array<double, 3> c;
    double weight;
};

std::uint32_t key(const Rgba& p) { return (p.r << 16) | (p.g << 8) | p.b; }

double distance2(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    const double dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return dr * dr + dg * dg + db * db;
}

struct Box {
    std::size_t begin, end; // range in the sample vector
    double error = 0;       // weighted squared deviation from the mean
    int axis = 0;           // channel with the largest spread
};

Box measure(const std::vector<Sample>& s, std::size_t begin, std::size_t end) {
    Box box{begin, end};
    std::array<double, 3> sum{}, sum2{};
    double w = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int k = 0; k < 3; ++k) {
            sum[k] += s[i].c[k] * s[i].weight;
            sum2[k] += s[i].c[k] * s[i].c[k] * s[i].weight;
        }
        w += s[i].weight;
    }
    double best = -1;
    for (int k = 0; k < 3; ++k) {
        const double var = sum2[k] - sum[k] * sum[k] / w;
        box.error += var;
        if (var > best) {
            best = var;
            box.axis = k;
        }
    }
    if (end - begin < 2)
        box.error = 0;
    return box;
}

std::array<double, 3> mean(const std::vector<Sample>& s, std::size_t begin, std::size_t end) {
    std::array<double, 3> m{};
    double w = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int k = 0; k < 3; ++k)
            m[k] += s[i].c[k] * s[i].weight;
        w += s[i].weight;
    }
    for (auto& v : m)
        v /= w;
    return m;
}

std::size_t nearest(const std::vector<std::array<double, 3>>& centres, const std::array<double, 3>& c) {
    std::size_t best = 0;
    double best_d = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double d = distance2(centres[i], c);
        if (d < best_d) {
            best_d = d;
            best = i;
        }
    }
    return best;
}

std::uint8_t to_byte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

} // namespace

std::vector<Rgb> build_palette(const std::vector<const Image*>& images, int max_colours) {
    std::unordered_map<std::uint32_t, double> counts;
    for (const Image* img : images)
        for (const Rgba& p : img->pixels)
            if (p.a == 255)
                counts[key(p)] += 1;
    std::vector<Sample> samples;
    samples.reserve(counts.size());
    for (const auto& [k, n] : counts)
        samples.push_back({{double(k >> 16), double((k >> 8) & 0xff), double(k & 0xff)}, n});
    if (samples.empty())
        return {};
    // Deterministic order regardless of the hash map.
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.c < b.c; });

    // Median cut: keep splitting the box that holds the most error.
    std::vector<Box> boxes{measure(samples, 0, samples.size())};
    while (static_cast<int>(boxes.size()) < max_colours) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->error <= 0)
            break;
        const Box box = *worst;
        const int axis = box.axis;
        std::sort(samples.begin() + box.begin, samples.begin() + box.end,
                  [axis](const Sample& a, const Sample& b) { return a.c[axis] < b.c[axis]; });
        double total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i)
            total += samples[i].weight;
        double acc = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            acc += samples[i].weight;
            cut = i + 1;
            if (acc >= total / 2)
                break;
        }
        *worst = measure(samples, box.begin, cut);
        boxes.push_back(measure(samples, cut, box.end));
    }

    std::vector<std::array<double, 3>> centres;
    for (const Box& b : boxes)
        centres.push_back(mean(samples, b.begin, b.end));

    // Lloyd refinement.
    for (int round = 0; round < 10; ++round) {
        std::vector<std::array<double, 3>> sum(centres.size(), {0, 0, 0});
        std::vector<double> weight(centres.size(), 0);
        for (const Sample& s : samples) {
            const std::size_t i = nearest(centres, s.c);
            for (int k = 0; k < 3; ++k)
                sum[i][k] += s.c[k] * s.weight;
            weight[i] += s.weight;
        }
        for (std::size_t i = 0; i < centres.size(); ++i)
            if (weight[i] > 0)
                for (int k = 0; k < 3; ++k)
                    centres[i][k] = sum[i][k] / weight[i];
    }

    std::vector<Rgb> palette;
    for (const auto& c : centres)
        palette.push_back({to_byte(c[0]), to_byte(c[1]), to_byte(c[2])});
    return palette;
}

std::vector<std::uint8_t> map_to_palette(const Image& image, const std::vector<Rgb>& palette,
                                         std::uint8_t transparent_index, double dither) {
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<std::array<double, 3>> centres;
    for (const Rgb& p : palette)
        centres.push_back({double(p.r), double(p.g), double(p.b)});
    std::vector<std::uint8_t> out(image.pixels.size(), transparent_index);
    std::unordered_map<std::uint64_t, std::uint8_t> cache;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            if (p.a != 255)
                continue;
            const int threshold = kBayer[y & 3][x & 3];
            const std::uint64_t k = (std::uint64_t(key(p)) << 4) | threshold;
            auto [it, fresh] = cache.try_emplace(k, 0);
            if (fresh) {
                const double offset = (threshold + 0.5) / 16.0 - 0.5;
                it->second = static_cast<std::uint8_t>(
                    nearest(centres, {p.r + offset * dither, p.g + offset * dither, p.b + offset * dither}));
            }
            out[static_cast<std::size_t>(y) * image.width + x] = it->second;
        }
    return out;
}

} // namespace pictures
