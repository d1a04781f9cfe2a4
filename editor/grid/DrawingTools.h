// The state of the Tools menu's tools: the chosen tool, the drag under way,
// the selection and the cells copied from one. A field of EditorState.
#ifndef LUMIGRID_EDITOR_DRAWINGTOOLS_H
#define LUMIGRID_EDITOR_DRAWINGTOOLS_H

#include <cstdint>

#include "drawing/CellBlock.h"
#include "drawing/CellMask.h"
#include "drawing/Freehand.h"
#include "drawing/Selection.h"
#include "drawing/Shapes.h"
#include "drawing/Tools.h"

struct DrawingTools {
    // What the left button held down is doing.
    enum class Drag { None, Stroke, Shape, Marking, Moving };

    Tool tool = Tool::Pencil;
    Drag drag = Drag::None;
    std::uint32_t frame = 0;        // the frame the drag or the selection is on
    GridCell start = {0, 0};        // the cell pressed
    GridCell current = {0, 0};      // the cell the pointer is over now
    bool constrained = false;       // Shift held: square, round, 0/45/90 degrees
    GridCell grab = {0, 0};         // moving: the pressed cell's place in the selection
    bool clickLetGo = false;        // marking: the press let a selection go
    FreehandStroke stroke;
    Selection selection;
    // A frame edit is open from a lift or paste until the drop.
    bool floatingEdit = false;
    // Edit > Copy with a selection; pasted as a floating selection.
    CellBlock copiedCells;
    // The dash pattern's step of the selection's moving outline.
    int marchingStep = 0;

    // The cells of the shape being dragged, in a frame of that size.
    CellMask DraggedShape(int columns, int rows) const {
        return ShapeCells(ShapeOf(tool), columns, rows, start, current, constrained);
    }
};

#endif
