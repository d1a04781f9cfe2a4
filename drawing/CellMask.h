// CellMask: the set of cells of one frame that a drawing tool acts on.
//
// Shapes are gathered into a mask before anything is drawn, so that a cell
// that a shape reaches twice (the corners of a rectangle, the ends of an
// ellipse's quarters) is still changed only once: in Xor mode a second
// toggle would put it back. Cells outside the frame are not kept, which is
// how every shape is clipped at the frame's edge.
#ifndef LUMIGRID_DRAWING_CELLMASK_H
#define LUMIGRID_DRAWING_CELLMASK_H

#include <cstddef>
#include <cstdint>
#include <vector>

// A cell of a frame: column from the left, row from the top. Tools also
// pass cells outside the frame (a drag that ends beyond its edge).
struct GridCell {
    int column;
    int row;
    bool operator==(const GridCell& other) const { return column == other.column && row == other.row; }
    bool operator!=(const GridCell& other) const { return !(*this == other); }
};

class CellMask {
public:
    CellMask() : columns_(0), rows_(0) {}
    CellMask(int columns, int rows);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    bool Contains(int column, int row) const { return column >= 0 && column < columns_ && row >= 0 && row < rows_; }

    // Adds a cell; one outside the frame is dropped.
    void Add(int column, int row);
    // Adds the cells first .. last of a row, clipped.
    void AddRun(int row, int first, int last);
    bool Has(int column, int row) const;
    std::size_t Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }

private:
    int columns_;
    int rows_;
    std::size_t count_ = 0;
    std::vector<std::uint8_t> cells_;
};

#endif
