#include "effects/EffectSequence.h"

#include <new>

namespace {

struct Plan {
    Transition in, out;
    std::uint64_t perFrame;
};

Plan PlanOf(const LedPattern& source, const EffectChoice& choice) {
    Plan plan{PlanTransition(choice.in, TransitionSide::In, source.columns, source.rows, choice.step, choice.seed),
              PlanTransition(choice.out, TransitionSide::Out, source.columns, source.rows, choice.step, choice.seed),
              0};
    // Without an in-transition the full frame still shows once, so that no
    // frame of the source is lost.
    const std::uint64_t inFrames = choice.in == Effect::None ? 1 : plan.in.frameCount;
    plan.perFrame = inFrames + choice.hold + plan.out.frameCount;
    return plan;
}

// LED by LED, as the transitions draw, so that the spare bits after the
// last column are clear in every frame made.
void CopyLeds(const LedPattern& source, std::uint32_t sourceFrame, LedPattern& target, std::uint32_t targetFrame) {
    for (unsigned y = 0; y < source.rows; ++y)
        for (unsigned x = 0; x < source.columns; ++x)
            if (source.GetPixel(sourceFrame, x, y)) target.SetPixel(targetFrame, x, y);
}

}  // namespace

std::uint64_t EffectFramesPerFrame(const LedPattern& source, const EffectChoice& choice) {
    if (source.columns == 0 || source.rows == 0) return 0;
    return PlanOf(source, choice).perFrame;
}

EffectSequenceResult MakeEffectSequence(const LedPattern& source, std::uint32_t first, std::uint32_t count,
                                        const EffectChoice& choice) {
    EffectSequenceResult result;
    if (count == 0 || first >= source.frameCount || count > source.frameCount - first || source.columns == 0 ||
        source.rows == 0)
        return result;
    const Plan plan = PlanOf(source, choice);
    if (!IsPlanned(plan.in) || !IsPlanned(plan.out)) {
        result.status = EffectSequenceStatus::OutOfMemory;
        return result;
    }
    // Counted before anything is drawn, so that a choice far too long costs nothing.
    result.frameCount = plan.perFrame * count;
    const std::uint64_t padded = result.frameCount + result.frameCount % 2;
    if (padded > LedPattern::MaxFrames) {
        result.status = EffectSequenceStatus::TooManyFrames;
        return result;
    }
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern());
    if (pattern) {
        pattern->Create(source.columns, source.rows);
        pattern->SetFrameCount(static_cast<std::uint32_t>(padded));
    }
    if (!pattern || pattern->frameCount != padded) {
        result.status = EffectSequenceStatus::OutOfMemory;
        return result;
    }
    pattern->header.controlCode = source.header.controlCode;
    pattern->header.wait = source.header.wait;

    std::uint32_t made = 0;
    for (std::uint32_t frame = first; frame < first + count; ++frame) {
        for (unsigned k = 1; k <= plan.in.frameCount; ++k) DrawTransitionFrame(plan.in, k, source, frame, *pattern, made++);
        const unsigned fullCopies = (choice.in == Effect::None ? 1 : 0) + choice.hold;
        for (unsigned copy = 0; copy < fullCopies; ++copy) CopyLeds(source, frame, *pattern, made++);
        for (unsigned k = 1; k <= plan.out.frameCount; ++k)
            DrawTransitionFrame(plan.out, k, source, frame, *pattern, made++);
    }
    result.status = EffectSequenceStatus::Made;
    result.pattern = std::move(pattern);
    return result;
}
