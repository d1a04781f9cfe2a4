#include "drawing/Rectangle.h"

#include <algorithm>
#include <cstdlib>

void AddRectangle(CellMask& cells, GridCell corner, GridCell opposite, bool filled) {
    const int left = std::min(corner.column, opposite.column), right = std::max(corner.column, opposite.column);
    const int top = std::min(corner.row, opposite.row), bottom = std::max(corner.row, opposite.row);
    // Only the rows inside the frame are visited: a corner may lie far outside.
    const int firstRow = std::max(top, 0), lastRow = std::min(bottom, cells.Rows() - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        if (filled || row == top || row == bottom) {
            cells.AddRun(row, left, right);
        } else {
            cells.Add(left, row);
            cells.Add(right, row);
        }
    }
}

GridCell SquareCorner(GridCell corner, GridCell opposite) {
    const int dx = opposite.column - corner.column, dy = opposite.row - corner.row;
    const int side = std::max(std::abs(dx), std::abs(dy));
    return {corner.column + (dx < 0 ? -side : side), corner.row + (dy < 0 ? -side : side)};
}
