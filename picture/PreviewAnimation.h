// PreviewAnimation: one pass of a display program as the sign shows it
// (ProgramPlayback), drawn as lumigrid-cli render draws patterns and
// written as an animated GIF. Each picture is its planes side by side, a
// cell apart, as the editor shows them; a playback of one plane shows its
// frames one at a time. Consecutive pictures that look the same make one GIF
// frame with their delays summed.
//
// GIF delays are in hundredths of a second: a tick is rounded to the
// nearest hundredth (125 ms to 13), and every delay is a whole number of
// such ticks, so the delays add up to the program's ticks times the rounded
// tick.
#ifndef LUMIGRID_PICTURE_PREVIEWANIMATION_H
#define LUMIGRID_PICTURE_PREVIEWANIMATION_H

#include <cstdint>
#include <string>

#include "pattern/program/ProgramPlayback.h"
#include "picture/AnimatedGif.h"
#include "picture/PatternRender.h"

struct PreviewOptions {
    unsigned tickMilliseconds = 100;
    unsigned scale = 8;
    unsigned planes = 2;   // 1: plane 0 only of a playback of two planes
    unsigned plays = 0;    // 0: for ever
    RenderStyle style = DefaultRenderStyle;
};

constexpr unsigned MinTickMilliseconds = 10;
constexpr unsigned MaxTickMilliseconds = 60000;

// The hundredths of a second a tick is written as.
std::uint32_t TickHundredths(unsigned tickMilliseconds);

// What is shown, drawn: planes of it side by side, at most the playback's.
RenderStatus RenderShown(const ProgramPlayback& playback, const ShownPicture& shown, unsigned scale, unsigned planes,
                         RenderStyle style, RgbPicture* picture);

enum class PreviewGifStatus { Written, NothingShown, TooLarge, OutOfMemory, CannotWrite };

struct PreviewGifResult {
    PreviewGifStatus status = PreviewGifStatus::NothingShown;
    std::size_t gifFrames = 0;
    std::uint64_t hundredths = 0;   // all delays together
    std::string problem;            // for CannotWrite, OutOfMemory
};

PreviewGifResult WritePreviewGif(const ProgramPlayback& playback, const PreviewOptions& options, const char* path);

#endif
