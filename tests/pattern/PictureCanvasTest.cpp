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

namespace {

// 5 x 2 frames, frame k told apart by k + 1 lit LEDs in the row.
void Count(LedPattern& counted, std::uint32_t frames, unsigned row = 1) {
    counted.Create(5, 2);
    counted.SetFrameCount(frames);
    for (std::uint32_t frame = 0; frame < frames; ++frame)
        for (unsigned x = 0; x <= frame; ++x) counted.SetPixel(frame, x, row);
}

TEST_F(ThreeFrames, APictureGivesWayToOtherFramesAndTheOthersStay) {
    LedPattern made, original, two, last, one;
    Count(made, 5, 0);
    Count(original, 3);
    // Picture 0 of two planes, frames 0 and 1, by the first four made: frame 2 follows them.
    Count(two, 3);
    EXPECT_EQ(5u, FramesAfterReplacing(two, 0, 4, Planes::Two));
    ASSERT_TRUE(ReplacePicture(two, 0, made, 4, Planes::Two));
    ASSERT_EQ(5u, two.frameCount);
    for (std::uint32_t frame = 0; frame < 4; ++frame) EXPECT_EQ(FrameOf(made, frame), FrameOf(two, frame));
    EXPECT_EQ(FrameOf(original, 2), FrameOf(two, 4));
    // The last picture of two planes has one frame of its own: it alone goes.
    Count(last, 3);
    ASSERT_TRUE(ReplacePicture(last, 1, made, 2, Planes::Two));
    ASSERT_EQ(4u, last.frameCount);
    EXPECT_EQ(FrameOf(original, 1), FrameOf(last, 1));
    EXPECT_EQ(FrameOf(made, 1), FrameOf(last, 3));
    // One plane: frame 1 alone, the frames around it stay.
    Count(one, 3);
    ASSERT_TRUE(ReplacePicture(one, 1, made, 3, Planes::One));
    ASSERT_EQ(5u, one.frameCount);
    EXPECT_EQ(FrameOf(original, 0), FrameOf(one, 0));
    EXPECT_EQ(FrameOf(made, 2), FrameOf(one, 3));
    EXPECT_EQ(FrameOf(original, 2), FrameOf(one, 4));
}

TEST_F(ThreeFrames, APictureIsNotReplacedPastTheLimitOrFromNothing) {
    LedPattern full, target, otherSize;
    full.Create(5, 2);
    full.SetFrameCount(LedPattern::MaxFrames);
    Count(target, 3);
    EXPECT_EQ(2050u, FramesAfterReplacing(target, 0, LedPattern::MaxFrames, Planes::One)) << "3 - 1 + 2048";
    EXPECT_FALSE(ReplacePicture(target, 0, full, LedPattern::MaxFrames, Planes::One));
    EXPECT_FALSE(ReplacePicture(target, 2, full, 2, Planes::Two)) << "no picture 2 in three frames";
    EXPECT_FALSE(ReplacePicture(target, 0, full, 0, Planes::Two));
    otherSize.Create(9, 2);
    otherSize.SetFrameCount(2);
    EXPECT_FALSE(ReplacePicture(target, 0, otherSize, 2, Planes::Two));
    ASSERT_EQ(3u, target.frameCount);
    for (std::uint32_t frame = 0; frame < 3; ++frame) EXPECT_TRUE(target.GetPixel(frame, frame, 1));
    EXPECT_FALSE(target.GetPixel(0, 1, 1));
}

}  // namespace
