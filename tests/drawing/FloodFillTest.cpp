#include "drawing/FloodFill.h"

#include <gtest/gtest.h>

#include "drawing/EditModes.h"
#include "tests/support/CellPictures.h"

namespace {

TEST(FloodFillTest, ASpiralIsFollowedToItsEndThroughSidesOnly) {
    LedPattern pattern;
    MakePattern(pattern, {"#######",
                          "......#",
                          "#####.#",
                          "#...#.#",
                          "#.###.#",
                          "#.....#",
                          "#######"});
    const CellMask region = FillRegion(pattern, 0, {0, 1});
    EXPECT_EQ((Picture{".......",
                       "######.",
                       ".....#.",
                       ".###.#.",
                       ".#...#.",
                       ".#####.",
                       "......."}),
              PictureOf(region));
    // The lit walls are one region too, and Xor turns the dark path lit.
    EXPECT_EQ(49u - region.Count(), FillRegion(pattern, 0, {6, 6}).Count());
    ASSERT_TRUE(ApplyEditMode(pattern, 0, region, EditXor));
    EXPECT_EQ(Picture(7, "#######"), PictureOf(pattern));
}

TEST(FloodFillTest, AWholeLargeFrameAndCellsOutsideTheFrame) {
    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(2);
    EXPECT_EQ(255u * 255u, FillRegion(pattern, 1, {254, 254}).Count());
    pattern.SetPixel(1, 3, 3);
    EXPECT_EQ(1u, FillRegion(pattern, 1, {3, 3}).Count()) << "a lit cell alone in a dark frame";
    EXPECT_TRUE(FillRegion(pattern, 1, {255, 0}).IsEmpty());
    EXPECT_TRUE(FillRegion(pattern, 1, {-1, 0}).IsEmpty());
    EXPECT_TRUE(FillRegion(pattern, 2, {0, 0}).IsEmpty());
}

}  // namespace
