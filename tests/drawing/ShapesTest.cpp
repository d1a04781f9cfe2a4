#include "drawing/Shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "drawing/EditModes.h"
#include "drawing/Freehand.h"
#include "tests/support/CellPictures.h"

namespace {

TEST(LineTest, EveryOctantHasOneCellPerStepNearestTheIdealLine) {
    const GridCell centre = {10, 10};
    const GridCell ends[] = {{17, 13}, {13, 17}, {7, 17}, {3, 13}, {3, 7}, {7, 3}, {13, 3}, {17, 7}, {17, 10}, {10, 3}};
    for (GridCell end : ends) {
        const CellMask cells = ShapeCells(ShapeKind::Line, 21, 21, centre, end, false);
        const int dx = end.column - centre.column, dy = end.row - centre.row;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        EXPECT_EQ(static_cast<std::size_t>(steps + 1), cells.Count()) << end.column << "," << end.row;
        EXPECT_TRUE(cells.Has(centre.column, centre.row) && cells.Has(end.column, end.row));
        for (int i = 0; i <= steps; ++i) {
            // The cell on each step is the one nearest the line (no ties here).
            const double x = centre.column + static_cast<double>(dx) * i / steps;
            const double y = centre.row + static_cast<double>(dy) * i / steps;
            EXPECT_TRUE(cells.Has(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))))
                << "step " << i << " towards " << end.column << "," << end.row;
        }
    }
}

TEST(LineTest, ASingleCellAClippedLineAndShiftDirections) {
    EXPECT_EQ(1u, ShapeCells(ShapeKind::Line, 4, 4, {2, 1}, {2, 1}, false).Count());
    EXPECT_EQ((Picture{"....", "....", "##..", "..##"}), PictureOf(ShapeCells(ShapeKind::Line, 4, 4, {-4, 1}, {3, 3}, false)));
    EXPECT_EQ((GridCell{9, 0}), ShapeEnd(ShapeKind::Line, {0, 0}, {9, 3}, true));
    EXPECT_EQ((GridCell{0, -9}), ShapeEnd(ShapeKind::Line, {0, 0}, {3, -9}, true));
    EXPECT_EQ((GridCell{-7, 7}), ShapeEnd(ShapeKind::Line, {0, 0}, {-5, 7}, true));
}

TEST(RectangleTest, OutlineFilledOneRowAndClippedAtTheEdge) {
    EXPECT_EQ((Picture{"......", ".####.", ".#..#.", ".####.", "......"}),
              PictureOf(ShapeCells(ShapeKind::Rectangle, 6, 5, {4, 3}, {1, 1}, false)));
    EXPECT_EQ((Picture{"....", "###.", "###.", "...."}), PictureOf(ShapeCells(ShapeKind::FilledRectangle, 4, 4, {0, 1}, {2, 2}, false)));
    EXPECT_EQ((Picture{"....", ".###", "...."}), PictureOf(ShapeCells(ShapeKind::Rectangle, 4, 3, {1, 1}, {3, 1}, false)));
    EXPECT_EQ((Picture{"..#.", "..#.", "###."}), PictureOf(ShapeCells(ShapeKind::Rectangle, 4, 3, {-3, -3}, {2, 2}, false)));
    const ShapeSize square = ShapeSpan(ShapeKind::Rectangle, {5, 5}, {2, 4}, true);
    EXPECT_EQ(4, square.columns) << "Shift makes a square";
    EXPECT_EQ(4, square.rows);
}

TEST(EllipseTest, SmallCirclesAndDegenerateEllipses) {
    EXPECT_EQ((Picture{".###.", "#...#", "#...#", "#...#", ".###."}),
              PictureOf(ShapeCells(ShapeKind::Ellipse, 5, 5, {0, 0}, {4, 4}, false)));
    EXPECT_EQ((Picture{".##.", "#..#", "#..#", ".##."}), PictureOf(ShapeCells(ShapeKind::Ellipse, 4, 4, {3, 3}, {0, 0}, false)));
    EXPECT_EQ((Picture{".###.", "#####", ".###."}), PictureOf(ShapeCells(ShapeKind::FilledEllipse, 5, 3, {0, 0}, {4, 2}, false)));
    EXPECT_EQ((Picture{"...", ".#.", "..."}), PictureOf(ShapeCells(ShapeKind::Ellipse, 3, 3, {1, 1}, {1, 1}, false)));
    EXPECT_EQ((Picture{"....", "###.", "...."}), PictureOf(ShapeCells(ShapeKind::Ellipse, 4, 3, {0, 1}, {2, 1}, false)));
}

// The cells reached from the first one through sides and corners.
std::size_t CornerConnected(const CellMask& cells) {
    CellMask reached(cells.Columns(), cells.Rows());
    std::vector<GridCell> pending;
    for (int y = 0; y < cells.Rows() && pending.empty(); ++y)
        for (int x = 0; x < cells.Columns() && pending.empty(); ++x)
            if (cells.Has(x, y)) pending.push_back({x, y});
    while (!pending.empty()) {
        const GridCell cell = pending.back();
        pending.pop_back();
        if (!cells.Has(cell.column, cell.row) || reached.Has(cell.column, cell.row)) continue;
        reached.Add(cell.column, cell.row);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) pending.push_back({cell.column + dx, cell.row + dy});
    }
    return reached.Count();
}

