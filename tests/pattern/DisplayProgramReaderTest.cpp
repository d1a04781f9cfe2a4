#include "pattern/program/DisplayProgramReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::uint8_t> Bytes;

// 5 x 7 frames are 5 bytes; all unlit is FF FF FF FF E0 (the last 5 bits pad).
const Bytes Dark = {0xFF, 0xFF, 0xFF, 0xFF, 0xE0};

Bytes Program(std::initializer_list<Bytes> pieces) {
    Bytes bytes = {0xF0, 0x00};
    for (const Bytes& piece : pieces) bytes.insert(bytes.end(), piece.begin(), piece.end());
    bytes.insert(bytes.end(), {0x00, 0x00});
    return bytes;
}

Bytes Word(std::uint8_t high, std::uint8_t low, int frames, const Bytes& frame = Dark) {
    Bytes bytes = {high, low};
    for (int i = 0; i < frames; ++i) bytes.insert(bytes.end(), frame.begin(), frame.end());
    return bytes;
}

ProgramReadError ErrorOf(const Bytes& image, std::uint8_t columns = 5, std::uint8_t rows = 7) {
    ProgramListing listing;
    ProgramReadError error;
    EXPECT_FALSE(ReadDisplayProgram(image.data(), image.size(), columns, rows, &listing, &error));
    return error;
}

TEST(DisplayProgramReaderTest, ReadsEveryItemAndGroupsThePatterns) {
    const Bytes image = Program({Word(0x10, 0x05, 2), Word(0x10, 0x05, 2), Word(0x10, 0x06, 2),
                                 Word(0x30, 0x01, 2), {0x60, 0x00}, Word(0x40, 0x03, 2), Word(0x10, 0x00, 2)});
    ProgramListing listing;
    ProgramReadError error;
    ASSERT_TRUE(ReadDisplayProgram(image.data(), image.size(), 5, 7, &listing, &error)) << error.what;
    EXPECT_EQ(5u, listing.frameBytes);
    EXPECT_EQ(12u, listing.frameCount);
    const struct {
        ProgramItemKind kind;
        std::size_t offset;
        std::uint16_t word;
        std::size_t firstFrame;
    } expected[] = {
        {ProgramItemKind::Start, 0x00, 0xF000, 0},    {ProgramItemKind::Picture, 0x02, 0x1005, 0},
        {ProgramItemKind::Picture, 0x0E, 0x1005, 2},  {ProgramItemKind::Picture, 0x1A, 0x1006, 4},
        {ProgramItemKind::ScrollBlock, 0x26, 0x3001, 6}, {ProgramItemKind::Reset, 0x32, 0x6000, 8},
        {ProgramItemKind::Picture, 0x34, 0x4003, 8},  {ProgramItemKind::Picture, 0x40, 0x1000, 10},
        {ProgramItemKind::End, 0x4C, 0x0000, 12},
    };
    ASSERT_EQ(sizeof expected / sizeof expected[0], listing.items.size());
    for (std::size_t i = 0; i < listing.items.size(); ++i) {
        EXPECT_EQ(expected[i].kind, listing.items[i].kind) << i;
        EXPECT_EQ(expected[i].offset, listing.items[i].offset) << i;
        EXPECT_EQ(expected[i].word, listing.items[i].word) << i;
        EXPECT_EQ(expected[i].firstFrame, listing.items[i].firstFrame) << i;
    }

    const std::vector<RecoveredEntry> entries = RecoverDisplayList(listing);
    const struct {
        bool reset;
        std::uint8_t controlCode, wait;
        std::size_t frames;
    } patterns[] = {{false, ControlNormal, 5, 4}, {false, ControlNormal, 6, 2}, {false, ControlScroll, 0, 2},
                    {true, 0, 0, 0},              {false, ControlOnOff, 3, 2},  {false, ControlNormal, 0, 2}};
    ASSERT_EQ(6u, entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(patterns[i].reset, entries[i].reset) << i;
        if (patterns[i].reset) continue;
        EXPECT_EQ(patterns[i].controlCode, entries[i].controlCode) << i;
        EXPECT_EQ(patterns[i].wait, entries[i].wait) << i;
        EXPECT_EQ(patterns[i].frames, entries[i].frameCount) << i;
    }
}

