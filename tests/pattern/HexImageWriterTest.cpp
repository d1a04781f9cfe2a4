#include "pattern/hex/HexImageWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/DirectoryListing.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/IntelHexReader.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const std::string EndRecord = ":00000001FF\r\n";
const std::string SixteenFF = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

// The 70-byte image: F0 00 10 05, 64 bytes FF, 00 00.
void PushSeventyByteImage(HexImageWriter& writer) {
    writer.Push(0x10, 8);
    writer.Push(0x05, 8);
    for (int i = 0; i < 64; ++i) writer.Push(0xFF, 8);
}

class HexImageWriterTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string path = scratch.File("out.hex");

    std::string Written() { return ScratchDirectory::ReadText(path); }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        std::string text = Written();
        for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }
    // Pushes filler bytes so that the image, with F0 00 and 00 00, has total bytes.
    void PushImageOf(HexImageWriter& writer, std::size_t total, std::uint8_t filler = 0x5A) {
        std::vector<std::uint8_t> bytes(total - 4, filler);
        writer.PushBytes(bytes.data(), bytes.size());
    }
};

TEST_F(HexImageWriterTest, AnEmptyProgramIsTwoLines) {
    for (HexFormat format : {HexFormat::EightBit, HexFormat::SixteenBit}) {
        HexImageWriter writer;
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(format)));
        EXPECT_TRUE(writer.Close());
        EXPECT_EQ(":04000000F00000000C\r\n" + EndRecord, Written());
    }
}

TEST_F(HexImageWriterTest, AResetIsOneRecord) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
    writer.Push(0x60, 8);
    writer.Push(0x00, 8);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":06000000F00060000000AA\r\n" + EndRecord, Written());
}

TEST_F(HexImageWriterTest, SixteenBitImageOfSeventyBytes) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SixteenBit)));
    PushSeventyByteImage(writer);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":10000000F0001005FFFFFFFFFFFFFFFFFFFFFFFFF7\r\n"
              ":10001000" + SixteenFF + "F0\r\n"
              ":10002000" + SixteenFF + "E0\r\n"
              ":10003000" + SixteenFF + "D0\r\n"
              ":06004000FFFFFFFF0000BE\r\n" + EndRecord,
              Written());
}

TEST_F(HexImageWriterTest, TwentyBitImageOfSeventyBytesHasASegmentPerRecord) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SegmentAddress20)));
    PushSeventyByteImage(writer);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":10000000F0001005FFFFFFFFFFFFFFFFFFFFFFFFF7\r\n"
              ":020000020001FB\r\n"
              ":10000000" + SixteenFF + "00\r\n"
              ":020000020002FA\r\n"
              ":10000000" + SixteenFF + "00\r\n"
              ":020000020003F9\r\n"
              ":10000000" + SixteenFF + "00\r\n"
              ":020000020004F8\r\n"
              ":06000000FFFFFFFF0000FE\r\n" + EndRecord,
              Written());
}

TEST_F(HexImageWriterTest, ThirtyTwoBitImageOpensANewBankEvery64KiB) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
    PushImageOf(writer, 65538);
    ASSERT_TRUE(writer.Close());
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(4096u + 3, lines.size());
    EXPECT_EQ(":10000000F0005A5A5A5A5A5A5A5A5A5A5A5A5A5A14", lines[0]);
    EXPECT_EQ(":10FFF0005A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A61", lines[4095]);
    EXPECT_EQ(":020000040001F9", lines[4096]);
    EXPECT_EQ(":020000000000FE", lines[4097]);
    EXPECT_EQ(":00000001FF", lines[4098]);
}

TEST_F(HexImageWriterTest, AnImageFillingWholeRecordsEndsWithAnEmptyRecord) {
    {
        HexImageWriter writer;
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
        PushImageOf(writer, 16, 0x11);
        ASSERT_TRUE(writer.Close());
        EXPECT_EQ(":10000000F0001111111111111111111111110000" "34\r\n"
                  ":00001000F0\r\n" + EndRecord,
                  Written());
    }
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SegmentAddress20)));
    PushImageOf(writer, 16, 0x11);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":10000000F0001111111111111111111111110000" "34\r\n"
              ":020000020001FB\r\n"
              ":0000000000\r\n" + EndRecord,
              Written());
}

TEST_F(HexImageWriterTest, StartAddressesUseTheStandardRecordOfTheirFormat) {
    struct Case {
        HexFormat format;
        std::uint32_t address;
        const char* firstLine;
    } cases[] = {
        {HexFormat::SegmentAddress20, 4660, ":0400000300001234B3"},
        {HexFormat::SegmentAddress20, 0xFFFFF, ":04000003F000FFFF0B"},
        {HexFormat::SegmentAddress20, 0x12345, ":040000031000234581"},
        {HexFormat::Linear32, 4660, ":0400000500001234B1"},
        {HexFormat::Linear32, 0x12345678, ":0400000512345678E3"},
    };
    for (const Case& c : cases) {
        HexImageWriter writer;
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(c.format, c.address)));
        ASSERT_TRUE(writer.Close());
        EXPECT_EQ(std::string(c.firstLine) + "\r\n:04000000F00000000C\r\n" + EndRecord, Written()) << c.address;
    }
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32, 0)));
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":04000000F00000000C\r\n" + EndRecord, Written());
}

