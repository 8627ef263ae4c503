#pragma once

// Fonts by the face names of the design. The design's Windows face names are
// registered with fontconfig as aliases of the Debian faces (the real face
// first, so a machine that has it uses it); sizes are character heights in
// pixels.

#include "design.h"

#include <pango/pango.h>

#include <memory>

namespace toolkit {

// Registers the face aliases on top of the system configuration. Called once
// by start_toolkit, before any text is laid out; later calls do nothing.
void register_face_aliases();

// "Sans", 12 pixels.
const Font& system_gui_font();

struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionDeleter>;

// The one way every text of the program is rendered: grey antialiasing,
// slight hinting, whole-pixel glyph advances.
void set_text_rendering_options(PangoContext* context);

// The Pango description of a font; an empty face gives the system GUI font.
FontDescription font_description(const Font& font);

} // namespace toolkit
