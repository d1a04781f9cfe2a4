#include "editor/grid/GridLayout.h"

#include <gtest/gtest.h>

namespace {

GridLayout Lay(int columns, int rows, int planes, int width, int height, int zoomCell = 0, int scrollX = 0,
               int scrollY = 0) {
    return LayOutGrid({columns, rows, planes, {width, height}, zoomCell, {16, 16}, scrollX, scrollY});
}

TEST(GridLayoutTest, CellsAreAsLargeAsFitInEveryArrangement) {
    // 128 x 16 in a 1280 x 1024 window: one above the other beats 4-pixel
    // LEDs side by side.
    GridLayout sign = Lay(128, 16, 2, 1260, 960);
    EXPECT_EQ(PlaneArrangement::Stacked, sign.arrangement);
    EXPECT_EQ(9, sign.cell) << "(1260 - 20) / 128";
    EXPECT_EQ(PlaneGap, sign.views[1].top - sign.views[0].bottom);
    EXPECT_FALSE(sign.horizontalBar || sign.verticalBar);
    // Side by side while LEDs are 8 pixels apart there.
    GridLayout wide = Lay(64, 16, 2, 1260, 960);
    EXPECT_EQ(PlaneArrangement::SideBySide, wide.arrangement);
    EXPECT_EQ(9, wide.cell) << "(1260 - 30) / 128";
    EXPECT_EQ(wide.views[0].right + PlaneGap, wide.views[1].left);
    EXPECT_EQ(40, Lay(16, 16, 1, 940, 660).cell) << "one plane alone";

    EXPECT_EQ(LargestCell, Lay(1, 1, 2, 1000, 800).cell);
    EXPECT_EQ(3, Lay(255, 1, 2, 1000, 800).cell) << "stacked: (1000 - 20) / 255";
    EXPECT_EQ(3, Lay(1, 255, 2, 1000, 800).cell);
    EXPECT_EQ(1, Lay(255, 255, 2, 600, 400).cell);
}

TEST(GridLayoutTest, TinyWindowsGetOnePixelCellsAndScrollBars) {
    GridLayout huge = Lay(255, 255, 2, 300, 200);
    EXPECT_EQ(1, huge.cell);
    EXPECT_TRUE(huge.horizontalBar && huge.verticalBar);
    EXPECT_EQ(284, huge.visible.width);
    EXPECT_EQ(huge.content.width - 284, huge.ScrollLimitX());
    EXPECT_EQ(0, Lay(16, 16, 2, 0, 0).visible.width);
    EXPECT_FALSE(Lay(0, 0, 2, 500, 500).horizontalBar);
    // Content 1 pixel wider than the window and exactly its height: the
    // horizontal bar takes 16 pixels of height, so a vertical one follows.
    GridLayout both = Lay(10, 10, 1, 119, 120, 10);
    EXPECT_TRUE(both.horizontalBar && both.verticalBar);
    EXPECT_FALSE(Lay(10, 10, 1, 120, 120, 10).horizontalBar);
}

TEST(GridLayoutTest, ZoomStepsAndScrollingAroundThePointer) {
    EXPECT_EQ(24, ZoomedIn(20));
    EXPECT_EQ(16, ZoomedOut(20));
    EXPECT_EQ(10, ZoomedIn(9)) << "a fitted size between steps goes to the next";
    EXPECT_EQ(LargestCell, ZoomedIn(LargestCell));
    EXPECT_EQ(SmallestCell, ZoomedOut(SmallestCell));

    // 255 x 255 at 48 pixels: a 12,240-pixel square, scrolled within range.
    GridLayout zoomed = Lay(255, 255, 1, 800, 600, 48, 99999, -5);
    EXPECT_EQ(12260 + 16 - 800, zoomed.scrollX);
    EXPECT_EQ(0, zoomed.scrollY);
    // At 8 pixels the pointer at 100 is 11.25 cells into a view starting at
    // 10; at 16 pixels those are 180 pixels.
    EXPECT_EQ(10 + 180 - 100, ScrollKeeping(100, 0, 10, 8, 10, 16));
}

TEST(GridLayoutTest, CellUnderAPointAtAZoomWithAScrollOffset) {
    Box view = Lay(128, 16, 2, 600, 400, 20, 700, 30).ViewInWindow(0);
    EXPECT_EQ(GridMargin - 700, view.left);
    // Window pixel (5, 5) is content (705, 35): column 34, row 1.
    EXPECT_EQ((Cell{34, 1}), CellAt(view.left, view.top, 20, 20, 128, 16, 5, 5));
    EXPECT_EQ(NoCell, CellAt(view.left, view.top, 20, 20, 128, 16, view.right, 5));
    EXPECT_EQ(NoCell, CellAt(view.left, view.top, 20, 20, 128, 16, 5, view.top - 1));
    EXPECT_EQ((Cell{127, 15}), CellAt(view.left, view.top, 20, 20, 128, 16, view.right - 1, view.bottom - 1));

    CellRange range = VisibleCells(-95, 10, 128, 0, 50);
    EXPECT_EQ(9, range.first) << "cell 9 covers -5 .. 4";
    EXPECT_EQ(15, range.end);
    EXPECT_EQ(3, RoundLedMargins(20).before);
    EXPECT_EQ(2, RoundLedMargins(20).after);
}

}  // namespace