// Every size up to 24 x 24: the outline touches the four sides, is mirrored
// about both axes, has no gap, and the filled one is its inside.
TEST(EllipseTest, OutlinesOfEverySizeAreClosedSymmetricAndInscribed) {
    for (int w = 1; w <= 24; ++w)
        for (int h = 1; h <= 24; ++h) {
            const CellMask outline = ShapeCells(ShapeKind::Ellipse, w, h, {0, 0}, {w - 1, h - 1}, false);
            const CellMask filled = ShapeCells(ShapeKind::FilledEllipse, w, h, {0, 0}, {w - 1, h - 1}, false);
            bool top = false, bottom = false, left = false, right = false;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    if (!outline.Has(x, y)) continue;
                    top |= y == 0, bottom |= y == h - 1, left |= x == 0, right |= x == w - 1;
                    ASSERT_TRUE(outline.Has(w - 1 - x, y) && outline.Has(x, h - 1 - y)) << w << "x" << h;
                    ASSERT_TRUE(filled.Has(x, y)) << w << "x" << h;
                }
            ASSERT_TRUE(top && bottom && left && right) << w << "x" << h;
            ASSERT_EQ(outline.Count(), CornerConnected(outline)) << "a gap in " << w << "x" << h;
            for (int y = 0; y < h; ++y) {
                // Each row of the filled ellipse is one run from its outline's
                // leftmost cell to its rightmost.
                int first = w, last = -1;
                for (int x = 0; x < w; ++x)
                    if (outline.Has(x, y)) first = std::min(first, x), last = std::max(last, x);
                for (int x = 0; x < w; ++x) ASSERT_EQ(x >= first && x <= last, filled.Has(x, y)) << w << "x" << h;
            }
        }
}

TEST(EditModeTest, OrEraseAndXorChangeEachCellOfAShapeOnce) {
    LedPattern pattern;
    MakePattern(pattern, {"#...", "##..", "...."});
    const CellMask box = ShapeCells(ShapeKind::Rectangle, 4, 3, {0, 0}, {2, 2}, false);
    ASSERT_TRUE(ApplyEditMode(pattern, 0, box, EditXor));
    EXPECT_EQ((Picture{".##.", ".##.", "###."}), PictureOf(pattern)) << "the corners are toggled once";
    EXPECT_TRUE(pattern.modified);
    ASSERT_TRUE(ApplyEditMode(pattern, 0, box, EditOr));
    EXPECT_EQ((Picture{"###.", "###.", "###."}), PictureOf(pattern));
    EXPECT_FALSE(ApplyEditMode(pattern, 0, box, EditOr)) << "nothing left to light";
    ASSERT_TRUE(ApplyEditMode(pattern, 0, box, EditErase));
    EXPECT_EQ((Picture{"....", ".#..", "...."}), PictureOf(pattern));
    pattern.modified = false;
    EXPECT_FALSE(ApplyEditMode(pattern, 0, box, EditErase));
    EXPECT_FALSE(pattern.modified) << "erasing dark LEDs is no change";
    EXPECT_FALSE(ApplyEditMode(pattern, 1, box, EditXor)) << "no such frame";
}

TEST(FreehandTest, AFastStrokeIsJoinedAndTogglesEachCellOnce) {
    LedPattern pattern;
    pattern.Create(32, 3);
    FreehandStroke stroke;
    stroke.Begin(32, 3);
    // Two mouse positions 31 LEDs apart, then back over the same row.
    EXPECT_TRUE(stroke.DrawTo(pattern, 0, {0, 1}, EditXor));
    EXPECT_TRUE(stroke.DrawTo(pattern, 0, {31, 1}, EditXor));
    EXPECT_FALSE(stroke.DrawTo(pattern, 0, {31, 1}, EditXor));
    EXPECT_TRUE(stroke.DrawTo(pattern, 0, {10, 1}, EditXor));
    EXPECT_EQ(std::string(32, '#'), PictureOf(pattern)[1]);
    // Out across the top edge and back in: joined across the edge.
    pattern.ClearFrame(0);
    stroke.Begin(32, 3);
    stroke.DrawTo(pattern, 0, {0, 2}, EditXor);
    stroke.DrawTo(pattern, 0, {2, -2}, EditXor);
    stroke.DrawTo(pattern, 0, {4, 2}, EditXor);
    EXPECT_EQ((Picture{".#.#.", ".#..#", "#...#"}),
              (Picture{PictureOf(pattern)[0].substr(0, 5), PictureOf(pattern)[1].substr(0, 5), PictureOf(pattern)[2].substr(0, 5)}));
    stroke.End();
    EXPECT_FALSE(stroke.DrawTo(pattern, 0, {20, 2}, EditXor)) << "no stroke after the release";
}

}  // namespace
