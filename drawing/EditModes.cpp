#include "drawing/EditModes.h"

void ApplyEditMode(LedPattern& pattern, std::uint32_t frame, int column, int row, EditMode mode) {
    const unsigned x = static_cast<unsigned>(column), y = static_cast<unsigned>(row);
    switch (mode) {
    case EditXor:
        pattern.TogglePixel(frame, x, y);
        break;
    case EditOr:
        pattern.SetPixel(frame, x, y);
        break;
    case EditErase:
        if (pattern.GetPixel(frame, x, y)) pattern.TogglePixel(frame, x, y);
        break;
    }
}

bool ApplyEditMode(LedPattern& pattern, std::uint32_t frame, const CellMask& cells, EditMode mode) {
    if (frame >= pattern.frameCount || cells.IsEmpty()) return false;
    const int columns = cells.Columns() < pattern.columns ? cells.Columns() : pattern.columns;
    const int rows = cells.Rows() < pattern.rows ? cells.Rows() : pattern.rows;
    bool changed = false;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (!cells.Has(column, row)) continue;
            const bool before = pattern.GetPixel(frame, column, row);
            ApplyEditMode(pattern, frame, column, row, mode);
            changed = changed || pattern.GetPixel(frame, column, row) != before;
        }
    return changed;
}