TEST_F(HexImageWriterTest, OptionsAFormatCannotTakeAreRefused) {
    HexImageWriter writer;
    EXPECT_FALSE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SixteenBit, 5)));
    EXPECT_EQ(HexExportError::InvalidOptions, writer.Error());
    EXPECT_FALSE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SegmentAddress20, 0x100000)));
    EXPECT_FALSE(writer.Open(path.c_str(), HexOptions{0x1234, 0, 1}));
    EXPECT_FALSE(writer.Open(path.c_str(), HexOptions{0xFFFFF, 0, 1}));
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_FALSE(ScratchDirectory::Exists(path));

    EXPECT_EQ(StartAddressCheck::Accepted, CheckStartAddress(HexFormat::SegmentAddress20, 1048575));
    EXPECT_EQ(StartAddressCheck::TooLarge, CheckStartAddress(HexFormat::SegmentAddress20, 1048576));
    EXPECT_EQ(StartAddressCheck::Accepted, CheckStartAddress(HexFormat::Linear32, 0xFFFFFFFF));
    EXPECT_EQ(StartAddressCheck::NotForThisFormat, CheckStartAddress(HexFormat::EightBit, 1));
    EXPECT_EQ(StartAddressCheck::Accepted, CheckStartAddress(HexFormat::EightBit, 0));
}

TEST_F(HexImageWriterTest, FormatsHaveTheirLimitsAndWrapDistances) {
    HexOptions twenty = HexOptions::ForFormat(HexFormat::SegmentAddress20, 7);
    EXPECT_EQ(0xFFFFFu, twenty.addressLimit);
    EXPECT_EQ(16u, twenty.wrapDistance);
    EXPECT_EQ(7u, twenty.startAddress);
    EXPECT_EQ(65536u, HexOptions::ForFormat(HexFormat::Linear32).wrapDistance);
    EXPECT_EQ(0xFFu, HexOptions::ForFormat(HexFormat::EightBit).addressLimit);
    EXPECT_EQ(1u, HexOptions::ForFormat(HexFormat::SixteenBit).wrapDistance);
    EXPECT_STREQ("16bit + SBA (20bit)", HexFormatNames[2]);
}

TEST_F(HexImageWriterTest, NibblesAreUppercaseDigits) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
    for (unsigned nibble = 10; nibble < 16; ++nibble) writer.Push(nibble, 4);
    writer.Push(0x5, 3);   // not a width: ignored
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":07000000F000ABCDEF0000A2\r\n" + EndRecord, Written());
}

// Whole records are written sixteen bytes at once, the rest byte by byte:
// every byte value, in images that end at every place in a record, reads
// back with uppercase digits and sound checksums in every format.
TEST_F(HexImageWriterTest, EveryByteValueReadsBackWholeRecordsAndTails) {
    std::vector<std::uint8_t> values(256);
    for (unsigned i = 0; i < values.size(); ++i) values[i] = static_cast<std::uint8_t>(i * 167 + 13);
    for (HexFormat format : {HexFormat::SixteenBit, HexFormat::Linear32}) {
        for (std::size_t length : {std::size_t(16), std::size_t(255), std::size_t(256)}) {
            HexImageWriter writer;
            ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(format)));
            writer.PushBytes(values.data(), length);
            ASSERT_TRUE(writer.Close());
            const IntelHexImage image = ReadIntelHex(Written());
            ASSERT_EQ("", image.problem) << length;
            std::vector<std::uint8_t> expected = {0xF0, 0x00};
            expected.insert(expected.end(), values.begin(), values.begin() + length);
            expected.insert(expected.end(), {0x00, 0x00});
            EXPECT_EQ(expected, image.bytes) << length;
        }
    }
}

