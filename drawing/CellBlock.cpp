#include "drawing/CellBlock.h"

#include <algorithm>

CellArea AreaBetween(GridCell corner, GridCell opposite) {
    CellArea area;
    area.left = std::min(corner.column, opposite.column);
    area.top = std::min(corner.row, opposite.row);
    area.columns = std::max(corner.column, opposite.column) - area.left + 1;
    area.rows = std::max(corner.row, opposite.row) - area.top + 1;
    return area;
}

CellArea ClipArea(const CellArea& area, int columns, int rows) {
    CellArea clipped;
    clipped.left = std::max(area.left, 0);
    clipped.top = std::max(area.top, 0);
    clipped.columns = std::max(std::min(area.left + area.columns, columns) - clipped.left, 0);
    clipped.rows = std::max(std::min(area.top + area.rows, rows) - clipped.top, 0);
    if (clipped.IsEmpty()) return CellArea();
    return clipped;
}

CellBlock::CellBlock(int columns, int rows)
    : columns_(columns > 0 && rows > 0 ? columns : 0),
      rows_(columns > 0 && rows > 0 ? rows : 0),
      lit_(static_cast<std::size_t>(columns_) * rows_, 0) {}

CellBlock CellBlock::Copy(const LedPattern& pattern, std::uint32_t frame, const CellArea& area) {
    CellBlock block(area.columns, area.rows);
    for (int row = 0; row < block.rows_; ++row)
        for (int column = 0; column < block.columns_; ++column) {
            const int x = area.left + column, y = area.top + row;
            const bool inside = x >= 0 && x < pattern.columns && y >= 0 && y < pattern.rows;
            block.SetLit(column, row, inside && pattern.GetPixel(frame, x, y));
        }
    return block;
}

CellMask CellBlock::LitCells(int left, int top, int frameColumns, int frameRows) const {
    CellMask cells(frameColumns, frameRows);
    // Only the block's rows and columns that land inside the frame.
    const int firstRow = std::max(0, -top), lastRow = std::min(rows_, frameRows - top);
    const int firstColumn = std::max(0, -left), lastColumn = std::min(columns_, frameColumns - left);
    for (int row = firstRow; row < lastRow; ++row)
        for (int column = firstColumn; column < lastColumn; ++column)
            if (IsLit(column, row)) cells.Add(left + column, top + row);
    return cells;
}

bool ClearArea(LedPattern& pattern, std::uint32_t frame, const CellArea& area) {
    CellBlock dark(area.columns, area.rows);
    return PutBlock(pattern, frame, dark, area.left, area.top);
}

bool StampBlock(LedPattern& pattern, std::uint32_t frame, const CellBlock& block, int left, int top, EditMode mode) {
    return ApplyEditMode(pattern, frame, block.LitCells(left, top, pattern.columns, pattern.rows), mode);
}

bool PutBlock(LedPattern& pattern, std::uint32_t frame, const CellBlock& block, int left, int top) {
    if (frame >= pattern.frameCount) return false;
    const CellArea inside = ClipArea({left, top, block.Columns(), block.Rows()}, pattern.columns, pattern.rows);
    bool changed = false;
    for (int y = inside.top; y < inside.top + inside.rows; ++y)
        for (int x = inside.left; x < inside.left + inside.columns; ++x) {
            const bool lit = block.IsLit(x - left, y - top);
            if (pattern.GetPixel(frame, x, y) == lit) continue;
            pattern.TogglePixel(frame, x, y);
            changed = true;
        }
    return changed;
}
