#include "effects/Scroll.h"

namespace {

bool Horizontal(Effect effect) { return effect == Effect::ScrollLeft || effect == Effect::ScrollRight; }

// The direction the content moves in: -1 towards the left or the top.
int Motion(Effect effect) { return effect == Effect::ScrollLeft || effect == Effect::ScrollUp ? -1 : 1; }

}  // namespace

bool IsScroll(Effect effect) {
    return effect == Effect::ScrollLeft || effect == Effect::ScrollRight || effect == Effect::ScrollUp ||
           effect == Effect::ScrollDown;
}

unsigned ScrollFrameCount(Effect effect, unsigned columns, unsigned rows, unsigned step) {
    return StepsOver(Horizontal(effect) ? columns : rows, step);
}

bool ScrollShows(const TransitionFrame& frame, unsigned x, unsigned y, unsigned* sourceX, unsigned* sourceY) {
    const Transition& transition = frame.transition;
    const bool horizontal = Horizontal(transition.effect);
    const std::int64_t size = horizontal ? transition.columns : transition.rows;
    const std::int64_t reach = static_cast<std::int64_t>(frame.Reach());
    // Coming in, the content still lies behind its place, against the
    // motion; going out, it has moved on along it.
    const std::int64_t offset = frame.In() ? (size > reach ? size - reach : 0) : reach;
    const std::int64_t shift = (frame.In() ? -offset : offset) * Motion(transition.effect);
    const std::int64_t from = (horizontal ? x : y) - shift;
    if (from < 0 || from >= size) return false;
    *sourceX = horizontal ? static_cast<unsigned>(from) : x;
    *sourceY = horizontal ? y : static_cast<unsigned>(from);
    return true;
}
