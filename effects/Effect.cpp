#include "effects/Effect.h"

#include <cstring>

#include "effects/Blinds.h"
#include "effects/Blink.h"
#include "effects/Dissolve.h"
#include "effects/Scroll.h"
#include "effects/Split.h"
#include "effects/Wipe.h"

const EffectName EffectNames[] = {
    {Effect::None, "none"},
    {Effect::ScrollLeft, "scroll-left"},
    {Effect::ScrollRight, "scroll-right"},
    {Effect::ScrollUp, "scroll-up"},
    {Effect::ScrollDown, "scroll-down"},
    {Effect::WipeLeft, "wipe-left"},
    {Effect::WipeRight, "wipe-right"},
    {Effect::WipeUp, "wipe-up"},
    {Effect::WipeDown, "wipe-down"},
    {Effect::Blinds, "blinds"},
    {Effect::SplitHorizontal, "split-horizontal"},
    {Effect::SplitVertical, "split-vertical"},
    {Effect::Dissolve, "dissolve"},
    {Effect::Blink, "blink"},
};
const std::size_t EffectNameCount = sizeof EffectNames / sizeof EffectNames[0];

const char* NameOfEffect(Effect effect) {
    for (const EffectName& entry : EffectNames)
        if (entry.effect == effect) return entry.name;
    return "none";
}

bool EffectNamed(const char* name, Effect* effect) {
    for (const EffectName& entry : EffectNames)
        if (std::strcmp(entry.name, name) == 0) {
            *effect = entry.effect;
            return true;
        }
    return false;
}

Transition PlanTransition(Effect effect, TransitionSide side, unsigned columns, unsigned rows, unsigned step,
                          std::uint32_t seed) {
    Transition transition;
    transition.effect = effect;
    transition.side = side;
    transition.columns = columns;
    transition.rows = rows;
    transition.step = step == 0 ? 1 : step;
    if (effect == Effect::None || columns == 0 || rows == 0) return transition;
    if (IsScroll(effect)) transition.frameCount = ScrollFrameCount(effect, columns, rows, transition.step);
    else if (IsWipe(effect)) transition.frameCount = WipeFrameCount(effect, columns, rows, transition.step);
    else if (IsSplit(effect)) transition.frameCount = SplitFrameCount(effect, columns, rows, transition.step);
    else if (effect == Effect::Blinds) transition.frameCount = BlindsFrameCount(rows, transition.step);
    else if (effect == Effect::Blink) transition.frameCount = BlinkFrames;
    else if (effect == Effect::Dissolve && ShuffledOrder(columns * rows, seed, &transition.cellOrder))
        transition.frameCount = DissolveFrames;
    return transition;
}

bool IsPlanned(const Transition& transition) {
    return transition.effect != Effect::Dissolve || transition.columns == 0 || transition.rows == 0 ||
           !transition.cellOrder.empty();
}

void DrawTransitionPicture(const Transition& transition, unsigned k, const PictureCanvas& full, PictureCanvas& target) {
    if (k < 1 || k > transition.frameCount) return;
    const TransitionFrame frame{transition, k};
    const Effect effect = transition.effect;
    for (unsigned y = 0; y < transition.rows; ++y)
        for (unsigned x = 0; x < transition.columns; ++x) {
            unsigned fromX = x, fromY = y;
            bool shows;
            if (IsScroll(effect)) shows = ScrollShows(frame, x, y, &fromX, &fromY);
            else if (IsWipe(effect)) shows = WipeShows(frame, x, y);
            else if (IsSplit(effect)) shows = SplitShows(frame, x, y);
            else if (effect == Effect::Blinds) shows = BlindsShows(frame, x, y);
            else if (effect == Effect::Dissolve) shows = DissolveShows(frame, x, y);
            else shows = BlinkShows(frame);
            if (shows && full.Get(fromX, fromY)) target.Set(x, y, true);
        }
}

void DrawTransitionFrame(const Transition& transition, unsigned k, const LedPattern& source,
                         std::uint32_t sourceFrame, LedPattern& target, std::uint32_t targetFrame) {
    if (k < 1 || k > transition.frameCount) return;
    PictureCanvas drawn(target.columns, target.rows);
    DrawTransitionPicture(transition, k, PictureOf(source, sourceFrame, Planes::One), drawn);
    SetPicture(target, targetFrame, drawn, Planes::One);
}
