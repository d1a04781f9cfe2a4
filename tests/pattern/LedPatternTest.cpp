#include "pattern/document/LedPattern.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<std::uint8_t> FrameBytes(const LedPattern& pattern, std::uint32_t frame) {
    std::vector<std::uint8_t> bytes(pattern.FrameSize(), 0xEE);
    pattern.CopyFrame(frame, bytes.data());
    return bytes;
}

LedPattern* NewPattern(std::uint8_t columns, std::uint8_t rows, std::uint32_t frames) {
    LedPattern* pattern = new LedPattern;
    pattern->Create(columns, rows);
    pattern->SetFrameCount(frames);
    return pattern;
}

TEST(LedPatternTest, CreateFillsTheHeaderImage) {
    LedPattern pattern;
    pattern.Create(16, 16);
    EXPECT_EQ(1u, pattern.frameCount);
    EXPECT_FALSE(pattern.modified);
    EXPECT_EQ(nullptr, pattern.fileName.get());
    pattern.SetFrameCount(2);

    const std::uint8_t expected[12] = {0x4C, 0x45, 0x44, 0x31, 1, 0, 2, 0, 16, 2, 16, 0};
    EXPECT_EQ(0, std::memcmp(expected, &pattern.header, sizeof expected));
    EXPECT_EQ(std::vector<std::uint8_t>(32, 0), FrameBytes(pattern, 1));
}

TEST(LedPatternTest, RowBytesRoundUp) {
    EXPECT_EQ(2, LedPattern::RowBytesFor(16));
    EXPECT_EQ(2, LedPattern::RowBytesFor(12));
    EXPECT_EQ(1, LedPattern::RowBytesFor(8));
    EXPECT_EQ(1, LedPattern::RowBytesFor(1));
    EXPECT_EQ(0, LedPattern::RowBytesFor(0));
    EXPECT_EQ(32, LedPattern::RowBytesFor(255));
}

TEST(LedPatternTest, PixelsAreAddressedMostSignificantBitLeftmost) {
    LedPattern pattern;
    pattern.Create(12, 3);
    pattern.SetFrameCount(1);
    pattern.SetPixel(0, 0, 0);
    pattern.SetPixel(0, 9, 1);
    pattern.TogglePixel(0, 11, 2);
    const std::vector<std::uint8_t> expected = {0x80, 0x00, 0x00, 0x40, 0x00, 0x10};
    EXPECT_EQ(expected, FrameBytes(pattern, 0));
    EXPECT_TRUE(pattern.GetPixel(0, 9, 1));
    EXPECT_FALSE(pattern.GetPixel(0, 8, 1));
}

TEST(LedPatternTest, ToggleTwiceRestoresTheFrameButStaysModified) {
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.TogglePixel(0, 5, 7);
    EXPECT_TRUE(pattern.GetPixel(0, 5, 7));
    pattern.TogglePixel(0, 5, 7);
    EXPECT_EQ(std::vector<std::uint8_t>(32, 0), FrameBytes(pattern, 0));
    EXPECT_TRUE(pattern.modified);
}

TEST(LedPatternTest, FramesOutOfRangeAreIgnored) {
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(2);
    pattern.modified = false;
    pattern.TogglePixel(2, 0, 0);
    pattern.SetPixel(2, 0, 0);
    pattern.InvertFrame(2);
    pattern.ClearFrame(2);
    std::vector<std::uint8_t> source(32, 0xFF);
    pattern.PasteFrame(2, source.data());
    EXPECT_FALSE(pattern.GetPixel(2, 0, 0));
    EXPECT_FALSE(pattern.modified);
    std::vector<std::uint8_t> untouched(32, 0x5A);
    pattern.CopyFrame(7, untouched.data());
    EXPECT_EQ(std::vector<std::uint8_t>(32, 0x5A), untouched);
    EXPECT_EQ(nullptr, pattern.Frame(2));
}

