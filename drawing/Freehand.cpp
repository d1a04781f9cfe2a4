#include "drawing/Freehand.h"

#include "drawing/Line.h"

void FreehandStroke::Begin(int columns, int rows) {
    reached_ = CellMask(columns, rows);
    drawing_ = true;
    started_ = false;
}

bool FreehandStroke::DrawTo(LedPattern& pattern, std::uint32_t frame, GridCell cell, EditMode mode) {
    if (!drawing_ || (started_ && cell == last_)) return false;
    const GridCell from = started_ ? last_ : cell;
    ForEachLineCell(from, cell, [&](int column, int row) {
        if (!reached_.Contains(column, row) || reached_.Has(column, row)) return;
        reached_.Add(column, row);
        ApplyEditMode(pattern, frame, column, row, mode);
    });
    last_ = cell;
    started_ = true;
    return true;
}
