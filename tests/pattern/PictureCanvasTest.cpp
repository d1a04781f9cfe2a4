#include "pattern/document/PictureCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<std::uint8_t> Bytes;

Bytes FrameOf(const LedPattern& pattern, std::uint32_t frame) {
    const std::uint8_t* bytes = pattern.Frame(frame);
    return bytes ? Bytes(bytes, bytes + pattern.FrameSize()) : Bytes();
}

Bytes RowsOf(const PictureCanvas& canvas) {
    Bytes rows;
    for (unsigned y = 0; y < canvas.Height(); ++y) rows.insert(rows.end(), canvas.Row(y), canvas.Row(y) + canvas.RowBytes());
    return rows;
}

// Three frames of 5 x 2: each frame's LED (frame, frame % 2) lit, so every
// plane is told apart; the third frame has no partner.
struct ThreeFrames : ::testing::Test {
    LedPattern pattern;
    void SetUp() override {
        pattern.Create(5, 2);
        pattern.SetFrameCount(3);
        for (unsigned frame = 0; frame < 3; ++frame) pattern.SetPixel(frame, frame, frame % 2);
    }
};

TEST_F(ThreeFrames, TwoPlanesSitSideBySideAndTheLastPictureHasADarkPartner) {
    EXPECT_EQ(2u, PictureCount(3, Planes::Two));
    EXPECT_EQ(3u, PictureCount(3, Planes::One));
    PictureCanvas first = PictureOf(pattern, 0, Planes::Two);
    ASSERT_EQ(10u, first.Width());
    ASSERT_EQ(2u, first.Height());
    // Row 0: frame 0's (0,0); row 1: frame 1's (1,1) at column 5 + 1.
    EXPECT_EQ((Bytes{0x80, 0x00, 0x02, 0x00}), RowsOf(first));
    PictureCanvas last = PictureOf(pattern, 1, Planes::Two);
    EXPECT_EQ((Bytes{0x20, 0x00, 0x00, 0x00}), RowsOf(last)) << "frame 2 on the left, dark on the right";
    PictureCanvas one = PictureOf(pattern, 1, Planes::One);
    ASSERT_EQ(5u, one.Width());
    EXPECT_EQ((Bytes{0x00, 0x40}), RowsOf(one)) << "one plane: the frame itself";
}

TEST_F(ThreeFrames, ACanvasSplitsBackIntoItsFramesWithTheSpareBitsDark) {
    PictureCanvas canvas(10, 2);
    canvas.Set(4, 0, true);   // plane 0's last column
    canvas.Set(5, 1, true);   // plane 1's first column
    canvas.Set(9, 0, true);
    canvas.Set(10, 0, true);  // outside: ignored
    pattern.InvertFrame(0);   // the spare bits of frame 0 set, to see them cleared
    SetPicture(pattern, 0, canvas, Planes::Two);
    EXPECT_EQ((Bytes{0x08, 0x00}), FrameOf(pattern, 0));
    EXPECT_EQ((Bytes{0x08, 0x80}), FrameOf(pattern, 1));
    EXPECT_EQ(canvas, PictureOf(pattern, 0, Planes::Two)) << "the round trip";
    SetPicture(pattern, 1, canvas, Planes::Two);
    EXPECT_EQ((Bytes{0x08, 0x00}), FrameOf(pattern, 2)) << "the partner past the last frame is dropped";
    EXPECT_EQ(3u, pattern.frameCount);
}

TEST(PictureCanvas, ANarrowCanvasLeavesTheRestDarkAndAWideOneIsCut) {
    LedPattern pattern;
    pattern.Create(16, 1);
    pattern.SetFrameCount(2);
    PictureCanvas narrow(9, 1);
    for (unsigned x = 0; x < 9; ++x) narrow.Set(x, 0, true);
    SetPicture(pattern, 0, narrow, Planes::Two);
    EXPECT_EQ((Bytes{0xFF, 0x80}), FrameOf(pattern, 0));
    EXPECT_EQ((Bytes{0x00, 0x00}), FrameOf(pattern, 1));
    PictureCanvas wide(40, 3);
    for (unsigned x = 0; x < 40; ++x) wide.Set(x, 0, x % 2 == 0);
    SetPicture(pattern, 0, wide, Planes::Two);
    EXPECT_EQ((Bytes{0xAA, 0xAA}), FrameOf(pattern, 0));
    EXPECT_EQ((Bytes{0xAA, 0xAA}), FrameOf(pattern, 1));
    EXPECT_EQ(9u, FrameWidthFor(17, Planes::Two)) << "an odd width gets a dark column";
    EXPECT_EQ(17u, FrameWidthFor(17, Planes::One));
}

TEST(PictureCanvas, PictureCountsBeyondTheFrameLimitAreRefused) {
    LedPattern pattern;
    pattern.Create(8, 8);
    EXPECT_TRUE(SetPictureCount(pattern, 1024, Planes::Two));
    EXPECT_EQ(2048u, pattern.frameCount);
    EXPECT_FALSE(SetPictureCount(pattern, 1025, Planes::Two));
    EXPECT_FALSE(SetPictureCount(pattern, 0, Planes::One));
    EXPECT_EQ(2048u, pattern.frameCount) << "a refused count changes nothing";
    EXPECT_TRUE(SetPictureCount(pattern, 3, Planes::One));
    EXPECT_EQ(3u, pattern.frameCount);
}

}  // namespace
