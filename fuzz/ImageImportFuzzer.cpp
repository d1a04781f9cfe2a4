// ImportImages over any bytes: never a crash or an overflow (the sanitizers
// watch), only patterns within the editor's limits, a first frame that agrees
// with the library's plain one-picture reading, and frames that come back the
// same through render at scale 1 and import.
#include <cstring>
#include <memory>

#include "FuzzScratch.h"
#include "ImageCodec.h"
#include "ImageImport.h"
#include "PatternRender.h"
#include "stb_image.h"

namespace {

const FuzzScratch scratch;
const std::string input = scratch.File("input.img");
const std::string rendered = scratch.File("rendered.png");

void CheckLimits(const LedPattern& pattern, const ImportOptions& options) {
    FUZZ_REQUIRE(pattern.columns >= 1 && pattern.rows >= 1);
    FUZZ_REQUIRE(pattern.frameCount >= 1 && pattern.frameCount <= LedPattern::MaxFrames);
    FUZZ_REQUIRE(pattern.header.FrameCount() == pattern.frameCount);
    FUZZ_REQUIRE(pattern.header.HasMagic());
    FUZZ_REQUIRE(pattern.header.columns == pattern.columns && pattern.header.rows == pattern.rows);
    FUZZ_REQUIRE(pattern.rowBytes == LedPattern::RowBytesFor(pattern.columns));
    FUZZ_REQUIRE(pattern.header.controlCode == options.controlCode && pattern.header.wait == options.wait);
    FUZZ_REQUIRE(pattern.header.addToList == 0);
    // No bit beyond the last column is ever set.
    const unsigned spare = pattern.rowBytes * 8u - pattern.columns;
    const std::uint8_t spareMask = static_cast<std::uint8_t>((1u << spare) - 1);
    for (std::uint32_t frame = 0; frame < pattern.frameCount; ++frame)
        for (unsigned y = 0; y < pattern.rows; ++y)
            FUZZ_REQUIRE((pattern.Frame(frame)[y * pattern.rowBytes + pattern.rowBytes - 1] & spareMask) == 0);
}

void CheckFirstFrame(const LedPattern& pattern, const ImportOptions& options, const std::uint8_t* data,
                     std::size_t size) {
    int width = 0, height = 0, components = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &components, 4), stbi_image_free);
    FUZZ_REQUIRE(pixels);
    FUZZ_REQUIRE(width == pattern.columns && height == pattern.rows);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const stbi_uc* pixel = pixels.get() + (static_cast<std::size_t>(y) * width + x) * 4;
            const bool opaque = pixel[3] >= OpaqueAlpha;
            const bool bright = (299u * pixel[0] + 587u * pixel[1] + 114u * pixel[2] + 500u) / 1000u >= options.threshold;
            FUZZ_REQUIRE(pattern.GetPixel(0, x, y) == (opaque && bright != options.invert));
        }
}

void CheckRoundTrip(const LedPattern& pattern, std::uint32_t frame) {
    RgbPicture picture;
    FUZZ_REQUIRE(RenderFrames(pattern, frame, 1, 1, 1, &picture) == RenderStatus::Rendered);
    const std::vector<std::uint8_t> png = EncodePng(picture.pixels.data(), picture.width, picture.height);
    FUZZ_REQUIRE(!png.empty());
    FuzzScratch::Write(rendered, png.data(), png.size());
    ImportResult again = ImportImages({rendered}, ImportOptions());
    FUZZ_REQUIRE(again.pattern && again.pattern->frameCount == 1);
    FUZZ_REQUIRE(std::memcmp(again.pattern->Frame(0), pattern.Frame(frame), pattern.FrameSize()) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzScratch::Write(input, data, size);
    // The options vary with the input, so the seeds stay plain pictures.
    ImportOptions options;
    options.threshold = size ? data[size - 1] : 128;
    options.invert = size % 2 != 0;
    options.controlCode = static_cast<std::uint8_t>(size % 4);
    options.wait = static_cast<std::uint8_t>(1 + size % 255);
    ImportResult imported = ImportImages({input}, options);
    if (!imported.pattern) {
        FUZZ_REQUIRE(!imported.problem.empty());
        return 0;
    }
    const LedPattern& pattern = *imported.pattern;
    CheckLimits(pattern, options);
    CheckFirstFrame(pattern, options, data, size);
    CheckRoundTrip(pattern, 0);
    CheckRoundTrip(pattern, pattern.frameCount - 1);
    return 0;
}
