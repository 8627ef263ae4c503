#pragma once

// The parts the system draws, in one classic look: the push button, the
// borders and the message box.

#include "design.h"
#include "geometry.h"

#include <cairo.h>

#include <string>
#include <string_view>

namespace toolkit {

// Pixels a border takes on each side of a control.
int border_width(Border border);
// Draws the border inside rect (the control's whole rectangle).
void draw_border(cairo_t* cr, const Rect& rect, Border border);

struct ButtonLook {
    bool pressed = false; // held down by the mouse or the space bar
    bool focused = false; // shows the focus rectangle
};
// A raised 3-D button with its caption centred in the system GUI font.
void draw_push_button(cairo_t* cr, const Rect& rect, std::string_view caption, ButtonLook look);

enum class MessageBoxIcon { none, stop };

// Where the parts of a message box go, from its text ("\r\n" breaks lines).
struct MessageBoxLayout {
    Size client;
    Rect icon;
    Rect text;
    Rect ok_button;
};
MessageBoxLayout layout_message_box(std::string_view text, MessageBoxIcon icon);
void draw_message_box(cairo_t* cr, const MessageBoxLayout& layout, std::string_view text, MessageBoxIcon icon,
                      ButtonLook ok_look);

} // namespace toolkit
