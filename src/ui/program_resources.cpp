#include "ui/program_resources.h"

#include "ui/main_window_design.h"
#include "ui/painter.h"
#include "ui/pictures.h"

namespace ui {

toolkit::ProgramResources program_resources()
{
    static Painter painter; // serves the whole process

    toolkit::ProgramResources resources;
    resources.designs = {&main_window_design()};
    resources.pictures.icons = {icon_32_picture, icon_48_picture, icon_256_picture};
    resources.pictures.hand_cursor = hand_cursor_picture;
    resources.pictures.hand_hot_spot = kHandHotSpot;
    resources.painter = &painter;
    return resources;
}

} // namespace ui
