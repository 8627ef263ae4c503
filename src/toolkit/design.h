#pragma once

// A window's design: the window's own properties and its controls in the
// control order. The first control of the order lies on top of all others.
// Designs are plain data; load_start_window builds windows from them.

#include "byte_string.h"
#include "geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace toolkit {

enum class ControlKind { window, label, picture_box, button, hyperlink_box };

enum class Cursor { arrow, hand };
enum class Border { none, single_line, thin_sunken, raised_frame };
enum class HorizontalAlign { left, center, right };
enum class VerticalAlign { top, center, bottom };
enum class TextEffect { none, engraved };
enum class DisplayMode { stretch, fit };
enum class LinkKind { web, mail };

// A font by face name and character height in pixels (without internal
// leading). An empty face means the system GUI font.
struct Font {
    std::string face;
    int pixel_height = 0;
    bool bold = false;
    bool italic = false;
};

// One colour fills the area; two or more are the stops of a vertical gradient.
// No stops at all means the system face colour.
struct Background {
    std::vector<Color> stops;
};

struct LabelStyle {
    std::string text; // "\r\n" breaks lines
    Font font;
    Color text_color = kBlack;
    Background background;
    Border border = Border::none;
    TextEffect effect = TextEffect::none;
    HorizontalAlign horizontal_align = HorizontalAlign::left;
    VerticalAlign vertical_align = VerticalAlign::top;
    bool word_wrap = false;
};

struct PictureBoxStyle {
    ByteString picture = nullptr; // picture at load, in byte-string form
    DisplayMode mode = DisplayMode::stretch;
    Background background;
    Border border = Border::none;
};

struct ButtonStyle {
    std::string caption;
};

struct HyperlinkStyle {
    std::string caption;
    LinkKind link_kind = LinkKind::web;
    std::string web_address;
    std::string mail_address;
    Color normal_color{0, 0, 255};
    Color hover_color{49, 106, 197};
    Color visited_color{128, 0, 0};
    Background background;
    Border border = Border::raised_frame;
    Font font;
};

using ControlStyle = std::variant<LabelStyle, PictureBoxStyle, ButtonStyle, HyperlinkStyle>;

// Event handlers answer nothing. Press handlers get the press's x, y (in the
// control) and key state.
using EventHandler = void (*)();
using PressHandler = void (*)(int x, int y, int key_state);

struct ControlDesign {
    std::string form_name;
    ControlKind kind = ControlKind::label;
    std::int32_t id = 0;
    Rect rect;
    std::string tag;
    bool visible = true;
    bool enabled = true;
    bool tab_stop = false;
    Cursor cursor = Cursor::arrow;
    ControlStyle style;
    EventHandler on_clicked = nullptr;       // push button
    PressHandler on_left_pressed = nullptr; // picture box, hyperlink box
};

struct WindowDesign {
    std::string form_name;
    std::int32_t id = 0;
    std::string title;
    Size outer_size;      // frame and title bar included
    Size client_size;     // what the controls are placed in
    Point stored_position; // never used: the window opens centred
    Color background = kWhite;
    bool escape_closes = false;
    std::string tag;
    EventHandler on_created = nullptr;
    std::vector<ControlDesign> controls; // control order: first is on top
};

} // namespace toolkit
