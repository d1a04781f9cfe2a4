#include "effects/Split.h"

namespace {

bool AcrossRows(Effect effect) { return effect == Effect::SplitHorizontal; }

}  // namespace

bool IsSplit(Effect effect) { return effect == Effect::SplitHorizontal || effect == Effect::SplitVertical; }

// In, the last frame must reach the edge cells; out, the centre cells. Both
// take (size - 1) / 2 steps of step cells, plus the first.
unsigned SplitFrameCount(Effect effect, unsigned columns, unsigned rows, unsigned step) {
    const unsigned size = AcrossRows(effect) ? rows : columns;
    return size == 0 ? 0 : (size - 1) / 2 / step + 1;
}

bool SplitShows(const TransitionFrame& frame, unsigned x, unsigned y) {
    const Transition& transition = frame.transition;
    const std::int64_t size = AcrossRows(transition.effect) ? transition.rows : transition.columns;
    const std::int64_t place = AcrossRows(transition.effect) ? y : x;
    const std::int64_t reach = static_cast<std::int64_t>(frame.Reach());
    if (frame.In()) {
        // Distance from the centre line in half cells, so that an odd size's
        // middle cell is on the line.
        const std::int64_t fromCentre = 2 * place + 1 - size;
        return (fromCentre < 0 ? -fromCentre : fromCentre) < 2 * reach;
    }
    const std::int64_t fromEdge = place < size - 1 - place ? place : size - 1 - place;
    return fromEdge >= reach;
}
