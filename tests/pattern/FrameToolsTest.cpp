#include "pattern/document/FrameTools.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<std::uint8_t> Bytes;

Bytes FrameOf(const LedPattern& pattern, std::uint32_t frame) {
    const std::uint8_t* bytes = pattern.Frame(frame);
    return bytes ? Bytes(bytes, bytes + pattern.FrameSize()) : Bytes();
}

// A 12 x 3 pattern (2 row bytes, 4 spare bits a row) with its corners lit.
struct CornersPattern : ::testing::Test {
    LedPattern pattern;
    void SetUp() override {
        pattern.Create(12, 3);
        pattern.SetFrameCount(2);
        for (unsigned x : {0u, 11u})
            for (unsigned y : {0u, 2u}) pattern.SetPixel(0, x, y);
        pattern.modified = false;
    }
};

TEST_F(CornersPattern, ShiftsDropTheEdgeLedsAndBringInDarkOnes) {
    // Rows of two bytes: 1000 0000 0001 ssss, with the spare bits s last.
    ASSERT_EQ((Bytes{0x80, 0x10, 0x00, 0x00, 0x80, 0x10}), FrameOf(pattern, 0));
    ASSERT_TRUE(ShiftFrame(pattern, 0, ShiftDirection::Left));
    EXPECT_EQ((Bytes{0x00, 0x20, 0x00, 0x00, 0x00, 0x20}), FrameOf(pattern, 0));
    EXPECT_TRUE(pattern.modified);
    ASSERT_TRUE(ShiftFrame(pattern, 0, ShiftDirection::Right));
    EXPECT_EQ((Bytes{0x00, 0x10, 0x00, 0x00, 0x00, 0x10}), FrameOf(pattern, 0)) << "the left column came back dark";
    ASSERT_TRUE(ShiftFrame(pattern, 0, ShiftDirection::Up));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x00, 0x10, 0x00, 0x00}), FrameOf(pattern, 0));
    ASSERT_TRUE(ShiftFrame(pattern, 0, ShiftDirection::Down));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x10}), FrameOf(pattern, 0));
    ASSERT_TRUE(ShiftFrame(pattern, 0, ShiftDirection::Down));
    EXPECT_EQ(Bytes(6, 0), FrameOf(pattern, 0)) << "the last LED went out at the bottom";
    EXPECT_EQ(Bytes(6, 0), FrameOf(pattern, 1)) << "only the frame given moves";
    EXPECT_FALSE(ShiftFrame(pattern, 2, ShiftDirection::Up));
}

TEST_F(CornersPattern, ShiftsLeaveTheSpareBitsAlone) {
    pattern.InvertFrame(1);
    ASSERT_TRUE(ShiftFrame(pattern, 1, ShiftDirection::Right));
    EXPECT_EQ((Bytes{0x7F, 0xFF, 0x7F, 0xFF, 0x7F, 0xFF}), FrameOf(pattern, 1));
    ASSERT_TRUE(ShiftFrame(pattern, 1, ShiftDirection::Up));
    EXPECT_EQ((Bytes{0x7F, 0xFF, 0x7F, 0xFF, 0x00, 0x0F}), FrameOf(pattern, 1));
}

TEST_F(CornersPattern, InsertDuplicateAndDeleteMoveTheFramesAfter) {
    pattern.SetPixel(1, 5, 1);
    const Bytes corners = FrameOf(pattern, 0), middle = FrameOf(pattern, 1);
    ASSERT_TRUE(InsertBlankFrame(pattern, 1));
    ASSERT_EQ(3u, pattern.frameCount);
    EXPECT_EQ(3, pattern.header.FrameCount());
    EXPECT_EQ(Bytes(6, 0), FrameOf(pattern, 1));
    EXPECT_EQ(middle, FrameOf(pattern, 2));
    ASSERT_TRUE(DuplicateFrame(pattern, 0));
    EXPECT_EQ((std::vector<Bytes>{corners, corners, Bytes(6, 0), middle}),
              (std::vector<Bytes>{FrameOf(pattern, 0), FrameOf(pattern, 1), FrameOf(pattern, 2), FrameOf(pattern, 3)}));
    ASSERT_TRUE(InsertBlankFrame(pattern, 4)) << "at the end";
    EXPECT_EQ(5u, pattern.frameCount);
    ASSERT_TRUE(DeleteFrame(pattern, 2));
    EXPECT_EQ(middle, FrameOf(pattern, 2));
    EXPECT_EQ(4u, pattern.frameCount);
    EXPECT_EQ(4, pattern.header.FrameCount());
    EXPECT_FALSE(InsertBlankFrame(pattern, 6));
    EXPECT_FALSE(DuplicateFrame(pattern, 4));
    EXPECT_FALSE(DeleteFrame(pattern, 4));
}

TEST(FrameToolsTest, ReplaceFramesTakesTheSizeAndKeepsTheDocument) {
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(2);
    pattern.SetFileName("/tmp/kept.led");
    pattern.header.controlCode = ControlScroll;
    pattern.header.wait = 7;
    pattern.modified = false;
    LedPattern generated;
    generated.Create(5, 7);
    generated.SetFrameCount(3);
    generated.SetPixel(2, 4, 6);
    ReplaceFrames(pattern, generated);
    EXPECT_EQ(3u, pattern.frameCount);
    EXPECT_EQ(5, pattern.columns);
    EXPECT_EQ(7, pattern.rows);
    EXPECT_TRUE(pattern.GetPixel(2, 4, 6));
    const std::uint8_t header[12] = {0x4C, 0x45, 0x44, 0x31, 2, 7, 3, 0, 7, 1, 5, 0};
    EXPECT_EQ(Bytes(header, header + 12), Bytes(reinterpret_cast<std::uint8_t*>(&pattern.header),
                                                reinterpret_cast<std::uint8_t*>(&pattern.header) + 12));
    EXPECT_STREQ("/tmp/kept.led", pattern.fileName.get());
    EXPECT_TRUE(pattern.modified);
    EXPECT_EQ(0u, generated.frameCount);
}

}  // namespace
