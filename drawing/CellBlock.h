// CellBlock: a rectangle of cells lifted out of a frame, to be moved,
// pasted, flipped or turned, and put back into a frame anywhere, also partly
// outside it (what falls outside is clipped).
#ifndef LUMIGRID_DRAWING_CELLBLOCK_H
#define LUMIGRID_DRAWING_CELLBLOCK_H

#include <cstdint>
#include <vector>

#include "drawing/CellMask.h"
#include "drawing/EditModes.h"
#include "pattern/document/LedPattern.h"

// A rectangle of cells: its top-left cell and its size.
struct CellArea {
    int left = 0;
    int top = 0;
    int columns = 0;
    int rows = 0;
    bool IsEmpty() const { return columns <= 0 || rows <= 0; }
    bool Contains(GridCell cell) const {
        return cell.column >= left && cell.column < left + columns && cell.row >= top && cell.row < top + rows;
    }
    bool operator==(const CellArea& other) const {
        return left == other.left && top == other.top && columns == other.columns && rows == other.rows;
    }
};

// The rectangle with these two opposite corners, both included.
CellArea AreaBetween(GridCell corner, GridCell opposite);
// The part of an area inside a frame of columns x rows (empty if none).
CellArea ClipArea(const CellArea& area, int columns, int rows);

class CellBlock {
public:
    CellBlock() = default;
    CellBlock(int columns, int rows);
    // The cells of the area of a frame; cells outside it read as dark.
    static CellBlock Copy(const LedPattern& pattern, std::uint32_t frame, const CellArea& area);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    bool IsEmpty() const { return columns_ == 0 || rows_ == 0; }
    bool IsLit(int column, int row) const { return lit_[Index(column, row)] != 0; }
    void SetLit(int column, int row, bool lit) { lit_[Index(column, row)] = lit ? 1 : 0; }

    // The lit cells, placed with their top-left at (left, top), as a mask of
    // a frame of columns x rows.
    CellMask LitCells(int left, int top, int frameColumns, int frameRows) const;

private:
    std::size_t Index(int column, int row) const { return static_cast<std::size_t>(row) * columns_ + column; }
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> lit_;
};

// Darkens the area's cells. True when any LED changed.
bool ClearArea(LedPattern& pattern, std::uint32_t frame, const CellArea& area);
// The block's lit cells applied with the pen mode at (left, top): its dark
// cells leave the frame as it is. True when any LED changed.
bool StampBlock(LedPattern& pattern, std::uint32_t frame, const CellBlock& block, int left, int top, EditMode mode);
// Every cell of the block, lit or dark, written at (left, top). True when
// any LED changed.
bool PutBlock(LedPattern& pattern, std::uint32_t frame, const CellBlock& block, int left, int top);

#endif
