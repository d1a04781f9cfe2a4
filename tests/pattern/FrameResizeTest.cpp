#include "pattern/document/FrameResize.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<std::uint8_t> Bytes;

Bytes FrameOf(const LedPattern& pattern, std::uint32_t frame) {
    const std::uint8_t* bytes = pattern.Frame(frame);
    return bytes ? Bytes(bytes, bytes + pattern.FrameSize()) : Bytes();
}

// A 10 x 3 pattern, two frames: the corners of frame 0 lit, frame 1 all dark
// but its centre LED (5, 1).
struct TenByThree : ::testing::Test {
    LedPattern pattern;
    void SetUp() override {
        pattern.Create(10, 3);
        pattern.SetFrameCount(2);
        for (unsigned x : {0u, 9u})
            for (unsigned y : {0u, 2u}) pattern.SetPixel(0, x, y);
        pattern.SetPixel(1, 5, 1);
        pattern.header.wait = 7;
        pattern.modified = false;
    }
};

TEST_F(TenByThree, GrowingKeepsTheTopLeftCornerAndAddsDarkLeds) {
    ASSERT_TRUE(ResizeFrames(pattern, 17, 4, ResizeAnchor::TopLeft));
    EXPECT_EQ(17, pattern.columns);
    EXPECT_EQ(4, pattern.rows);
    EXPECT_EQ(3, pattern.rowBytes);
    EXPECT_EQ(3, pattern.header.rowBytes);
    EXPECT_EQ(17, pattern.header.columns);
    EXPECT_EQ(2u, pattern.frameCount);
    EXPECT_EQ(7, pattern.header.wait);
    EXPECT_TRUE(pattern.modified);
    // Rows of three bytes: 1000 0000 0100 0000 0sss ssss.
    EXPECT_EQ((Bytes{0x80, 0x40, 0x00, 0x00, 0x00, 0x00, 0x80, 0x40, 0x00, 0x00, 0x00, 0x00}), FrameOf(pattern, 0));
    EXPECT_TRUE(pattern.GetPixel(1, 5, 1));
}

TEST_F(TenByThree, EachAnchorDecidesWhereRowsAndColumnsGoOrAreCut) {
    // 3 more columns, 2 more rows around the centre: 1 left, 2 right, 1 above, 1 below.
    ASSERT_TRUE(ResizeFrames(pattern, 13, 5, ResizeAnchor::Centre));
    EXPECT_TRUE(pattern.GetPixel(0, 1, 1) && pattern.GetPixel(0, 10, 1) && pattern.GetPixel(0, 1, 3) &&
                pattern.GetPixel(0, 10, 3));
    EXPECT_TRUE(pattern.GetPixel(1, 6, 2));
    ASSERT_TRUE(ResizeFrames(pattern, 10, 3, ResizeAnchor::Centre));

    // To 4 x 2 against the bottom-right: the right and bottom edges stay.
    ASSERT_TRUE(ResizeFrames(pattern, 4, 2, ResizeAnchor::BottomRight));
    EXPECT_EQ((Bytes{0x00, 0x10}), FrameOf(pattern, 0)) << "the bottom-right corner; the others are cut off";
    EXPECT_EQ((Bytes{0x00, 0x00}), FrameOf(pattern, 1));
    ASSERT_TRUE(ResizeFrames(pattern, 1, 1, ResizeAnchor::Right));
    EXPECT_EQ((Bytes{0x00}), FrameOf(pattern, 0)) << "against the right edge's middle the top row stays, the lit one goes";
}

TEST_F(TenByThree, ImpossibleSizesChangeNothing) {
    const Bytes before = FrameOf(pattern, 0);
    EXPECT_FALSE(ResizeFrames(pattern, 0, 3, ResizeAnchor::TopLeft));
    EXPECT_FALSE(ResizeFrames(pattern, 10, 256, ResizeAnchor::TopLeft));
    EXPECT_FALSE(ResizeFrames(pattern, 10, 3, ResizeAnchor::Centre)) << "already that size";
    EXPECT_FALSE(pattern.modified);
    EXPECT_EQ(before, FrameOf(pattern, 0));
    ASSERT_TRUE(ResizeFrames(pattern, 255, 255, ResizeAnchor::BottomRight));
    EXPECT_TRUE(pattern.GetPixel(0, 254, 254));
}

}  // namespace
