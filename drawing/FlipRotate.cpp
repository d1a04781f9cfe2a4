#include "drawing/FlipRotate.h"

CellBlock Turned(const CellBlock& block, Turn turn) {
    const int columns = block.Columns(), rows = block.Rows();
    const bool quarter = turn == Turn::RotateClockwise || turn == Turn::RotateAnticlockwise;
    CellBlock turned(quarter ? rows : columns, quarter ? columns : rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            int x = column, y = row;
            switch (turn) {
            case Turn::FlipHorizontal:
                x = columns - 1 - column;
                break;
            case Turn::FlipVertical:
                y = rows - 1 - row;
                break;
            case Turn::RotateClockwise:   // the left column becomes the top row
                x = rows - 1 - row;
                y = column;
                break;
            case Turn::RotateAnticlockwise:   // the top row becomes the left column
                x = row;
                y = columns - 1 - column;
                break;
            }
            turned.SetLit(x, y, block.IsLit(column, row));
        }
    return turned;
}

CellArea TurnArea(LedPattern& pattern, std::uint32_t frame, const CellArea& area, Turn turn, bool& changed) {
    changed = false;
    const CellArea inside = ClipArea(area, pattern.columns, pattern.rows);
    if (frame >= pattern.frameCount || inside.IsEmpty()) return CellArea();
    const CellBlock turned = Turned(CellBlock::Copy(pattern, frame, inside), turn);
    // The result over both areas at once, so that each LED changes at most
    // once: cells of neither area as they are, the old area dark, then the
    // turned cells over it.
    const CellArea both = {inside.left, inside.top, inside.columns > turned.Columns() ? inside.columns : turned.Columns(),
                           inside.rows > turned.Rows() ? inside.rows : turned.Rows()};
    CellBlock result = CellBlock::Copy(pattern, frame, both);
    for (int row = 0; row < both.rows; ++row)
        for (int column = 0; column < both.columns; ++column) {
            if (column < turned.Columns() && row < turned.Rows())
                result.SetLit(column, row, turned.IsLit(column, row));
            else if (column < inside.columns && row < inside.rows)
                result.SetLit(column, row, false);
        }
    changed = PutBlock(pattern, frame, result, both.left, both.top);
    return ClipArea({inside.left, inside.top, turned.Columns(), turned.Rows()}, pattern.columns, pattern.rows);
}

bool TurnFrame(LedPattern& pattern, std::uint32_t frame, Turn turn) {
    bool changed = false;
    TurnArea(pattern, frame, {0, 0, pattern.columns, pattern.rows}, turn, changed);
    return changed;
}
