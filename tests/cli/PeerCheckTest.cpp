// HEX files from lumigrid-cli read back by two other programs: objcopy
// (binutils) and srec_cat (srecord) must find exactly the display program.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "pattern/document/LedFile.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<std::uint8_t> Bytes;

// A frame bitmap walked pixel by pixel: columns from the left, each from
// the top, 1 for unlit, packed from the top bit.
void AppendFrame(Bytes& program, const LedPattern& pattern, std::uint32_t frame) {
    unsigned bit = 0;
    for (unsigned x = 0; x < pattern.columns; ++x)
        for (unsigned y = 0; y < pattern.rows; ++y, ++bit) {
            if (bit % 8 == 0) program.push_back(0);
            if (!pattern.GetPixel(frame, x, y)) program.back() |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
        }
}

void AppendPattern(Bytes& program, const LedPattern& pattern) {
    const std::uint32_t pairs = pattern.frameCount / 2;
    if (pattern.header.controlCode == ControlScroll) {
        program.push_back(static_cast<std::uint8_t>(0x30 | (pairs >> 8)));
        program.push_back(static_cast<std::uint8_t>(pairs & 0xFF));
    }
    for (std::uint32_t i = 0; i < pairs; ++i) {
        if (pattern.header.controlCode == ControlNormal || pattern.header.controlCode == ControlOnOff) {
            program.push_back(pattern.header.controlCode == ControlNormal ? 0x10 : 0x40);
            program.push_back(pattern.header.wait);
        }
        AppendFrame(program, pattern, 2 * i);
        AppendFrame(program, pattern, 2 * i + 1);
    }
}

class PeerCheckTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::mt19937 random{7};
    std::string listText;
    Bytes expected = {0xF0, 0x00};

    void AddPattern(std::uint8_t columns, std::uint8_t rows, std::uint32_t frames, std::uint8_t controlCode) {
        LedPattern pattern;
        pattern.Create(columns, rows);
        pattern.SetFrameCount(frames);
        pattern.header.controlCode = controlCode;
        pattern.header.wait = static_cast<std::uint8_t>(random());
        std::vector<std::uint8_t> bits(pattern.FrameSize());
        for (std::uint32_t f = 0; f < frames; ++f) {
            for (std::uint8_t& byte : bits) byte = static_cast<std::uint8_t>(random());
            pattern.PasteFrame(f, bits.data());
        }
        std::string path = scratch.File("p" + std::to_string(listText.size()) + ".led");
        ASSERT_TRUE(SavePatternFile(pattern, path.c_str()));
        listText += path + "\r\n";
        AppendPattern(expected, pattern);
    }
    void AddReset() {
        listText += ":Reset\r\n";
        expected.push_back(0x60);
        expected.push_back(0x00);
    }

    // Builds the list in a format, reads the file back with both programs and
    // compares what they found with the expected program.
    void Check(const std::string& format, const std::string& start) {
        std::string list = scratch.File("list.ll");
        ScratchDirectory::Write(list, listText);
        std::string hex = scratch.File("out.hex");
        std::vector<std::string> args = {"lumigrid-cli", "build", list, "-o", hex, "--format", format};
        if (!start.empty()) {
            args.push_back("--start");
            args.push_back(start);
        }
        std::vector<const char*> argv;
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        std::ostringstream out, err;
        ASSERT_EQ(0, RunCli(static_cast<int>(argv.size()), argv.data(), out, err)) << err.str();

        Bytes program = expected;
        program.push_back(0x00);
        program.push_back(0x00);
        std::string byObjcopy = scratch.File("objcopy.bin"), bySrecCat = scratch.File("srec_cat.bin");
        std::string what = format + " start '" + start + "'";
        ASSERT_EQ(0, std::system(("objcopy -I ihex -O binary '" + hex + "' '" + byObjcopy + "'").c_str())) << what;
        ASSERT_EQ(0, std::system(("srec_cat '" + hex + "' -Intel -o '" + bySrecCat + "' -Binary").c_str())) << what;
        EXPECT_EQ(program, ScratchDirectory::Read(byObjcopy)) << what;
        EXPECT_EQ(program, ScratchDirectory::Read(bySrecCat)) << what;
    }
};

TEST_F(PeerCheckTest, EveryFormatWithAndWithoutAStartAddress) {
    AddPattern(16, 16, 6, ControlNormal);
    AddReset();
    AddPattern(5, 7, 4, ControlScroll);
    AddPattern(12, 9, 3, ControlOnOff);
    AddPattern(16, 8, 2, ControlScroll);
    for (const char* format : {"8bit", "16bit", "20bit", "32bit"}) Check(format, "");
    Check("20bit", "4660");
    Check("20bit", "0xFFFFF");
    Check("32bit", "4660");
    Check("32bit", "0x12345678");
}

TEST_F(PeerCheckTest, ImagesOfOver64KiB) {
    AddPattern(255, 255, 20, ControlScroll);
    AddReset();
    AddPattern(16, 16, 60, ControlNormal);
    ASSERT_GT(expected.size(), 65536u);
    Check("20bit", "");
    Check("20bit", "0x54321");
    Check("32bit", "");
    Check("32bit", "0x10000");
}

}  // namespace

#endif
