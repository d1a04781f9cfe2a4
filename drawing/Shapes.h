// Shapes: the shapes drawn by a drag from one cell to another, as the editor
// previews and applies them. One function decides a shape's cells, so that
// the preview while dragging and the shape applied on release are the same.
#ifndef LUMIGRID_DRAWING_SHAPES_H
#define LUMIGRID_DRAWING_SHAPES_H

#include "drawing/CellMask.h"

enum class ShapeKind { Line, Rectangle, FilledRectangle, Ellipse, FilledEllipse };

// The cell the drag ends at, with Shift held (constrained) or not: lines at
// 0, 45 or 90 degrees, rectangles and ellipses square and round.
GridCell ShapeEnd(ShapeKind kind, GridCell start, GridCell end, bool constrained);

// The shape's cells in a frame of columns x rows, clipped at its edge.
CellMask ShapeCells(ShapeKind kind, int columns, int rows, GridCell start, GridCell end, bool constrained);

// Width and height in cells of what the drag spans (for the status bar).
struct ShapeSize {
    int columns;
    int rows;
};
ShapeSize ShapeSpan(ShapeKind kind, GridCell start, GridCell end, bool constrained);

#endif
