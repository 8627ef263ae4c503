#include "system_look.h"

#include "cairo_color.h"

#include "fonts.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// Lines and edges are whole-pixel rectangles filled without antialiasing, so
// every edge pixel has exactly its palette colour. Text goes through Pango
// with grey antialiasing; its layouts are kept in a small per-thread cache so
// that a repaint of an unchanged caption or message lays nothing out again.

namespace toolkit {
namespace {

// The classic 3-D palette around the face colour.
constexpr Color kHighlight = kWhite;
constexpr Color kLight{227, 227, 227};
constexpr Color kShadow{160, 160, 160};
constexpr Color kDarkShadow{105, 105, 105};

constexpr int kButtonEdgeWidth = 2;
constexpr int kFocusInset = 4;
// The caption wraps when it is wider than the button less this on each side.
constexpr int kCaptionPadding = 5;

constexpr int kBoxMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconTextGap = 12;
constexpr int kMaxTextWidth = 480;
constexpr Size kOkButtonSize{75, 23};
constexpr int kMinBoxClientWidth = 160;
constexpr std::string_view kOkCaption = "确定";

void fill_rect(cairo_t* cr, const Rect& rect, Color color)
{
    if (rect.empty())
        return;
    set_source_color(cr, color);
    cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
    cairo_fill(cr);
}

// One ring of 1-pixel lines along the inside of rect. As in the classic look,
// the bottom and right lines own the top-right and bottom-left corners.
void draw_edge(cairo_t* cr, const Rect& rect, Color top_left, Color bottom_right)
{
    if (rect.empty())
        return;
    fill_rect(cr, {rect.x, rect.y, rect.width - 1, 1}, top_left);
    fill_rect(cr, {rect.x, rect.y, 1, rect.height - 1}, top_left);
    fill_rect(cr, {rect.x, rect.bottom() - 1, rect.width, 1}, bottom_right);
    fill_rect(cr, {rect.right() - 1, rect.y, 1, rect.height}, bottom_right);
}

// Every other pixel of the ring along the inside of rect, starting with its
// top-left corner.
void draw_dotted_ring(cairo_t* cr, const Rect& rect, Color color)
{
    if (rect.empty())
        return;
    auto dot = [&](int x, int y) {
        if ((x - rect.x + y - rect.y) % 2 == 0)
            cairo_rectangle(cr, x, y, 1, 1);
    };
    for (int x = rect.x; x < rect.right(); ++x) {
        dot(x, rect.y);
        if (rect.height > 1)
            dot(x, rect.bottom() - 1);
    }
    for (int y = rect.y + 1; y < rect.bottom() - 1; ++y) {
        dot(rect.x, y);
        if (rect.width > 1)
            dot(rect.right() - 1, y);
    }
    set_source_color(cr, color);
    cairo_fill(cr);
}

// Drawing state the look changes, restored on leaving.
class SavedState {
public:
    explicit SavedState(cairo_t* cr) : m_cr(cr)
    {
        cairo_save(m_cr);
        cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
    }
    ~SavedState() { cairo_restore(m_cr); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    cairo_t* m_cr;
};

// Texts in the system GUI font ---------------------------------------------

struct GObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;
using ContextPtr = std::unique_ptr<PangoContext, GObjectDeleter>;

// Layouts of the GUI font, independent of any cairo context: the message box
// is measured before there is anything to draw on.
class GuiTextLayouts {
public:
    // A layout of text (lines broken by '\n') wrapped at wrap_width pixels, or
    // not wrapped for wrap_width <= 0. Valid until the next call.
    PangoLayout* get(const std::string& text, int wrap_width, PangoAlignment alignment)
    {
        auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
            return entry.text == text && entry.wrap_width == wrap_width && entry.alignment == alignment;
        });
        if (found == m_entries.end()) {
            if (m_entries.size() == kCapacity)
                m_entries.pop_back();
            m_entries.insert(m_entries.begin(), Entry{text, wrap_width, alignment, make_layout(text, wrap_width, alignment)});
        } else {
            std::rotate(m_entries.begin(), found, found + 1);
        }
        return m_entries.front().layout.get();
    }

private:
    struct Entry {
        std::string text;
        int wrap_width;
        PangoAlignment alignment;
        LayoutPtr layout;
    };
    static constexpr std::size_t kCapacity = 8;

