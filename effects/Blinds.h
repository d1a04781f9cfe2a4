// blinds: horizontal slats of SlatRows rows, opened or closed row by row.
#ifndef LUMIGRID_EFFECTS_BLINDS_H
#define LUMIGRID_EFFECTS_BLINDS_H

#include "effects/TransitionFrame.h"

constexpr unsigned SlatRows = 4;

unsigned BlindsFrameCount(unsigned rows, unsigned step);
bool BlindsShows(const TransitionFrame& frame, unsigned x, unsigned y);

#endif
