// The design's Windows face names resolve to the installed Debian faces, in
// fontconfig itself and in the Pango font map that draws the texts.

#include "toolkit/fonts.h"

#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <string>

namespace {

bool installed(const std::string& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

std::string fontconfig_match(const std::string& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string name;
    FcChar8* matched_family = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &matched_family) == FcResultMatch)
        name = reinterpret_cast<const char*>(matched_family);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return name;
}

std::string pango_match(const toolkit::Font& font)
{
    PangoFontMap* map = pango_cairo_font_map_new();
    PangoContext* context = pango_font_map_create_context(map);
    toolkit::FontDescription description = toolkit::font_description(font);
    PangoFont* loaded = pango_context_load_font(context, description.get());
    std::string name;
    if (loaded) {
        PangoFontDescription* described = pango_font_describe(loaded);
        name = pango_font_description_get_family(described);
        pango_font_description_free(described);
        g_object_unref(loaded);
    }
    g_object_unref(context);
    g_object_unref(map);
    return name;
}

struct AliasCase {
    const char* design_face;
    const char* windows_face; // used where installed
    const char* debian_face;
};

class FaceAliasTest : public testing::TestWithParam<AliasCase> {
protected:
    void SetUp() override
    {
        toolkit::register_face_aliases();
        const AliasCase& c = GetParam();
        if (!installed(c.debian_face))
            GTEST_SKIP() << c.debian_face << " is not installed";
        expected = installed(c.windows_face) ? c.windows_face : c.debian_face;
    }

    std::string expected;
};

TEST_P(FaceAliasTest, FontconfigMatchesTheStandInFace)
{
    EXPECT_EQ(fontconfig_match(GetParam().design_face), expected);
}

TEST_P(FaceAliasTest, PangoLoadsTheStandInFaceBoldAndItalicToo)
{
    for (bool styled : {false, true}) {
        toolkit::Font font{GetParam().design_face, 14, styled, styled};
        EXPECT_EQ(pango_match(font), expected) << "styled " << styled;
    }
}

INSTANTIATE_TEST_SUITE_P(DesignFaces, FaceAliasTest,
                         testing::Values(AliasCase{"黑体", "SimHei", "WenQuanYi Zen Hei"},
                                         AliasCase{"SimHei", "SimHei", "WenQuanYi Zen Hei"},
                                         AliasCase{"楷体_GB2312", "KaiTi_GB2312", "AR PL UKai CN"},
                                         AliasCase{"KaiTi_GB2312", "KaiTi_GB2312", "AR PL UKai CN"},
                                         AliasCase{"KaiTi", "KaiTi", "AR PL UKai CN"},
                                         AliasCase{"隶书", "LiSu", "AR PL UKai CN"},
                                         AliasCase{"LiSu", "LiSu", "AR PL UKai CN"}));

TEST(FontDescriptionTest, EmptyFaceIsTheSystemGuiFontInPixels)
{
    toolkit::FontDescription description = toolkit::font_description({});
    EXPECT_STREQ(pango_font_description_get_family(description.get()), "Sans");
    EXPECT_EQ(pango_font_description_get_size(description.get()), 12 * PANGO_SCALE);
    EXPECT_TRUE(pango_font_description_get_size_is_absolute(description.get()));
    EXPECT_EQ(pango_font_description_get_weight(description.get()), PANGO_WEIGHT_NORMAL);
}

} // namespace
