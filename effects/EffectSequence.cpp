#include "effects/EffectSequence.h"

#include <new>

namespace {

struct Plan {
    Transition in, out;
    std::uint64_t perPicture;
};

Plan PlanOf(const LedPattern& source, const EffectChoice& choice, Planes planes) {
    const unsigned width = source.columns * PlaneCount(planes);
    Plan plan{PlanTransition(choice.in, TransitionSide::In, width, source.rows, choice.step, choice.seed),
              PlanTransition(choice.out, TransitionSide::Out, width, source.rows, choice.step, choice.seed), 0};
    // Without an in-transition the full picture still shows once, so that no
    // picture of the source is lost.
    const std::uint64_t inPictures = choice.in == Effect::None ? 1 : plan.in.frameCount;
    plan.perPicture = inPictures + choice.hold + plan.out.frameCount;
    return plan;
}

// The transition's pictures of the full one, from picture made on.
void Bake(const Transition& transition, const PictureCanvas& full, Planes planes, LedPattern& pattern,
          std::uint32_t* made) {
    for (unsigned k = 1; k <= transition.frameCount; ++k) {
        PictureCanvas drawn(full.Width(), full.Height());
        DrawTransitionPicture(transition, k, full, drawn);
        SetPicture(pattern, (*made)++, drawn, planes);
    }
}

}  // namespace

std::uint64_t EffectFramesPerFrame(const LedPattern& source, const EffectChoice& choice, Planes planes) {
    if (source.columns == 0 || source.rows == 0) return 0;
    return PlanOf(source, choice, planes).perPicture;
}

EffectSequenceResult MakeEffectSequence(const LedPattern& source, std::uint32_t first, std::uint32_t count,
                                        const EffectChoice& choice, Planes planes) {
    EffectSequenceResult result;
    const std::uint32_t pictures = PictureCount(source.frameCount, planes);
    if (count == 0 || first >= pictures || count > pictures - first || source.columns == 0 || source.rows == 0)
        return result;
    const Plan plan = PlanOf(source, choice, planes);
    if (!IsPlanned(plan.in) || !IsPlanned(plan.out)) {
        result.status = EffectSequenceStatus::OutOfMemory;
        return result;
    }
    // Counted before anything is drawn, so that a choice far too long costs
    // nothing. Whole pictures of two planes are even already.
    result.frameCount = plan.perPicture * count * PlaneCount(planes);
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
    for (std::uint32_t picture = first; picture < first + count; ++picture) {
        const PictureCanvas full = PictureOf(source, picture, planes);
        Bake(plan.in, full, planes, *pattern, &made);
        const unsigned fullCopies = (choice.in == Effect::None ? 1 : 0) + choice.hold;
        for (unsigned copy = 0; copy < fullCopies; ++copy) SetPicture(*pattern, made++, full, planes);
        Bake(plan.out, full, planes, *pattern, &made);
    }
    result.status = EffectSequenceStatus::Made;
    result.pattern = std::move(pattern);
    return result;
}
