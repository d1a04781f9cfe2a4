// EffectSequence: a pattern whose pictures are those of another with effects
// around each: for every picture taken, the in-transition ending with the
// full picture (the full picture alone when the in effect is none), then
// hold more copies of it, then the out-transition ending dark. With two
// planes each of them is a whole picture, its two frames; with one plane
// the frames are taken one by one and the frame count is padded to even
// with a dark frame, as the display program carries frames in pairs. The
// header (control code, wait, size) is the source's, and there may be at
// most LedPattern::MaxFrames frames. lumigrid-cli effect and the editor's
// Effects dialog both make their frames here.
#ifndef LUMIGRID_EFFECTS_EFFECTSEQUENCE_H
#define LUMIGRID_EFFECTS_EFFECTSEQUENCE_H

#include <cstdint>
#include <memory>

#include "effects/Effect.h"
#include "pattern/document/PictureCanvas.h"

struct EffectChoice {
    Effect in = Effect::None;
    Effect out = Effect::None;
    unsigned hold = 0;
    unsigned step = 1;
    std::uint32_t seed = 0;
};

constexpr unsigned MaxEffectHold = LedPattern::MaxFrames;

enum class EffectSequenceStatus {
    Made,
    NoFrames,        // nothing to take: no picture in that range, or a pattern without LEDs
    TooManyFrames,   // frameCount says how many it would be
    OutOfMemory,
};

struct EffectSequenceResult {
    EffectSequenceStatus status = EffectSequenceStatus::NoFrames;
    std::uint64_t frameCount = 0;   // before padding to even
    std::unique_ptr<LedPattern> pattern;
};

// Pictures made for each picture taken, before padding (with one plane,
// frames for each frame).
std::uint64_t EffectFramesPerFrame(const LedPattern& source, const EffectChoice& choice,
                                   Planes planes = Planes::One);

// Takes pictures first .. first + count - 1 of the source (all in range; a
// last frame without a partner makes a picture with a dark one). One plane,
// unless planes are named, takes the frames one by one.
EffectSequenceResult MakeEffectSequence(const LedPattern& source, std::uint32_t first, std::uint32_t count,
                                        const EffectChoice& choice, Planes planes = Planes::One);

#endif