TEST(DisplayProgramReaderTest, FramesAreColumnsFromTheTopWithZeroLit) {
    // Bit 7 of byte 0 is column 0, row 0; bit 0 is column 1, row 0 (7 rows).
    const Bytes image = Program({Word(0x10, 0x01, 1, {0x7F, 0xFF, 0xFF, 0xFF, 0xE0}),
                                 {0xFE, 0xFF, 0xFF, 0xFF, 0xE1}});
    ProgramListing listing;
    ProgramReadError error;
    ASSERT_TRUE(ReadDisplayProgram(image.data(), image.size(), 5, 7, &listing, &error)) << error.what;
    const ProgramItem& picture = listing.items[1];
    std::unique_ptr<LedPattern> pattern = RecoverFrames(image.data(), listing, RecoverDisplayList(listing)[0], 0, 2);
    ASSERT_TRUE(pattern);
    EXPECT_EQ(2u, pattern->frameCount);
    EXPECT_EQ(ControlNormal, pattern->header.controlCode);
    EXPECT_EQ(1, pattern->header.wait);
    for (unsigned x = 0; x < 5; ++x)
        for (unsigned y = 0; y < 7; ++y) {
            EXPECT_EQ(x == 0 && y == 0, pattern->GetPixel(0, x, y)) << x << "," << y;
            EXPECT_EQ(x == 1 && y == 0, pattern->GetPixel(1, x, y)) << x << "," << y;
        }
    EXPECT_TRUE(FramePaddingIsClear(image.data(), listing, picture, 0));
    EXPECT_FALSE(FramePaddingIsClear(image.data(), listing, picture, 1));
}

TEST(DisplayProgramReaderTest, ErrorsNameTheOffset) {
    const struct {
        Bytes image;
        std::size_t offset;
        const char* what;
    } cases[] = {
        {{0xF0, 0x01, 0x00, 0x00}, 0, "begins with F001, not with the start word F000"},
        {Program({{0x70, 0x00}}), 2, "unknown command 7000"},
        {{0xF0, 0x00, 0x10, 0x05, 0xFF, 0xFF, 0xFF}, 2, "the 2 frames of 1005 need 10 bytes, the image has 3 bytes"},
        {{0xF0, 0x00, 0x00, 0x00, 0xAA}, 4, "1 byte after the end word"},
        {{0xF0, 0x00, 0x60, 0x00}, 4, "ends without the end word"},
        {{0xF0, 0x00, 0x60}, 2, "ends inside a command word"},
        {Program({Word(0x11, 0x05, 2)}), 2, "has 1 where a picture command has 0"},
        {Program({{0x60, 0x01}}), 2, "is not the reset word 6000"},
        {{}, 0, "the image is empty"},
    };
    for (const auto& c : cases) {
        ProgramReadError error = ErrorOf(c.image);
        EXPECT_EQ(c.offset, error.offset) << c.what;
        EXPECT_NE(std::string::npos, error.what.find(c.what)) << error.what;
    }
}

TEST(DisplayProgramReaderTest, OtherSizesThatReadAreFound) {
    Bytes sixteen = {0xF0, 0x00, 0x10, 0x05};
    sixteen.insert(sixteen.end(), 64, 0xFF);
    sixteen.insert(sixteen.end(), {0x00, 0x00});
    EXPECT_EQ(14u, ErrorOf(sixteen).offset);   // FFFF after the first two frames of 5 bytes
    const std::vector<FrameSizeName> sizes = CommonSizesThatRead(sixteen.data(), sixteen.size(), 5);
    ASSERT_EQ(1u, sizes.size());   // 32 x 8 has the same 32 bytes a frame and is not named again
    EXPECT_EQ(16, sizes[0].columns);
    EXPECT_EQ(16, sizes[0].rows);
    EXPECT_EQ(0u, SmallestFrameBytesThatRead(sixteen.data(), sixteen.size(), 32));
    EXPECT_EQ(32u, SmallestFrameBytesThatRead(sixteen.data(), sixteen.size(), 5));
}

TEST(DisplayProgramReaderTest, LongRunsSplitAtTheLargestPattern) {
    // 1 x 8 frames are one byte: 1025 pictures of one word.
    Bytes image = {0xF0, 0x00};
    for (int i = 0; i < 1025; ++i) image.insert(image.end(), {0x40, 0x07, 0xFF, 0xFF});
    image.insert(image.end(), {0x34, 0x00});   // a scroll block of 1024 pairs
    image.insert(image.end(), 2048, 0xFF);
    image.insert(image.end(), {0x00, 0x00});
    ProgramListing listing;
    ProgramReadError error;
    ASSERT_TRUE(ReadDisplayProgram(image.data(), image.size(), 1, 8, &listing, &error)) << error.what;
    const std::vector<RecoveredEntry> entries = RecoverDisplayList(listing);
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(LedPattern::MaxFrames, entries[0].frameCount);
    EXPECT_EQ(2u, entries[1].frameCount);
    EXPECT_EQ(ControlOnOff, entries[1].controlCode);
    EXPECT_EQ(2048u, entries[2].frameCount);
    EXPECT_EQ(ControlScroll, entries[2].controlCode);
}

}  // namespace
