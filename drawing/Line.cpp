#include "drawing/Line.h"

#include <cstdlib>

void AddLine(CellMask& cells, GridCell from, GridCell to) {
    ForEachLineCell(from, to, [&cells](int column, int row) { cells.Add(column, row); });
}

GridCell ConstrainLine(GridCell from, GridCell to) {
    const long dx = to.column - from.column, dy = to.row - from.row;
    const long width = std::labs(dx), height = std::labs(dy);
    // tan 22.5 degrees is 0.41421: below it the line is level, above its
    // inverse it is upright, and between them it is diagonal.
    if (height * 100000 < width * 41421) return {to.column, from.row};
    if (width * 100000 < height * 41421) return {from.column, to.row};
    const int length = static_cast<int>(width > height ? width : height);
    return {from.column + (dx < 0 ? -length : length), from.row + (dy < 0 ? -length : length)};
}
