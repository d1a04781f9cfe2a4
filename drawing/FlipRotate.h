// FlipRotate: mirroring and quarter turns of a block of cells, of a frame
// and of an area of a frame.
//
// A turned area keeps its top-left corner; where the turned shape (rows and
// columns swapped) reaches beyond the frame, that part is clipped, and the
// cells of the old area that the new one no longer covers go dark. So a
// non-square frame turned a quarter keeps the part that fits.
#ifndef LUMIGRID_DRAWING_FLIPROTATE_H
#define LUMIGRID_DRAWING_FLIPROTATE_H

#include <cstdint>

#include "drawing/CellBlock.h"
#include "pattern/document/LedPattern.h"

enum class Turn { FlipHorizontal, FlipVertical, RotateClockwise, RotateAnticlockwise };

CellBlock Turned(const CellBlock& block, Turn turn);

// The area's cells replaced by their turned copy. Returns the area the turned
// cells now cover, clipped to the frame; changed tells whether any LED did.
CellArea TurnArea(LedPattern& pattern, std::uint32_t frame, const CellArea& area, Turn turn, bool& changed);

// The whole frame. True when any LED changed.
bool TurnFrame(LedPattern& pattern, std::uint32_t frame, Turn turn);

#endif
