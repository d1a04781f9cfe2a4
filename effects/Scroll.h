// scroll-left, scroll-right, scroll-up, scroll-down.
#ifndef LUMIGRID_EFFECTS_SCROLL_H
#define LUMIGRID_EFFECTS_SCROLL_H

#include "effects/TransitionFrame.h"

bool IsScroll(Effect effect);
unsigned ScrollFrameCount(Effect effect, unsigned columns, unsigned rows, unsigned step);
// The cell of the full frame that cell (x, y) shows; false when it is dark
// (shifted in from outside).
bool ScrollShows(const TransitionFrame& frame, unsigned x, unsigned y, unsigned* sourceX, unsigned* sourceY);

#endif
