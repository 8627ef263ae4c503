#pragma once

// JPEG half of decode_picture: one opaque frame, or nothing for bytes that are
// not a complete JPEG of at most 8192 pixels a side. Truncated or corrupt
// data, which the JPEG library would pad and decode with a warning, is
// refused.

#include "toolkit/picture.h"

#include <cstdint>
#include <optional>
#include <span>

namespace toolkit {

std::optional<Picture> decode_jpeg(std::span<const std::uint8_t> bytes);

} // namespace toolkit