    PangoContext* context()
    {
        if (!m_context) {
            m_context.reset(pango_font_map_create_context(pango_cairo_font_map_get_default()));
            set_text_rendering_options(m_context.get());
        }
        return m_context.get();
    }

    LayoutPtr make_layout(const std::string& text, int wrap_width, PangoAlignment alignment)
    {
        LayoutPtr layout(pango_layout_new(context()));
        FontDescription font = font_description(system_gui_font());
        pango_layout_set_font_description(layout.get(), font.get());
        pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
        pango_layout_set_alignment(layout.get(), alignment);
        // Lines break between characters without the hyphen Pango would add.
        PangoAttrList* attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
        pango_layout_set_attributes(layout.get(), attributes);
        pango_attr_list_unref(attributes);
        if (wrap_width > 0) {
            pango_layout_set_width(layout.get(), wrap_width * PANGO_SCALE);
            pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
        }
        return layout;
    }

    ContextPtr m_context;
    std::vector<Entry> m_entries;
};

PangoLayout* gui_text_layout(const std::string& text, int wrap_width, PangoAlignment alignment)
{
    thread_local GuiTextLayouts layouts;
    return layouts.get(text, wrap_width, alignment);
}

PangoRectangle logical_extents(PangoLayout* layout)
{
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    return logical;
}

// Draws layout with the top-left corner of its logical extents at (x, y).
void show_layout(cairo_t* cr, PangoLayout* layout, int x, int y, Color color)
{
    PangoRectangle logical = logical_extents(layout);
    set_source_color(cr, color);
    cairo_move_to(cr, x - logical.x, y - logical.y);
    pango_cairo_show_layout(cr, layout);
}

// Message box parts -----------------------------------------------------------

// "\r\n" (or a lone '\r' or '\n') breaks a line; a break at the very end only
// ends the last line and adds no empty one.
std::string message_lines(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    if (!lines.empty() && lines.back() == '\n')
        lines.pop_back();
    return lines;
}

PangoLayout* message_layout(std::string_view text)
{
    return gui_text_layout(message_lines(text), kMaxTextWidth, PANGO_ALIGN_LEFT);
}

// The red disc with a white cross, drawn to fill rect.
void draw_stop_icon(cairo_t* cr, const Rect& rect)
{
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    cairo_translate(cr, rect.x, rect.y);
    cairo_scale(cr, rect.width / 32.0, rect.height / 32.0);

    cairo_arc(cr, 16, 16, 15, 0, 2 * G_PI);
    cairo_pattern_t* shade = cairo_pattern_create_radial(12, 10, 2, 16, 16, 16);
    cairo_pattern_add_color_stop_rgb(shade, 0, 240 / 255.0, 92 / 255.0, 80 / 255.0);
    cairo_pattern_add_color_stop_rgb(shade, 0.55, 226 / 255.0, 35 / 255.0, 26 / 255.0);
    cairo_pattern_add_color_stop_rgb(shade, 1, 200 / 255.0, 28 / 255.0, 20 / 255.0);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    cairo_set_source_rgb(cr, 150 / 255.0, 18 / 255.0, 12 / 255.0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    constexpr double kArm = 6.5;
    cairo_move_to(cr, 16 - kArm, 16 - kArm);
    cairo_line_to(cr, 16 + kArm, 16 + kArm);
    cairo_move_to(cr, 16 + kArm, 16 - kArm);
    cairo_line_to(cr, 16 - kArm, 16 + kArm);
    set_source_color(cr, kWhite);
    cairo_set_line_width(cr, 3.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

int border_width(Border border)
{
    switch (border) {
    case Border::none:
        return 0;
    case Border::single_line:
    case Border::thin_sunken:
        return 1;
    case Border::raised_frame:
        return 2;
    }
    std::abort(); // not a Border
}

void draw_border(cairo_t* cr, const Rect& rect, Border border)
{
    SavedState saved(cr);
    switch (border) {
    case Border::none:
        break;
    case Border::single_line:
        draw_edge(cr, rect, kBlack, kBlack);
        break;
    case Border::thin_sunken:
        draw_edge(cr, rect, kShadow, kHighlight);
        break;
    case Border::raised_frame:
        draw_edge(cr, rect, kHighlight, kDarkShadow);
        draw_edge(cr, shrink(rect, 1), kLight, kShadow);
        break;
    }
}

void draw_push_button(cairo_t* cr, const Rect& rect, std::string_view caption, ButtonLook look)
{
    if (rect.empty())
        return;
    SavedState saved(cr);
    fill_rect(cr, rect, kFaceColor);
    if (look.pressed) {
        draw_edge(cr, rect, kDarkShadow, kDarkShadow);
        draw_edge(cr, shrink(rect, 1), kShadow, kShadow);
    } else {
        draw_edge(cr, rect, kHighlight, kDarkShadow);
        draw_edge(cr, shrink(rect, 1), kLight, kShadow);
    }

    if (!caption.empty()) {
        Rect inner = shrink(rect, kButtonEdgeWidth);
        cairo_save(cr);
        cairo_rectangle(cr, inner.x, inner.y, std::max(inner.width, 0), std::max(inner.height, 0));
        cairo_clip(cr);
        PangoLayout* layout =
            gui_text_layout(std::string(caption), rect.width - 2 * kCaptionPadding, PANGO_ALIGN_CENTER);
        PangoRectangle logical = logical_extents(layout);
        int shift = look.pressed ? 1 : 0;
        show_layout(cr, layout, rect.x + (rect.width - logical.width) / 2 + shift,
                    rect.y + (rect.height - logical.height) / 2 + shift, kBlack);
        cairo_restore(cr);
    }

    if (look.focused)
        draw_dotted_ring(cr, shrink(rect, kFocusInset), kBlack);
}

MessageBoxLayout layout_message_box(std::string_view text, MessageBoxIcon icon)
{
    MessageBoxLayout layout;
    PangoRectangle logical = logical_extents(message_layout(text));
    Size text_size{logical.width, logical.height};

    int text_x = kBoxMargin;
    int content_height = text_size.height;
    if (icon != MessageBoxIcon::none) {
        layout.icon = {kBoxMargin, kBoxMargin, kIconSize, kIconSize};
        text_x = layout.icon.right() + kIconTextGap;
        content_height = std::max(content_height, kIconSize);
    }
    // A text shorter than the icon sits level with the icon's middle.
    layout.text = {text_x, kBoxMargin + (content_height - text_size.height) / 2, text_size.width, text_size.height};

    int strip_top = kBoxMargin + content_height + kBoxMargin;
    layout.client.width =
        std::max({layout.text.right() + kBoxMargin, kOkButtonSize.width + 2 * kBoxMargin, kMinBoxClientWidth});
    layout.ok_button = {(layout.client.width - kOkButtonSize.width) / 2, strip_top + kBoxMargin, kOkButtonSize.width,
                        kOkButtonSize.height};
    layout.client.height = layout.ok_button.bottom() + kBoxMargin;
    return layout;
}

void draw_message_box(cairo_t* cr, const MessageBoxLayout& layout, std::string_view text, MessageBoxIcon icon,
                      ButtonLook ok_look)
{
    int strip_top = layout.ok_button.y - kBoxMargin;
    {
        SavedState saved(cr);
        fill_rect(cr, {0, 0, layout.client.width, strip_top}, kWhite);
        fill_rect(cr, {0, strip_top, layout.client.width, layout.client.height - strip_top}, kFaceColor);
    }
    if (icon == MessageBoxIcon::stop)
        draw_stop_icon(cr, layout.icon);
    show_layout(cr, message_layout(text), layout.text.x, layout.text.y, kBlack);
    draw_push_button(cr, layout.ok_button, kOkCaption, ok_look);
}

} // namespace toolkit
