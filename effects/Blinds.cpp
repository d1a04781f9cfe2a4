#include "effects/Blinds.h"

unsigned BlindsFrameCount(unsigned rows, unsigned step) { return StepsOver(rows < SlatRows ? rows : SlatRows, step); }

bool BlindsShows(const TransitionFrame& frame, unsigned, unsigned y) {
    const bool open = y % SlatRows < frame.Reach();
    return frame.In() ? open : !open;
}
