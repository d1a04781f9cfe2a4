#include "picture/PreviewAnimation.h"

#include <new>

std::uint32_t TickHundredths(unsigned tickMilliseconds) { return (tickMilliseconds + 5) / 10; }

RenderStatus RenderShown(const ProgramPlayback& playback, const ShownPicture& shown, unsigned scale, unsigned planes,
                         RenderStyle style, RgbPicture* picture) {
    const ProgramListing& listing = playback.listing;
    planes = planes == 1 || playback.planes == Planes::One ? 1 : 2;
    LedPattern pair;
    pair.Create(listing.columns, listing.rows);
    pair.SetFrameCount(planes);
    if (pair.frameCount != planes) return RenderStatus::OutOfMemory;
    for (unsigned plane = 0; plane < planes; ++plane)
        for (unsigned y = 0; y < listing.rows; ++y)
            for (unsigned x = 0; x < listing.columns; ++x)
                if (playback.Lit(shown, plane, x, y)) pair.SetPixel(plane, x, y);
    return RenderFrames(pair, 0, planes, scale, planes, picture, style);
}

PreviewGifResult WritePreviewGif(const ProgramPlayback& playback, const PreviewOptions& options, const char* path) {
    PreviewGifResult result;
    if (playback.shown.empty()) return result;
    const std::uint32_t tick = TickHundredths(options.tickMilliseconds);
    AnimatedGifWriter writer;
    RgbPicture held, next;
    std::uint64_t heldTicks = 0;
    auto fail = [&](PreviewGifStatus status, const std::string& problem) {
        result.status = status;
        result.problem = problem;
        return result;
    };
    auto flush = [&]() {
        const std::uint64_t hundredths = heldTicks * tick;
        // Longer than a delay can say: the writer repeats the picture.
        if (!writer.Add(held, hundredths > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(hundredths)))
            return false;
        ++result.gifFrames;
        result.hundredths += hundredths;
        return true;
    };
    for (std::size_t i = 0; i < playback.shown.size(); ++i) {
        const ShownPicture& shown = playback.shown[i];
        switch (RenderShown(playback, shown, options.scale, options.planes, options.style, &next)) {
        case RenderStatus::Rendered: break;
        case RenderStatus::NoPixels: return fail(PreviewGifStatus::NothingShown, "");
        case RenderStatus::TooLarge: return fail(PreviewGifStatus::TooLarge, "");
        case RenderStatus::OutOfMemory: return fail(PreviewGifStatus::OutOfMemory, "not enough memory");
        }
        if (i == 0) {
            if (!writer.Begin(path, next.width, next.height, options.plays))
                return fail(PreviewGifStatus::CannotWrite, DescribeGifWriteStatus(writer.Status()));
        } else if (next.pixels == held.pixels) {
            heldTicks += shown.ticks;
            continue;
        } else if (!flush()) {
            return fail(PreviewGifStatus::CannotWrite, DescribeGifWriteStatus(writer.Status()));
        }
        held.pixels.swap(next.pixels);
        held.width = next.width;
        held.height = next.height;
        heldTicks = shown.ticks;
    }
    if (!flush() || !writer.Finish())
        return fail(PreviewGifStatus::CannotWrite, DescribeGifWriteStatus(writer.Status()));
    result.status = PreviewGifStatus::Written;
    return result;
}
