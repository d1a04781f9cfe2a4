// What the effect families share: the frame being drawn, and for each cell
// whether it shows a cell of the full frame, and which.
#ifndef LUMIGRID_EFFECTS_TRANSITIONFRAME_H
#define LUMIGRID_EFFECTS_TRANSITIONFRAME_H

#include <cstdint>

#include "effects/Effect.h"

struct TransitionFrame {
    const Transition& transition;
    unsigned k;   // 1 .. frameCount

    bool In() const { return transition.side == TransitionSide::In; }
    // How far the transition has come: k x step, without overflow.
    std::uint64_t Reach() const { return static_cast<std::uint64_t>(k) * transition.step; }
};

// Frames to cover size cells step at a time: ceil(size / step).
inline unsigned StepsOver(unsigned size, unsigned step) { return (size + step - 1) / step; }

#endif
