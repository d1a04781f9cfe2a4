#include "pattern/hex/HexImageReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"

namespace {

const std::string End = ":00000001FF\r\n";
const std::string SixteenFF = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

struct Read {
    bool ok;
    HexImage image;
    HexReadError error;
};

// Feeds the text in two pieces split at cut, so that lines cross pieces.
Read ReadText(const std::string& text, std::size_t cut = 7) {
    Read read;
    HexImageReader reader;
    if (cut > text.size()) cut = text.size();
    reader.Feed(text.data(), cut);
    reader.Feed(text.data() + cut, text.size() - cut);
    read.ok = reader.Finish(&read.image);
    read.error = reader.Error();
    return read;
}

std::vector<std::uint8_t> SeventyByteImage() {
    std::vector<std::uint8_t> bytes = {0xF0, 0x00, 0x10, 0x05};
    bytes.insert(bytes.end(), 64, 0xFF);
    bytes.insert(bytes.end(), {0x00, 0x00});
    return bytes;
}

TEST(HexImageReaderTest, TheWritersFormatsReadToTheSameImage) {
    const std::string format1 = ":10000000F0001005" + std::string(24, 'F') + "F7\r\n:10001000" + SixteenFF +
                                "F0\r\n:10002000" + SixteenFF + "E0\r\n:10003000" + SixteenFF +
                                "D0\r\n:06004000FFFFFFFF0000BE\r\n" + End;
    const std::string format2 = ":10000000F0001005" + std::string(24, 'F') + "F7\r\n:020000020001FB\r\n:10000000" +
                                SixteenFF + "00\r\n:020000020002FA\r\n:10000000" + SixteenFF +
                                "00\r\n:020000020003F9\r\n:10000000" + SixteenFF +
                                "00\r\n:020000020004F8\r\n:06000000FFFFFFFF0000FE\r\n" + End;
    for (const std::string& text : {format1, format2}) {
        Read read = ReadText(text);
        ASSERT_TRUE(read.ok) << read.error.Describe();
        EXPECT_EQ(SeventyByteImage(), read.image.bytes);
        EXPECT_FALSE(read.image.hasStartAddress);
    }
    HexFormat format;
    ASSERT_TRUE(InferHexFormat(ReadText(format1).image, &format));
    EXPECT_EQ(HexFormat::EightBit, format);
    ASSERT_TRUE(InferHexFormat(ReadText(format2).image, &format));
    EXPECT_EQ(HexFormat::SegmentAddress20, format);
}

TEST(HexImageReaderTest, LowerCaseLineFeedsAndAMissingLastLineEnd) {
    Read read = ReadText(":04000000f00000000c\n:00000001ff");
    ASSERT_TRUE(read.ok) << read.error.Describe();
    EXPECT_EQ((std::vector<std::uint8_t>{0xF0, 0x00, 0x00, 0x00}), read.image.bytes);
    EXPECT_TRUE(ReadText(":04000000F00000000C\r\n" + End + "\r\n\n").ok);
}

// What objcopy, srec_cat and python's intelhex accept: blank lines, lines
// ended by CR alone, and Ctrl+Z after the end record, as DOS tools wrote it.
TEST(HexImageReaderTest, BlankLinesCarriageReturnsAndCtrlZAreAccepted) {
    const std::vector<std::uint8_t> expected = {0xF0, 0x00, 0x00, 0x00};
    for (const std::string& text : std::vector<std::string>{
             ":04000000F00000000C\r:00000001FF\r", ":04000000F00000000C\r\n\r\n  \t\n:00000001FF\r\n",
          ":04000000F00000000C\r\n:00000001FF\r\n\x1A", ":04000000F00000000C\r\n:00000001FF\x1A",
          "\n:04000000F00000000C\n:00000001FF\n\x1A\x1A\r\n\n"}) {
        for (std::size_t cut : {1, 7, 64}) {
            Read read = ReadText(text, cut);
            ASSERT_TRUE(read.ok) << text << read.error.Describe();
            EXPECT_EQ(expected, read.image.bytes);
        }
    }
    Read numbered = ReadText(":04000000F00000000C\r\r\n:0400000000000000FF\r:00000001FF\r\n");
    EXPECT_EQ(3u, numbered.error.line) << "a CR alone ends a line, CR LF one line";
}

TEST(HexImageReaderTest, BasesPlaceDataAndStartRecordsAreReported) {
    // Segment 1 is address 16; linear base 0 changes nothing.
    Read segments = ReadText(":10000000F000111111111111111111111111111112\r\n:020000020001FB\r\n:020000000000FE\r\n"
                             ":0400000300001234B3\r\n" + End);
    ASSERT_TRUE(segments.ok) << segments.error.Describe();
    ASSERT_EQ(18u, segments.image.bytes.size());
    EXPECT_EQ(0x11, segments.image.bytes[15]);
    EXPECT_EQ(0x00, segments.image.bytes[16]);
    EXPECT_TRUE(segments.image.hasStartAddress);
    EXPECT_EQ(3, segments.image.startRecordType);
    EXPECT_EQ(0x1234u, segments.image.StartAddress());

    Read linear = ReadText(":020000040000FA\r\n:04000000F00000000C\r\n:0400000500001234B1\r\n" + End);
    ASSERT_TRUE(linear.ok);
    EXPECT_EQ(5, linear.image.startRecordType);
    HexFormat format;
    ASSERT_TRUE(InferHexFormat(linear.image, &format));
    EXPECT_EQ(HexFormat::Linear32, format);
    // A CS:IP start: 0x1000 x 16 + 0x2345.
    Read far = ReadText(":04000000F00000000C\r\n:040000031000234581\r\n" + End);
    ASSERT_TRUE(far.ok) << far.error.Describe();
    EXPECT_EQ(0x12345u, far.image.StartAddress());
}

TEST(HexImageReaderTest, EachMalformedFileNamesItsLine) {
    const std::string good = ":04000000F00000000C\r\n";
    const struct {
        std::string text;
        unsigned long line;
        const char* what;
    } cases[] = {
        {":04000000F00000000D\r\n" + End, 1, "bad checksum 0D, the record's bytes need 0C"},
        {":04000000F0000G000C\r\n" + End, 1, "'G' at column 15 is not a hex digit"},
        {good, 1, "ends without the end-of-file record"},
        {good + End + good, 3, "a record after the end-of-file record of line 2"},
        {":02000000F0000E\r\n:020003000000FB\r\n" + End, 2, "a hole: no data at 0002 .. 0002"},
        {good + ":020002000000FC\r\n" + End, 2, "overlaps the data of line 1 at 0000 .. 0003"},
        {":04001000F0000000FC\r\n" + End, 1, "does not start at address 0"},
        {good + ":00000006FA\r\n" + End, 2, "unknown record type 06"},
        {":05000000F00000000B\r\n" + End, 1, "the byte count says 5 data bytes, the line holds 4"},
        {good + "04000000F00000000C\r\n" + End, 2, "does not start with ':'"},
        {":04000000F00000000\r\n" + End, 1, "an odd number of hex digits"},
        {":10FFF80000000000000000000000000000000000F9\r\n" + End, 1, "runs past offset FFFF"},
        {good + ":03000002000102F8\r\n" + End, 2, "holds 2 data bytes, not 3"},
        {good + ":0400000300001234B3\r\n:0400000500001234B1\r\n" + End, 3, "a second start address record"},
        {good + ":" + std::string(600, '0') + "\r\n", 2, "longer than any record"},
        {good + ":04000000F0000000\r0C\r\n" + End, 2, "the byte count says 4 data bytes, the line holds 3"},
        {good + ":00000001FF\x1A\r\n" + good, 3, "a record after the end-of-file record of line 2"},
        {good + "\x1A\r\n" + End, 2, "Ctrl+Z (the DOS end of file) before the end-of-file record"},
        {":04000000F00000000C\x1A\r\n" + End, 1, "Ctrl+Z (the DOS end of file) before the end-of-file record"},
        {"", 0, "the file is empty"},
    };
    for (const auto& c : cases) {
        Read read = ReadText(c.text);
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_EQ(c.line, read.error.line) << c.text << read.error.Describe();
        EXPECT_NE(std::string::npos, read.error.what.find(c.what)) << c.text << read.error.Describe();
    }
}

TEST(HexImageReaderTest, ReadsAFileAndTellsWhichFormatsWriteTheSame) {
    ScratchDirectory scratch;
    const std::string path = scratch.File("x.hex");
    ScratchDirectory::Write(path, ":04000000F00000000C\r\n" + End);
    HexImage image;
    HexReadError error;
    ASSERT_TRUE(ReadHexFile(path.c_str(), &image, &error));
    EXPECT_TRUE(FormatWritesSameFile(image, HexFormat::EightBit, HexFormat::SixteenBit));
    EXPECT_TRUE(FormatWritesSameFile(image, HexFormat::EightBit, HexFormat::SegmentAddress20));
    EXPECT_TRUE(FormatWritesSameFile(image, HexFormat::EightBit, HexFormat::Linear32));
    image.bytes.resize(16);
    EXPECT_FALSE(FormatWritesSameFile(image, HexFormat::EightBit, HexFormat::SegmentAddress20));
    EXPECT_TRUE(FormatWritesSameFile(image, HexFormat::EightBit, HexFormat::Linear32));
    EXPECT_FALSE(ReadHexFile(scratch.File("missing.hex").c_str(), &image, &error));
    EXPECT_EQ(0u, error.line);
}

}  // namespace
