// Rectangle: the outline, or every cell, of the rectangle whose opposite
// corners are two cells.
#ifndef LUMIGRID_DRAWING_RECTANGLE_H
#define LUMIGRID_DRAWING_RECTANGLE_H

#include "drawing/CellMask.h"

void AddRectangle(CellMask& cells, GridCell corner, GridCell opposite, bool filled);

// The opposite corner moved so that the rectangle is a square, as large as
// the longer side, on the side of the corner the pointer is (Shift held).
GridCell SquareCorner(GridCell corner, GridCell opposite);

#endif
