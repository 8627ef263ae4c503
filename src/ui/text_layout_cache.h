#pragma once

// Laid-out texts, kept between repaints. Each control's style object owns one
// entry, made again only when something it was laid out from changes, so an
// unchanged text is shaped once however often its control repaints. Layouts
// come from one Pango context of the cache's own, with the toolkit's one text
// rendering setup. For one thread: the GUI thread.

#include "toolkit/design.h"

#include <cairo.h>
#include <pango/pango.h>

#include <memory>
#include <string>
#include <unordered_map>

namespace ui {

// What a text is laid out from.
struct TextSpec {
    std::string text;
    toolkit::Font font;
    int wrap_width = -1; // pixels; -1 never wraps
    PangoAlignment alignment = PANGO_ALIGN_LEFT;
    bool single_line = false; // line breaks do not break

    friend bool operator==(const TextSpec& a, const TextSpec& b);
};

class TextLayoutCache {
public:
    TextLayoutCache();
    ~TextLayoutCache();
    TextLayoutCache(const TextLayoutCache&) = delete;
    TextLayoutCache& operator=(const TextLayoutCache&) = delete;

    // The layout of options for drawing on cr, kept under owner (the style object
    // the text belongs to). Valid until the next call for the same owner.
    PangoLayout* layout(cairo_t* cr, const void* owner, const TextSpec& options);

private:
    struct GObjectUnref {
        void operator()(void* object) const;
    };
    struct Entry {
        TextSpec options;
        std::unique_ptr<PangoLayout, GObjectUnref> layout;
    };

    PangoContext* context();
    std::unique_ptr<PangoLayout, GObjectUnref> make_layout(const TextSpec& options);

    std::unique_ptr<PangoFontMap, GObjectUnref> m_font_map;
    std::unique_ptr<PangoContext, GObjectUnref> m_context;
    std::unordered_map<const void*, Entry> m_entries;
};

} // namespace ui
