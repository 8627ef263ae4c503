#pragma once

#include "design.h"
#include "picture.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace toolkit {

// A live control: its design and the state that changes at run time.
struct Control {
    explicit Control(const ControlDesign& design) : design(design) {}

    const ControlDesign& design;
    bool visible = false;

    // Picture boxes: the box's own copy of its picture bytes, decoded.
    std::vector<std::uint8_t> picture_bytes;
    std::optional<Picture> picture;
    std::size_t frame_index = 0;
    std::uint64_t next_frame_at = 0; // animation deadline while visible

    // Hyperlink boxes.
    bool hovered = false;
    bool visited = false;

    // Push buttons.
    bool pressed = false;

    const Rect& rect() const { return design.rect; }
    ControlKind kind() const { return design.kind; }
    bool takes_input() const { return visible && design.enabled; }
    bool animating() const { return visible && picture && picture->animated(); }
};

} // namespace toolkit
