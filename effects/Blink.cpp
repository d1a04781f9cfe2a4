#include "effects/Blink.h"

// In: dark, full, dark, full, ... so that it ends full; out the other way
// round, ending dark.
bool BlinkShows(const TransitionFrame& frame) { return (frame.k % 2 == 0) == frame.In(); }
