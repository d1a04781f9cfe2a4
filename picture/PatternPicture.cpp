#include "picture/PatternPicture.h"

#include "pattern/files/ReplacementFile.h"
#include "picture/ImageCodec.h"

PictureFileStatus WritePatternPicture(const LedPattern& pattern, std::uint32_t first, std::uint32_t count,
                                      unsigned scale, unsigned framesPerRow, const char* path, RenderStyle style) {
    RgbPicture picture;
    switch (RenderFrames(pattern, first, count, scale, framesPerRow, &picture, style)) {
    case RenderStatus::Rendered: break;
    case RenderStatus::NoPixels: return PictureFileStatus::NoPixels;
    case RenderStatus::TooLarge: return PictureFileStatus::TooLarge;
    case RenderStatus::OutOfMemory: return PictureFileStatus::OutOfMemory;
    }
    const std::vector<std::uint8_t> png = EncodePng(picture.pixels.data(), picture.width, picture.height);
    if (png.empty()) return PictureFileStatus::OutOfMemory;
    ReplacementFile file;
    if (!file.Create(path) || !file.Write(png.data(), png.size()) || !file.Commit())
        return PictureFileStatus::CannotWrite;
    return PictureFileStatus::Written;
}
