#pragma once

#include "design.h"

#include <cstdint>

namespace toolkit {

// Names the window (control id 0) or one of its controls, with its kind.
struct ControlRef {
    std::int32_t window_id = 0;
    std::int32_t control_id = 0;
    ControlKind kind = ControlKind::window;

    bool is_null() const { return window_id == 0 && control_id == 0; }
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// A reference that accepts only picture boxes: storing anything else is
// runtime error 5. It starts as (0, 0), naming no control.
class PictureBoxRef {
public:
    PictureBoxRef() = default;
    PictureBoxRef& operator=(const ControlRef& ref);

    std::int32_t window_id() const { return m_ref.window_id; }
    std::int32_t control_id() const { return m_ref.control_id; }
    const ControlRef& ref() const { return m_ref; }
    operator const ControlRef&() const { return m_ref; }

private:
    ControlRef m_ref{0, 0, ControlKind::picture_box};
};

} // namespace toolkit
