// wipe-left, wipe-right, wipe-up, wipe-down.
#ifndef LUMIGRID_EFFECTS_WIPE_H
#define LUMIGRID_EFFECTS_WIPE_H

#include "effects/TransitionFrame.h"

bool IsWipe(Effect effect);
unsigned WipeFrameCount(Effect effect, unsigned columns, unsigned rows, unsigned step);
// Whether cell (x, y) shows the full frame's cell there.
bool WipeShows(const TransitionFrame& frame, unsigned x, unsigned y);

#endif
