#include "effects/Wipe.h"

namespace {

bool Horizontal(Effect effect) { return effect == Effect::WipeLeft || effect == Effect::WipeRight; }

}  // namespace

bool IsWipe(Effect effect) {
    return effect == Effect::WipeLeft || effect == Effect::WipeRight || effect == Effect::WipeUp ||
           effect == Effect::WipeDown;
}

unsigned WipeFrameCount(Effect effect, unsigned columns, unsigned rows, unsigned step) {
    return StepsOver(Horizontal(effect) ? columns : rows, step);
}

bool WipeShows(const TransitionFrame& frame, unsigned x, unsigned y) {
    const Transition& transition = frame.transition;
    // The cell's place in the order the wipe passes over them.
    unsigned place = 0;
    switch (transition.effect) {
    case Effect::WipeRight: place = x; break;
    case Effect::WipeLeft: place = transition.columns - 1 - x; break;
    case Effect::WipeDown: place = y; break;
    default: place = transition.rows - 1 - y; break;
    }
    const bool passed = place < frame.Reach();
    return frame.In() ? passed : !passed;
}
