#include "pattern/program/DisplayProgramReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ProgramBytes.h"

namespace {

ProgramReadError ErrorOf(const Bytes& image, std::uint8_t columns = 5, std::uint8_t rows = 7) {
    ProgramListing listing;
    ProgramReadError error;
    EXPECT_FALSE(ReadDisplayProgram(image.data(), image.size(), columns, rows, &listing, &error));
    return error;
}

TEST(DisplayProgramReaderTest, ReadsEveryItem) {
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

}  // namespace
