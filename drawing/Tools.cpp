#include "drawing/Tools.h"

ToolGesture GestureOf(Tool tool) {
    switch (tool) {
    case Tool::Pencil: return ToolGesture::Pen;
    case Tool::Freehand: return ToolGesture::Stroke;
    case Tool::FloodFill: return ToolGesture::Fill;
    case Tool::Select: return ToolGesture::SelectArea;
    default: return ToolGesture::Shape;
    }
}

ShapeKind ShapeOf(Tool tool) {
    switch (tool) {
    case Tool::Rectangle: return ShapeKind::Rectangle;
    case Tool::FilledRectangle: return ShapeKind::FilledRectangle;
    case Tool::Ellipse: return ShapeKind::Ellipse;
    case Tool::FilledEllipse: return ShapeKind::FilledEllipse;
    default: return ShapeKind::Line;
    }
}

Tool ToolAt(int index) {
    return index >= 0 && index < ToolCount ? static_cast<Tool>(index) : Tool::Pencil;
}
