// blink: dark and full frames alternating BlinkTimes times.
#ifndef LUMIGRID_EFFECTS_BLINK_H
#define LUMIGRID_EFFECTS_BLINK_H

#include "effects/TransitionFrame.h"

constexpr unsigned BlinkTimes = 3;
constexpr unsigned BlinkFrames = 2 * BlinkTimes;

bool BlinkShows(const TransitionFrame& frame);

#endif
