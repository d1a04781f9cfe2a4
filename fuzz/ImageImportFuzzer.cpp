// ImportImages over any bytes: never a crash or an overflow (the sanitizers
// watch), only patterns within the editor's limits, a first frame that agrees
// with a second decoding over other stack contents, and frames that come back the
// same through render at scale 1 and import. Other inputs are fitted to a
// size, with a fit, alignment and dithering chosen by the input, or imported
// as pictures of two planes. The fuzz tree decodes pictures of at most
// 64 x 64 pixels (picture/CMakeLists.txt), so that the search runs fast.
#include <cstring>
#include <memory>

#include "fuzz/FuzzScratch.h"
#include "picture/ImageCodec.h"
#include "picture/ImageImport.h"
#include "picture/PatternRender.h"

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

// Leaves other values on the stack than the import found there.
// Written in one call, through a pointer the compiler cannot see through:
// a loop of byte stores would be instrumented store by store.
void* (*const volatile FillBytes)(void*, int, std::size_t) = std::memset;

__attribute__((noinline)) void DirtyTheStack() {
    std::uint8_t area[32 * 1024];
    FillBytes(area, 0xA5, sizeof area);
}

// The first picture decoded again, over another stack, gives the same frame.
void CheckFirstFrame(const LedPattern& pattern, const ImportOptions& options, const std::uint8_t* data,
                     std::size_t size) {
    DirtyTheStack();
    bool seen = false;
    DecodeImage(data, size, 255, [&](const std::uint8_t* rgba, int width, int height) {
        FUZZ_REQUIRE(width == pattern.columns && height == pattern.rows);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* pixel = rgba + (static_cast<std::size_t>(y) * width + x) * 4;
                const bool opaque = pixel[3] >= OpaqueAlpha;
                const bool bright =
                    (299u * pixel[0] + 587u * pixel[1] + 114u * pixel[2] + 500u) / 1000u >= options.threshold;
                FUZZ_REQUIRE(pattern.GetPixel(0, x, y) == (opaque && bright != options.invert));
            }
        seen = true;
        return false;
    });
    FUZZ_REQUIRE(seen);
}

void CheckRoundTrip(const LedPattern& pattern, std::uint32_t frame) {
    RgbPicture picture;
    FUZZ_REQUIRE(RenderFrames(pattern, frame, 1, 1, 1, &picture, RenderStyle::Editor) == RenderStatus::Rendered);
    const std::vector<std::uint8_t> png = EncodePng(picture.pixels.data(), picture.width, picture.height);
    FUZZ_REQUIRE(!png.empty());
    FuzzScratch::Write(rendered, png.data(), png.size());
    ImportResult again = ImportImages({rendered}, ImportOptions());
    FUZZ_REQUIRE(again.pattern && again.pattern->frameCount == 1);
    FUZZ_REQUIRE(std::memcmp(again.pattern->Frame(0), pattern.Frame(frame), pattern.FrameSize()) == 0);
}

// Fitted to a size, with a fit, alignment and dithering chosen by the input.
void CheckFitted(const ImportOptions& options, std::size_t size) {
    ImportOptions sized = options;
    sized.columns = 1 + static_cast<int>(size % 40);
    sized.rows = 1 + static_cast<int>(size / 40 % 20);
    sized.fit = static_cast<PictureFit>(size % 4);
    sized.alignment = static_cast<Alignment>(size % 9);
    sized.dither = static_cast<Dither>(size % 3);
    ImportResult fitted = ImportImages({input}, sized);
    if (fitted.pattern) {
        CheckLimits(*fitted.pattern, sized);
        FUZZ_REQUIRE(fitted.pattern->columns == sized.columns && fitted.pattern->rows == sized.rows);
    } else {
        FUZZ_REQUIRE(fitted.problem.kind != ImportProblemKind::None);
    }
}

// Two planes: each picture cut into a pair of frames at its own size.
void CheckPaired(const ImportOptions& options) {
    ImportOptions paired = options;
    paired.planes = Planes::Two;
    ImportResult pairs = ImportImages({input}, paired);
    if (pairs.pattern) {
        CheckLimits(*pairs.pattern, paired);
        FUZZ_REQUIRE(pairs.pattern->frameCount % 2 == 0);
    } else {
        FUZZ_REQUIRE(pairs.problem.kind != ImportProblemKind::None);
    }
}

void CheckPlain(const ImportOptions& options, const std::uint8_t* data, std::size_t size) {
    ImportResult imported = ImportImages({input}, options);
    if (!imported.pattern) {
        FUZZ_REQUIRE(imported.problem.kind != ImportProblemKind::None);
        return;
    }
    const LedPattern& pattern = *imported.pattern;
    CheckLimits(pattern, options);
    CheckFirstFrame(pattern, options, data, size);
    // The last frame: the first of a single picture, the canvas after every
    // frame of an animation.
    CheckRoundTrip(pattern, pattern.frameCount - 1);
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
    // One import an input, which one by the sum of its bytes (the length
    // already picks the options), so that each runs on every kind of picture.
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum += data[i];
    switch (sum % 3) {
    case 0: CheckFitted(options, size); break;
    case 1: CheckPaired(options); break;
    default: CheckPlain(options, data, size); break;
    }
    return 0;
}
