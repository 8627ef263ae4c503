#pragma once

// GIF half of decode_picture. The frames are composed here, so the caller
// only ever sees opaque frames of the GIF's screen size:
// - one frame: drawn on white without transparency (a transparent index shows
//   its palette colour);
// - several frames: drawn in turn on a canvas that starts white, transparent
//   pixels left out; a frame disposed "to background" clears its area to
//   white afterwards, one disposed "to previous" puts back what was under it.
//   Each composed canvas is one frame shown for delay × 10 ms, 0 meaning
//   kZeroDelayMs.
// Frames are clipped to the screen. A pixel whose index lies outside its
// frame's colour map is left out like a transparent one, so the canvas shows
// through. A frame with no colour map at all, a malformed control block, or a
// screen or frame over 8192 pixels a side makes the whole GIF undecodable.

#include "toolkit/picture.h"

#include <cstdint>
#include <optional>
#include <span>

namespace toolkit {

std::optional<Picture> decode_gif(std::span<const std::uint8_t> bytes);

} // namespace toolkit
