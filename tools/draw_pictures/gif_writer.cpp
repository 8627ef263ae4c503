#include "writers.hpp"

#include <gif_lib.h>

#include <stdexcept>
#include <string>

namespace pictures {
namespace {

void check(int result, const char* what) {
    if (result != GIF_OK)
        throw std::runtime_error(std::string("GIF encoder failed at ") + what);
}

} // namespace

void write_gif(const std::filesystem::path& path, const GifPicture& picture) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif)
        throw std::runtime_error("cannot open " + path.string());

    GifColorType colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {picture.palette[i].r, picture.palette[i].g, picture.palette[i].b};
    ColorMapObject* map = GifMakeMapObject(256, colours);

    EGifSetGifVersion(gif, true);
    check(EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, map), "screen descriptor");

    if (picture.looping) {
        static const GifByteType kLoopForever[3] = {1, 0, 0}; // sub-block id 1, loop count 0
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "application extension");
        check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), "application extension");
        check(EGifPutExtensionBlock(gif, 3, kLoopForever), "application extension");
        check(EGifPutExtensionTrailer(gif), "application extension");
    }

    for (const auto& frame : picture.frames) {
        if (frame.size() != static_cast<std::size_t>(picture.width) * picture.height)
            throw std::runtime_error("GIF frame of the wrong size");
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = picture.disposal;
        gcb.UserInputFlag = false;
        gcb.DelayTime = picture.delay;
        gcb.TransparentColor = picture.transparent_index;
        GifByteType gce[4];
        const std::size_t gce_size = EGifGCBToExtension(&gcb, gce);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(gce_size), gce), "control extension");
        check(EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr), "image descriptor");
        for (int y = 0; y < picture.height; ++y) {
            auto* row = const_cast<GifPixelType*>(frame.data() + static_cast<std::size_t>(y) * picture.width);
            check(EGifPutLine(gif, row, picture.width), "pixels");
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        throw std::runtime_error("cannot finish " + path.string());
}

} // namespace pictures