TEST(LedPatternTest, InvertSetsTheSpareBitsOfEachRow) {
    LedPattern pattern;
    pattern.Create(12, 2);
    pattern.InvertFrame(0);
    EXPECT_EQ(std::vector<std::uint8_t>(4, 0xFF), FrameBytes(pattern, 0));
    EXPECT_TRUE(pattern.modified);
    pattern.ClearFrame(0);
    EXPECT_EQ(std::vector<std::uint8_t>(4, 0x00), FrameBytes(pattern, 0));
}

TEST(LedPatternTest, CopyAndPasteMoveWholeFrames) {
    LedPattern pattern;
    pattern.Create(8, 2);
    pattern.SetFrameCount(2);
    pattern.SetPixel(0, 3, 1);
    pattern.modified = false;
    std::vector<std::uint8_t> clipboard = FrameBytes(pattern, 0);
    EXPECT_FALSE(pattern.modified) << "copying is not a change";
    pattern.PasteFrame(1, clipboard.data());
    EXPECT_TRUE(pattern.modified);
    EXPECT_TRUE(pattern.GetPixel(1, 3, 1));
}

TEST(LedPatternTest, FrameCountGrowsWithBlankFramesAndShrinksFromTheEnd) {
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(2);
    pattern.SetPixel(0, 1, 1);
    pattern.SetPixel(1, 2, 2);
    pattern.SetFrameCount(5);
    EXPECT_EQ(5u, pattern.frameCount);
    EXPECT_EQ(5, pattern.header.FrameCount());
    EXPECT_TRUE(pattern.GetPixel(0, 1, 1));
    EXPECT_TRUE(pattern.GetPixel(1, 2, 2));
    pattern.SetPixel(4, 0, 0);
    pattern.SetFrameCount(2);
    EXPECT_EQ(2u, pattern.frameCount);
    pattern.SetFrameCount(5);
    EXPECT_FALSE(pattern.GetPixel(4, 0, 0)) << "discarded frames come back blank";

    pattern.modified = false;
    pattern.SetFrameCount(5);
    EXPECT_TRUE(pattern.modified) << "the same count still counts as a change";
    EXPECT_EQ(5u, pattern.frameCount);

    pattern.SetFrameCount(0);
    EXPECT_EQ(0u, pattern.frameCount);
    EXPECT_EQ(0, pattern.header.FrameCount());
}

TEST(LedPatternTest, FrameCountIsClampedToTheTable) {
    LedPattern* pattern = NewPattern(16, 16, 5000);
    EXPECT_EQ(LedPattern::MaxFrames, pattern->frameCount);
    EXPECT_EQ(2048, pattern->header.FrameCount());
    pattern->SetPixel(2047, 15, 15);
    EXPECT_TRUE(pattern->GetPixel(2047, 15, 15));
    pattern->SetFrameCount(0xFFFFFFFFu);
    EXPECT_EQ(LedPattern::MaxFrames, pattern->frameCount);
    EXPECT_TRUE(pattern->GetPixel(2047, 15, 15));
    delete pattern;
}

TEST(LedPatternTest, FileNameIsAPrivateCopy) {
    LedPattern pattern;
    pattern.Create(16, 16);
    char path[] = "C:\\p\\a.led";
    pattern.SetFileName(path);
    path[0] = 'D';
    EXPECT_STREQ("C:\\p\\a.led", pattern.fileName.get());
    pattern.SetFileName(pattern.fileName.get());
    EXPECT_STREQ("C:\\p\\a.led", pattern.fileName.get());
    pattern.Release();
    EXPECT_EQ(nullptr, pattern.fileName.get());
    EXPECT_EQ(0u, pattern.frameCount);
}

TEST(LedPatternTest, EmptyPicturesAreHarmless) {
    LedPattern pattern;
    pattern.Create(0, 0);
    pattern.SetFrameCount(3);
    EXPECT_EQ(0u, pattern.FrameSize());
    pattern.InvertFrame(1);
    pattern.ClearFrame(2);
    EXPECT_EQ(3u, pattern.frameCount);
}

}  // namespace
