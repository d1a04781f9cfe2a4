// split-horizontal (from the horizontal centre line up and down) and
// split-vertical (from the vertical centre line left and right).
#ifndef LUMIGRID_EFFECTS_SPLIT_H
#define LUMIGRID_EFFECTS_SPLIT_H

#include "effects/TransitionFrame.h"

bool IsSplit(Effect effect);
unsigned SplitFrameCount(Effect effect, unsigned columns, unsigned rows, unsigned step);
bool SplitShows(const TransitionFrame& frame, unsigned x, unsigned y);

#endif
