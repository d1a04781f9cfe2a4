#include "drawing/CellMask.h"

CellMask::CellMask(int columns, int rows)
    : columns_(columns > 0 ? columns : 0),
      rows_(rows > 0 ? rows : 0),
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0) {}

void CellMask::Add(int column, int row) {
    if (!Contains(column, row)) return;
    std::uint8_t& cell = cells_[static_cast<std::size_t>(row) * columns_ + column];
    if (!cell) {
        cell = 1;
        ++count_;
    }
}

void CellMask::AddRun(int row, int first, int last) {
    if (row < 0 || row >= rows_) return;
    if (first < 0) first = 0;
    if (last >= columns_) last = columns_ - 1;
    for (int column = first; column <= last; ++column) Add(column, row);
}

bool CellMask::Has(int column, int row) const {
    return Contains(column, row) && cells_[static_cast<std::size_t>(row) * columns_ + column] != 0;
}
