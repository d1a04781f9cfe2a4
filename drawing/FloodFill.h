// FloodFill: the region a fill click reaches: the cell clicked and every cell
// joined to it through sides (not corners) by cells in the same state, all
// lit or all dark. Scanline by scanline with a stack of its own, so that a
// 255 x 255 frame takes no deep recursion.
#ifndef LUMIGRID_DRAWING_FLOODFILL_H
#define LUMIGRID_DRAWING_FLOODFILL_H

#include <cstdint>

#include "drawing/CellMask.h"
#include "pattern/document/LedPattern.h"

// Empty when the cell or the frame is outside the pattern.
CellMask FillRegion(const LedPattern& pattern, std::uint32_t frame, GridCell seed);

#endif
