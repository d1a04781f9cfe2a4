// EffectSequence: a pattern whose frames are those of another with effects
// around each: for every frame taken, the in-transition ending with the full
// frame (the full frame alone when the in effect is none), then hold more
// copies of the full frame, then the out-transition ending dark. The header
// (control code, wait, size) is the source's; the frame count is padded to
// even with a dark frame, as the display program carries frames in pairs,
// and may not exceed LedPattern::MaxFrames. lumigrid-cli effect and the
// editor's Effects dialog both make their frames here.
#ifndef LUMIGRID_EFFECTS_EFFECTSEQUENCE_H
#define LUMIGRID_EFFECTS_EFFECTSEQUENCE_H

#include <cstdint>
#include <memory>

#include "effects/Effect.h"

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
    NoFrames,        // nothing to take: no frame in that range, or a pattern without LEDs
    TooManyFrames,   // frameCount says how many it would be
    OutOfMemory,
};

struct EffectSequenceResult {
    EffectSequenceStatus status = EffectSequenceStatus::NoFrames;
    std::uint64_t frameCount = 0;   // before padding to even
    std::unique_ptr<LedPattern> pattern;
};

// Frames made for each frame taken, before padding.
std::uint64_t EffectFramesPerFrame(const LedPattern& source, const EffectChoice& choice);

// Takes frames first .. first + count - 1 of the source (all in range).
EffectSequenceResult MakeEffectSequence(const LedPattern& source, std::uint32_t first, std::uint32_t count,
                                        const EffectChoice& choice);

#endif
