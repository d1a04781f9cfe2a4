// dissolve: the cells appear or go dark in an order shuffled by a seed, a
// sixteenth of them a frame.
#ifndef LUMIGRID_EFFECTS_DISSOLVE_H
#define LUMIGRID_EFFECTS_DISSOLVE_H

#include <vector>

#include "effects/TransitionFrame.h"

constexpr unsigned DissolveFrames = 16;

// Each of count cells' place in an order that depends on the seed alone, on
// every platform. False when out of memory.
bool ShuffledOrder(std::uint32_t count, std::uint32_t seed, std::vector<std::uint32_t>* order);
bool DissolveShows(const TransitionFrame& frame, unsigned x, unsigned y);

#endif
