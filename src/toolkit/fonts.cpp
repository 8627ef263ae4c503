#include "toolkit/fonts.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

namespace {

// Each face name of the design, with the faces that stand for it: the real
// Windows face first (a machine that has it uses it), then the Debian face.
// Debian has no clerical-script face, so LiSu falls back to the brush face.
struct FaceAlias {
    std::string_view design_face;
    std::vector<std::string_view> faces;
};

const std::vector<FaceAlias>& face_aliases()
{
    static const std::vector<FaceAlias> aliases{
        {"黑体", {"SimHei", "WenQuanYi Zen Hei"}},
        {"SimHei", {"SimHei", "WenQuanYi Zen Hei"}},
        {"楷体_GB2312", {"KaiTi_GB2312", "KaiTi", "AR PL UKai CN"}},
        {"KaiTi_GB2312", {"KaiTi_GB2312", "KaiTi", "AR PL UKai CN"}},
        {"KaiTi", {"KaiTi", "AR PL UKai CN"}},
        {"隶书", {"LiSu", "AR PL UKai CN"}},
        {"LiSu", {"LiSu", "AR PL UKai CN"}},
    };
    return aliases;
}

std::string face_aliases_config()
{
    std::string xml = "<?xml version=\"1.0\"?>\n"
                      "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                      "<fontconfig>\n";
    for (const FaceAlias& alias : face_aliases()) {
        xml += "  <alias binding=\"same\"><family>";
        xml += alias.design_face;
        xml += "</family><prefer>";
        for (std::string_view face : alias.faces) {
            xml += "<family>";
            xml += face;
            xml += "</family>";
        }
        xml += "</prefer></alias>\n";
    }
    xml += "</fontconfig>\n";
    return xml;
}

void load_face_aliases()
{
    // FcInit first, so that the aliases come on top of the system configuration
    // (with its synthetic bold and italic) instead of replacing it.
    if (!FcInit()) {
        std::fputs("fontconfig could not load its configuration; face names fall back to its defaults\n", stderr);
        return;
    }
    std::string xml = face_aliases_config();
    FcConfig* config = FcConfigGetCurrent();
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.c_str()), FcTrue))
        std::fputs("fontconfig rejected the face aliases; face names fall back to its defaults\n", stderr);

    // Pango's font maps match against the current configuration; dropping this
    // thread's default map makes sure none made before this point is kept.
    pango_cairo_font_map_set_default(nullptr);
}

} // namespace

void register_face_aliases()
{
    static std::once_flag once;
    std::call_once(once, load_face_aliases);
}

const Font& system_gui_font()
{
    static const Font font{"Sans", 12, false, false};
    return font;
}

FontDescription font_description(const Font& font)
{
    const Font& chosen = font.face.empty() ? system_gui_font() : font;
    int pixel_height = chosen.pixel_height > 0 ? chosen.pixel_height : system_gui_font().pixel_height;

    FontDescription description(pango_font_description_new());
    pango_font_description_set_family(description.get(), chosen.face.c_str());
    pango_font_description_set_absolute_size(description.get(), pixel_height * PANGO_SCALE);
    pango_font_description_set_weight(description.get(), chosen.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description.get(), chosen.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return description;
}

void set_text_rendering_options(PangoContext* context)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

} // namespace toolkit
