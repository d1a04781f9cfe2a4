#include "drawing/Shapes.h"

#include <cstdlib>

#include "drawing/Ellipse.h"
#include "drawing/Line.h"
#include "drawing/Rectangle.h"

GridCell ShapeEnd(ShapeKind kind, GridCell start, GridCell end, bool constrained) {
    if (!constrained) return end;
    return kind == ShapeKind::Line ? ConstrainLine(start, end) : SquareCorner(start, end);
}

CellMask ShapeCells(ShapeKind kind, int columns, int rows, GridCell start, GridCell end, bool constrained) {
    CellMask cells(columns, rows);
    end = ShapeEnd(kind, start, end, constrained);
    switch (kind) {
    case ShapeKind::Line:
        AddLine(cells, start, end);
        break;
    case ShapeKind::Rectangle:
    case ShapeKind::FilledRectangle:
        AddRectangle(cells, start, end, kind == ShapeKind::FilledRectangle);
        break;
    case ShapeKind::Ellipse:
    case ShapeKind::FilledEllipse:
        AddEllipse(cells, start, end, kind == ShapeKind::FilledEllipse);
        break;
    }
    return cells;
}

ShapeSize ShapeSpan(ShapeKind kind, GridCell start, GridCell end, bool constrained) {
    end = ShapeEnd(kind, start, end, constrained);
    return {std::abs(end.column - start.column) + 1, std::abs(end.row - start.row) + 1};
}
