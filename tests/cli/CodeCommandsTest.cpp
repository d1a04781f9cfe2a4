// lumigrid-cli export and the import of what it wrote: the bytes of the
// worked example, every language back to the same frames, the flash and its
// AVR limits, and what each refusal leaves alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

class CodeCommandsTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    // The worked example: 10 x 3, lit at (0,0), (1,0), (9,0), (2,1), (9,2);
    // a second frame with (5,1) alone.
    std::string Example() {
        LedPattern pattern;
        pattern.Create(10, 3);
        pattern.SetFrameCount(2);
        for (const auto& cell : {std::make_pair(0, 0), {1, 0}, {9, 0}, {2, 1}, {9, 2}})
            pattern.SetPixel(0, static_cast<unsigned>(cell.first), static_cast<unsigned>(cell.second));
        pattern.SetPixel(1, 5, 1);
        pattern.header.controlCode = ControlNormal;
        pattern.header.wait = 3;
        const std::string path = scratch.File("sign.led");
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
    // A pattern of frames of 255 x 255, each lit at its corner.
    std::string Large(std::uint32_t frames) {
        LedPattern pattern;
        pattern.Create(255, 255);
        pattern.SetFrameCount(frames);
        for (std::uint32_t f = 0; f < frames; ++f) pattern.SetPixel(f, 0, 0);
        const std::string path = scratch.File("large.led");
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
};

TEST_F(CodeCommandsTest, ExportWritesTheWorkedExampleAndSaysItsSize) {
    const std::string in = Example(), bin = scratch.File("sign.bin");
    CliOutcome outcome = RunCliWith({"export", in, "-o", bin, "--planes", "one", "--pictures", "0"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ((Bytes{0xC0, 0x40, 0x20, 0x00, 0x00, 0x40}), ScratchDirectory::Read(bin));
    EXPECT_EQ("lumigrid-cli: note: 6 bytes a frame, 6 bytes in all\n", outcome.err);
    ASSERT_EQ(0, RunCliWith({"export", in, "-o", bin, "--planes", "one", "--pictures", "0", "--invert"}).status);
    EXPECT_EQ((Bytes{0x3F, 0x80, 0xDF, 0xC0, 0xFF, 0x80}), ScratchDirectory::Read(bin)) << "padding stays dark";
    // A preset's options changed after it: xbm is gfx with the bits the other way.
    ASSERT_EQ(0, RunCliWith({"export", in, "-o", bin, "--planes", "one", "--pictures", "0", "--bit-order", "lsb"}).status);
    EXPECT_EQ((Bytes{0x03, 0x02, 0x04, 0x00, 0x00, 0x02}), ScratchDirectory::Read(bin));
    outcome = RunCliWith({"export", in, "-o", scratch.File("sign.txt"), "--language", "c", "--mcu", "atmega328p"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ("lumigrid-cli: note: 9 bytes a frame, 9 bytes in all (0.0% of the atmega328p's 32 KiB flash)\n", outcome.err)
        << "one picture of two planes, 20 x 3";
}

TEST_F(CodeCommandsTest, ImportTakesEveryLanguageBackToTheSameFrames) {
    const std::string in = Example();
    const PatternLoadResult original = ReadPatternFile(in.c_str());
    const std::vector<std::vector<std::string>> exports = {
        {"sign.h"}, {"sign.py", "--layout", "ssd1306"}, {"sign.json", "--layout", "max7219-columns", "--rotate", "90"},
        {"sign.rs", "--layout", "u64-8x8", "--mirror", "horizontal"}, {"sign.xbm", "--layout", "xbm", "--planes", "one"},
        {"sign.c", "--layout", "ws2812-serpentine", "--invert"}};
    for (const std::vector<std::string>& given : exports) {
        std::vector<std::string> arguments = {"export", in, "-o", scratch.File(given[0])};
        arguments.insert(arguments.end(), given.begin() + 1, given.end());
        ASSERT_EQ(0, RunCliWith(arguments).status) << ShownArguments(arguments);
        const std::string back = scratch.File("back.led");
        const CliOutcome outcome = RunCliWith({"import", scratch.File(given[0]), "-o", back});
        ASSERT_EQ(0, outcome.status) << given[0] << ": " << outcome.err;
        const PatternLoadResult loaded = ReadPatternFile(back.c_str());
        ASSERT_TRUE(loaded.pattern);
        const LedPattern& made = *loaded.pattern;
        ASSERT_EQ(10u, made.columns) << given[0];
        ASSERT_EQ(2u, made.frameCount) << given[0];
        for (std::uint32_t f = 0; f < 2; ++f)
            for (unsigned y = 0; y < 3; ++y)
                for (unsigned x = 0; x < 10; ++x)
                    EXPECT_EQ(original.pattern->GetPixel(f, x, y), made.GetPixel(f, x, y)) << given[0] << " " << f << " " << x << "," << y;
        // XBM carries no delays.
        if (given[0] != "sign.xbm") EXPECT_EQ(3, made.header.wait) << given[0] << ": 300 ms a frame is three ticks";
    }
    // Binary and pasted code with the layout and size given.
    ASSERT_EQ(0, RunCliWith({"export", in, "-o", scratch.File("sign.bin"), "--layout", "ssd1306"}).status);
    EXPECT_EQ(0, RunCliWith({"import", scratch.File("sign.bin"), "-o", scratch.File("b.led"), "--layout", "ssd1306",
                             "--size", "20x3"}).status);
    EXPECT_TRUE(ReadPatternFile(scratch.File("b.led").c_str()).pattern->GetPixel(1, 5, 1));
    ScratchDirectory::Write(scratch.File("pasted.txt"), "const uint8_t x[] = {0xC0, 0x40, 0x20, 0x00, 0x00, 0x40};\n");
    EXPECT_EQ(0, RunCliWith({"import", scratch.File("pasted.txt"), "-o", scratch.File("p.led"), "--layout", "gfx",
                             "--size", "10x3", "--planes", "one"}).status);
    EXPECT_TRUE(ReadPatternFile(scratch.File("p.led").c_str()).pattern->GetPixel(0, 9, 2));
}

TEST_F(CodeCommandsTest, RefusalsWriteNothingAndKeepWhatWasThere) {
    const std::string in = Example(), out = scratch.File("kept.h");
    ScratchDirectory::Write(out, "kept");
    const std::vector<std::vector<std::string>> usage = {
        {"export", in, "-o", "-"},  {"export", in, "-o", scratch.File("x.txt")}, {"export", in, "-o", out, "--layout", "gfx2"},
        {"export", in, "-o", out, "--scan", "2"}, {"export", in, "-o", out, "--word", "12"}, {"export", in, "-o", out, "--tick", "0x10"}};
    for (const std::vector<std::string>& arguments : usage) EXPECT_EQ(2, RunCliWith(arguments).status) << ShownArguments(arguments);
    CliOutcome outcome = RunCliWith({"export", in, "-o", out, "--language", "xbm"});
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find("XBM holds only the xbm layout")) << outcome.err;
    outcome = RunCliWith({"export", Large(2), "-o", out, "--mcu", "attiny85", "--planes", "one"});
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("lumigrid-cli: export: 16324 bytes do not fit the attiny85's 8 KiB flash; nothing is written\n", outcome.err);
    EXPECT_EQ("kept", ScratchDirectory::ReadText(out));

    ScratchDirectory::Write(scratch.File("bad.h"), "// lumigrid-layout: planes=one scan=rows bit-order=msb word=8 pad=unit "
                                                   "serpentine=no invert=no rotate=0 mirror=none tile=none byte-order=big "
                                                   "width=10 height=3 frames=1\nconst uint8_t x_frames[1][6] = {\n{0xC0, 0x40,\n0x20}};\n");
    outcome = RunCliWith({"import", scratch.File("bad.h"), "-o", scratch.File("bad.led")});
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find("line 4: ")) << outcome.err;
    ASSERT_EQ(0, RunCliWith({"export", in, "-o", scratch.File("sign.bin")}).status);
    outcome = RunCliWith({"import", scratch.File("sign.bin"), "-o", scratch.File("bad.led")});
    EXPECT_EQ(1, outcome.status);
    EXPECT_NE(std::string::npos, outcome.err.find("need their layout and their frame's size")) << outcome.err;
}

TEST_F(CodeCommandsTest, OnAvrLargeDataAreWarnedOf) {
    // 9 frames of 255 x 255, 8160 bytes each: 73440 bytes in one array.
    const CliOutcome outcome =
        RunCliWith({"export", Large(9), "-o", scratch.File("large.h"), "--planes", "one", "--mcu", "atmega2560"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    EXPECT_NE(std::string::npos, outcome.err.find("warning: the frames make one array of 73440 bytes")) << outcome.err;
    EXPECT_NE(std::string::npos, outcome.err.find("warning: the data run past the first 64 KiB")) << outcome.err;
    EXPECT_EQ(0, RunCliWith({"export", Large(9), "-o", scratch.File("large.h"), "--planes", "one", "--mcu", "esp32"})
                     .err.find("lumigrid-cli: note: 8160 bytes a frame"));
}

}  // namespace
