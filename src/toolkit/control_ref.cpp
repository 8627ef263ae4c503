#include "control_ref.h"

#include "fatal_error.h"

namespace toolkit {

PictureBoxRef& PictureBoxRef::operator=(const ControlRef& ref)
{
    if (ref.kind != ControlKind::picture_box)
        raise_runtime_error(5);
    m_ref = ref;
    return *this;
}

} // namespace toolkit
