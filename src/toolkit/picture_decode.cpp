#include "toolkit/picture.h"

#include "toolkit/gif_decode.h"
#include "toolkit/jpeg_decode.h"

#include <algorithm>
#include <array>

namespace toolkit {
namespace {

bool starts_with(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> signature)
{
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

constexpr std::array<std::uint8_t, 3> kJpegSignature{0xFF, 0xD8, 0xFF};
constexpr std::array<std::uint8_t, 6> kGif87Signature{'G', 'I', 'F', '8', '7', 'a'};
constexpr std::array<std::uint8_t, 6> kGif89Signature{'G', 'I', 'F', '8', '9', 'a'};

} // namespace

std::optional<Picture> decode_picture(std::span<const std::uint8_t> bytes)
{
    if (starts_with(bytes, kJpegSignature))
        return decode_jpeg(bytes);
    if (starts_with(bytes, kGif87Signature) || starts_with(bytes, kGif89Signature))
        return decode_gif(bytes);
    return std::nullopt;
}

} // namespace toolkit