TEST_F(HexImageWriterTest, BytesPushedInPiecesGiveTheLinesOfBytePushes) {
    std::vector<std::uint8_t> values(200000);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
    // Programs across banks, segments and buffer loads; data images from a
    // load address off a record's start.
    for (HexFormat format : {HexFormat::SixteenBit, HexFormat::SegmentAddress20, HexFormat::Linear32})
        for (std::uint32_t load : {0u, 0x1u, 0xFFF7u}) {
            const std::size_t length = format != HexFormat::SixteenBit ? values.size() : load ? 0x10000 - load : 0xFFFB;
            const auto write = [&](bool inPieces) {
                HexImageWriter writer;
                const HexOptions options = HexOptions::ForFormat(format);
                EXPECT_TRUE(load ? writer.OpenData(path.c_str(), options, load) : writer.Open(path.c_str(), options));
                if (!inPieces)
                    for (std::size_t at = 0; at < length; ++at) writer.Push(values[at], 8);
                // Pieces of 1, 8, 57, 400, 2801 ... bytes.
                for (std::size_t at = 0, piece = 1; inPieces && at < length; at += piece, piece = piece * 7 % 4099 + 1)
                    writer.PushBytes(values.data() + at, std::min(piece, length - at));
                EXPECT_TRUE(writer.Close());
                return Written();
            };
            const std::string byBytes = write(false);
            EXPECT_EQ(byBytes, write(true)) << static_cast<int>(format) << " from " << load;
            EXPECT_EQ("", ReadIntelHex(byBytes).problem);
        }
}

TEST_F(HexImageWriterTest, ImagesThatOutgrowSixteenBitAddressesAreNotWritten) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SixteenBit)));
    PushImageOf(writer, 65535);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(":0FFFF0005A5A5A5A5A5A5A5A5A5A5A5A5A000070", Lines().end()[-2]);

    ScratchDirectory::Write(path, std::string("previous"));
    for (HexFormat format : {HexFormat::EightBit, HexFormat::SixteenBit}) {
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(format)));
        PushImageOf(writer, 65536);
        EXPECT_FALSE(writer.Close());
        EXPECT_EQ(HexExportError::ImageTooLarge, writer.Error());
        EXPECT_EQ("previous", Written());
        EXPECT_EQ((std::vector<std::string>{"out.hex"}), NamesIn(scratch));
    }
}

TEST_F(HexImageWriterTest, TwentyBitImagesStopBelowOneMebibyte) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SegmentAddress20)));
    PushImageOf(writer, 1048575);
    ASSERT_TRUE(writer.Close());
    std::vector<std::string> lines = Lines();
    EXPECT_EQ(":02000002FFFFFE", lines.end()[-3]);
    EXPECT_EQ(":0F0000005A5A5A5A5A5A5A5A5A5A5A5A5A00005F", lines.end()[-2]);

    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SegmentAddress20)));
    PushImageOf(writer, 1048576);
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(HexExportError::ImageTooLarge, writer.Error());
    EXPECT_EQ(":02000002FFFFFE", Lines().end()[-3]) << "the previous export stays";
}

TEST_F(HexImageWriterTest, ThirtyTwoBitImagesStopBeforeTheBankNumberWraps) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
    // As if 4 GiB less one bank had been written already.
    writer.extendedAddress = 0xFFFF;
    PushImageOf(writer, 65536);
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(HexExportError::ImageTooLarge, writer.Error());
    EXPECT_FALSE(ScratchDirectory::Exists(path));
}

TEST_F(HexImageWriterTest, FailuresLeaveNoFileBehind) {
    HexImageWriter writer;
    EXPECT_FALSE(writer.Open(scratch.File("no/such/dir.hex").c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
    EXPECT_EQ(HexExportError::CannotCreate, writer.Error());
    writer.Push(0x12, 8);   // nothing open: ignored
    EXPECT_FALSE(writer.Close());

#ifndef _WIN32
    ScratchDirectory::Write(path, std::string("previous"));
    {
        FileSizeLimit fullDisk(1000);
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
        PushImageOf(writer, 100000);
        EXPECT_FALSE(writer.Close());
    }
    EXPECT_EQ(HexExportError::WriteFailed, writer.Error());
    EXPECT_EQ("previous", Written());
    EXPECT_EQ((std::vector<std::string>{"out.hex"}), NamesIn(scratch));
#endif
}

TEST_F(HexImageWriterTest, DiscardKeepsTheTargetAndDestructionFinishes) {
    ScratchDirectory::Write(path, std::string("previous"));
    {
        HexImageWriter writer;
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
        writer.Push(0x60, 8);
        writer.Discard();
        EXPECT_FALSE(writer.IsOpen());
    }
    EXPECT_EQ("previous", Written());
    {
        HexImageWriter writer;
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
    }
    EXPECT_EQ(":04000000F00000000C\r\n" + EndRecord, Written());
    EXPECT_EQ((std::vector<std::string>{"out.hex"}), NamesIn(scratch));
}

TEST_F(HexImageWriterTest, ReopeningFinishesTheImageBefore) {
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
    std::string second = scratch.File("second.hex");
    ASSERT_TRUE(writer.Open(second.c_str(), HexOptions::ForFormat(HexFormat::EightBit)));
    EXPECT_EQ(":04000000F00000000C\r\n" + EndRecord, Written());
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ("", ReadIntelHex(ScratchDirectory::ReadText(second)).problem);
}

}  // namespace
