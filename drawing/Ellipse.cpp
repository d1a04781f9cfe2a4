#include "drawing/Ellipse.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "drawing/Rectangle.h"

namespace {

// Corners further out than this are brought in to it, which keeps the
// algorithm's squares within 64 bits; such an ellipse is mostly outside the
// frame (255 cells at most) anyway.
const int Reach = 4096;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

struct Point {
    std::int64_t x;
    std::int64_t y;
};

// One quarter of the outline, in doubled coordinates about the centre, so
// that a rectangle of an even number of cells (a centre between two cells)
// needs no fractions: X runs over the values of the parity of a, from its
// smallest to a, Y likewise from b down.
std::vector<Point> Quarter(std::int64_t a, std::int64_t b) {
    const std::int64_t aa = a * a, bb = b * b;
    // Positive outside the ellipse, negative inside.
    auto outside = [&](std::int64_t x, std::int64_t y) { return bb * x * x + aa * y * y - aa * bb; };
    const std::int64_t lowestY = b % 2;
    std::vector<Point> points;
    std::int64_t x = a % 2, y = b;
    // Where the outline is flatter than 45 degrees: a cell for each column,
    // the row chosen by the midpoint between the two candidates.
    for (;;) {
        points.push_back({x, y});
        if (bb * x >= aa * y || x + 2 > a) break;
        x += 2;
        if (y - 2 >= lowestY && outside(x, y - 1) > 0) y -= 2;
    }
    // Steeper: a cell for each row, the column chosen the same way.
    while (y - 2 >= lowestY) {
        if (outside(x + 1, y - 2) < 0) x += 2;
        y -= 2;
        points.push_back({x, y});
    }
    // A flat ellipse can reach the middle row short of the side: run on.
    while (x + 2 <= a) {
        x += 2;
        points.push_back({x, y});
    }
    return points;
}

}  // namespace

void AddEllipse(CellMask& cells, GridCell corner, GridCell opposite, bool filled) {
    const int left = Clamp(std::min(corner.column, opposite.column), -Reach, cells.Columns() + Reach);
    const int right = Clamp(std::max(corner.column, opposite.column), -Reach, cells.Columns() + Reach);
    const int top = Clamp(std::min(corner.row, opposite.row), -Reach, cells.Rows() + Reach);
    const int bottom = Clamp(std::max(corner.row, opposite.row), -Reach, cells.Rows() + Reach);
    if (left == right || top == bottom) {
        AddRectangle(cells, {left, top}, {right, bottom}, true);
        return;
    }
    // Cell column = (left + right + X) / 2, exact since X has the parity of
    // right - left; rows likewise.
    const std::int64_t sumX = static_cast<std::int64_t>(left) + right, sumY = static_cast<std::int64_t>(top) + bottom;
    for (const Point& p : Quarter(right - left, bottom - top)) {
        const int west = static_cast<int>((sumX - p.x) / 2), east = static_cast<int>((sumX + p.x) / 2);
        const int north = static_cast<int>((sumY - p.y) / 2), south = static_cast<int>((sumY + p.y) / 2);
        if (filled) {
            // The quarter's last point on a row is its widest: filling to
            // each point covers the inside row by row.
            cells.AddRun(north, west, east);
            cells.AddRun(south, west, east);
        } else {
            cells.Add(west, north);
            cells.Add(east, north);
            cells.Add(west, south);
            cells.Add(east, south);
        }
    }
}
