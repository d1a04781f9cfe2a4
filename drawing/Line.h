// Line: the cells of a straight line between two cells, by Bresenham's
// algorithm, both ends included: one cell for each step along the longer
// axis, each the nearest to the ideal line.
#ifndef LUMIGRID_DRAWING_LINE_H
#define LUMIGRID_DRAWING_LINE_H

#include "drawing/CellMask.h"

// Adds the line's cells to the mask; cells beyond the frame are clipped.
void AddLine(CellMask& cells, GridCell from, GridCell to);

// Calls visit(column, row) for each cell of the line, from first to last.
template <typename Visit>
void ForEachLineCell(GridCell from, GridCell to, Visit visit) {
    const int dx = to.column > from.column ? to.column - from.column : from.column - to.column;
    const int dy = to.row > from.row ? from.row - to.row : to.row - from.row;   // never positive
    const int stepX = from.column < to.column ? 1 : -1;
    const int stepY = from.row < to.row ? 1 : -1;
    int error = dx + dy;
    int column = from.column, row = from.row;
    for (;;) {
        visit(column, row);
        if (column == to.column && row == to.row) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            column += stepX;
        }
        if (twice <= dx) {
            error += dx;
            row += stepY;
        }
    }
}

// The end of a line drawn with Shift held: the nearest direction of the
// eight at 0, 45 and 90 degrees from the start.
GridCell ConstrainLine(GridCell from, GridCell to);

#endif
