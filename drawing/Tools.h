// Tools: the drawing tools of the Tools menu, in the menu's order, and what
// each does with the pointer. The pencil, the tool at start-up, is the pen
// that changes one cell for each mouse message.
#ifndef LUMIGRID_DRAWING_TOOLS_H
#define LUMIGRID_DRAWING_TOOLS_H

#include "drawing/Shapes.h"

enum class Tool { Pencil, Freehand, Line, Rectangle, FilledRectangle, Ellipse, FilledEllipse, FloodFill, Select };
const int ToolCount = 9;

// What a press, a drag and a release do.
enum class ToolGesture {
    Pen,         // the pencil: each cell the pointer enters
    Stroke,      // freehand: joined cells, each at most once
    Shape,       // press, drag, release: a previewed shape
    Fill,        // a click fills the region
    SelectArea,  // drag a rectangle, or move the selection
};

ToolGesture GestureOf(Tool tool);
// The shape a Shape tool draws (Line for any other tool).
ShapeKind ShapeOf(Tool tool);
// The tool of a position in the menu's order, the pencil for any other.
Tool ToolAt(int index);

#endif
