#include "ui/text_layout_cache.h"

#include "toolkit/fonts.h"

#include <pango/pangocairo.h>

namespace ui {

bool operator==(const TextSpec& a, const TextSpec& b)
{
    return a.text == b.text && a.font.face == b.font.face && a.font.pixel_height == b.font.pixel_height
        && a.font.bold == b.font.bold && a.font.italic == b.font.italic && a.wrap_width == b.wrap_width
        && a.alignment == b.alignment && a.single_line == b.single_line;
}

void TextLayoutCache::GObjectUnref::operator()(void* object) const { g_object_unref(object); }

TextLayoutCache::TextLayoutCache() = default;

// Layouts first: they hold the context, which holds the font map.
TextLayoutCache::~TextLayoutCache()
{
    m_entries.clear();
    m_context.reset();
    m_font_map.reset();
}

PangoContext* TextLayoutCache::context()
{
    // Made on first use, after start-up has registered the face aliases.
    if (!m_context) {
        m_font_map.reset(pango_cairo_font_map_new());
        m_context.reset(pango_font_map_create_context(m_font_map.get()));
        toolkit::set_text_rendering_options(m_context.get());
    }
    return m_context.get();
}

std::unique_ptr<PangoLayout, TextLayoutCache::GObjectUnref> TextLayoutCache::make_layout(const TextSpec& options)
{
    std::unique_ptr<PangoLayout, GObjectUnref> layout(pango_layout_new(context()));
    toolkit::FontDescription description = toolkit::font_description(options.font);
    pango_layout_set_font_description(layout.get(), description.get());
    pango_layout_set_single_paragraph_mode(layout.get(), options.single_line);
    pango_layout_set_alignment(layout.get(), options.alignment);
    if (options.wrap_width >= 0) {
        pango_layout_set_width(layout.get(), options.wrap_width * PANGO_SCALE);
        pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    }
    // Lines advance by the character height, as with the design's faces,
    // whose character cell has no internal leading; the stand-in faces' taller
    // ascents and descents would otherwise push wrapped texts out of their labels.
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes,
                           pango_attr_line_height_new_absolute(pango_font_description_get_size(description.get())));
    // Lines break between characters without the hyphen Pango would add.
    pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
    // Pango breaks lines at "\r\n" as one break.
    pango_layout_set_text(layout.get(), options.text.data(), static_cast<int>(options.text.size()));
    return layout;
}

PangoLayout* TextLayoutCache::layout(cairo_t* cr, const void* owner, const TextSpec& options)
{
    // Follows the target's transformation; layouts notice a changed context
    // and lay themselves out again.
    pango_cairo_update_context(cr, context());

    Entry& entry = m_entries[owner];
    if (!entry.layout || !(entry.options == options)) {
        entry.layout = make_layout(options);
        entry.options = options;
    }
    return entry.layout.get();
}

} // namespace ui
