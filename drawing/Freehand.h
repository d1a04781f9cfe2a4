// Freehand: a pen stroke without gaps. The pointer jumps several cells
// between two mouse messages when it moves fast; the stroke joins each cell
// to the one before with a straight line. Every cell of a stroke is changed
// at most once, so in Xor mode a stroke that crosses itself does not toggle
// the crossing back.
#ifndef LUMIGRID_DRAWING_FREEHAND_H
#define LUMIGRID_DRAWING_FREEHAND_H

#include <cstdint>

#include "drawing/CellMask.h"
#include "drawing/EditModes.h"
#include "pattern/document/LedPattern.h"

class FreehandStroke {
public:
    // A new stroke on a frame of columns x rows, nothing drawn yet.
    void Begin(int columns, int rows);
    // Draws on to cell: the line from the stroke's last cell, or the cell
    // alone at the start. The cell may be outside the frame: the line is
    // clipped, and a stroke that leaves the frame and comes back is joined
    // across the edge. False when the cell is the stroke's last one.
    bool DrawTo(LedPattern& pattern, std::uint32_t frame, GridCell cell, EditMode mode);
    void End() { drawing_ = false; }
    bool IsDrawing() const { return drawing_; }

private:
    CellMask reached_;
    GridCell last_ = {0, 0};
    bool drawing_ = false;
    bool started_ = false;
};

#endif
