// lumigrid-cli decode: the listing, and the round trip build -> decode
// --extract -> build that must give the same file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/ScratchDirectory.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const char Rebuild[] = "build again with: ";

class DecodeCommandTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::mt19937 random{12};
    std::string listText;
    int files = 0;

    void AddPattern(std::uint8_t columns, std::uint8_t rows, std::uint32_t frames, std::uint8_t controlCode,
                    std::uint8_t wait) {
        LedPattern pattern;
        pattern.Create(columns, rows);
        pattern.SetFrameCount(frames);
        pattern.header.controlCode = controlCode;
        pattern.header.wait = wait;
        std::vector<std::uint8_t> bits(pattern.FrameSize());
        for (std::uint32_t f = 0; f < frames; ++f) {
            for (std::uint8_t& byte : bits) byte = static_cast<std::uint8_t>(random());
            pattern.PasteFrame(f, bits.data());
        }
        const std::string path = scratch.File("source-" + std::to_string(files++) + ".led");
        ASSERT_TRUE(SavePatternFile(pattern, path.c_str()));
        listText += path + "\r\n";
    }
    void AddReset() { listText += ":Reset\r\n"; }
    // Every control code, resets, odd frame counts, and two patterns whose
    // pictures run together.
    void AddEveryKind(std::uint8_t columns, std::uint8_t rows) {
        AddPattern(columns, rows, 3, ControlNormal, 5);
        AddPattern(columns, rows, 2, ControlNormal, 5);
        AddPattern(columns, rows, 1, ControlScroll, 0);
        AddReset();
        AddPattern(columns, rows, 4, ControlAnimation, 9);
        AddPattern(columns, rows, 5, ControlScroll, 7);
        AddReset();
        AddPattern(columns, rows, 3, ControlOnOff, 200);
        AddPattern(columns, rows, 2, ControlNormal, 0);
    }
    std::string Build(const std::vector<std::string>& options) {
        const std::string list = scratch.File("source.ll"), hex = scratch.File("original.hex");
        ScratchDirectory::Write(list, listText);
        std::vector<std::string> args = {"build", list, "-o", hex};
        args.insert(args.end(), options.begin(), options.end());
        CliOutcome built = RunCliWith(args);
        EXPECT_EQ(0, built.status) << built.err;
        return hex;
    }
    // Extracts hex into a new directory, runs the build command it prints
    // (into another file) and compares that file with hex.
    void CheckRoundTrip(const std::string& hex, const std::string& size, const std::string& what) {
        const std::string directory = scratch.File("extract-" + std::to_string(files++));
        CliOutcome extracted = RunCliWith({"decode", hex, "--size", size, "--extract", directory});
        ASSERT_EQ(0, extracted.status) << what << extracted.err;
        EXPECT_EQ("", extracted.err) << what;
        EXPECT_NE(std::string::npos, extracted.out.find("byte for byte")) << what << extracted.out;
        const std::size_t at = extracted.out.find(Rebuild);
        ASSERT_NE(std::string::npos, at) << what;
        const std::size_t from = at + sizeof Rebuild - 1;
        std::istringstream words(extracted.out.substr(from, extracted.out.find('\n', at) - from));
        std::vector<std::string> command;
        for (std::string word; words >> word;) command.push_back(word);
        ASSERT_GE(command.size(), 5u);
        EXPECT_EQ("lumigrid-cli", command[0]);
        command.erase(command.begin());
        const std::string rebuilt = scratch.File("rebuilt.hex");
        for (std::size_t i = 0; i + 1 < command.size(); ++i)
            if (command[i] == "-o") command[i + 1] = rebuilt;
        CliOutcome built = RunCliWith(command);
        ASSERT_EQ(0, built.status) << what << built.err;
        EXPECT_EQ(ScratchDirectory::Read(hex), ScratchDirectory::Read(rebuilt)) << what;
    }
};

TEST_F(DecodeCommandTest, RoundTripInEveryFormatAndSize) {
    const std::vector<std::vector<std::string>> formats = {
        {"--format", "8bit"},
        {"--format", "16bit"},
        {"--format", "20bit"},
        {"--format", "20bit", "--start", "0x12345"},
        {"--format", "32bit"},
        {"--format", "32bit", "--start", "0x87654321"},
    };
    for (const char* size : {"5x7", "16x16"}) {
        listText.clear();
        AddEveryKind(size[0] == '5' ? 5 : 16, size[0] == '5' ? 7 : 16);
        for (const auto& format : formats) {
            const std::string hex = Build(format);
            CheckRoundTrip(hex, size, size + ShownArguments(format));
        }
    }
    // 255 x 255 frames are 8129 bytes; the 8-bit and 16-bit formats hold 64 KiB.
    listText.clear();
    AddPattern(255, 255, 3, ControlOnOff, 1);
    AddReset();
    AddPattern(255, 255, 2, ControlScroll, 0);
    AddPattern(255, 255, 2, ControlAnimation, 0);
    for (const auto& format : formats) CheckRoundTrip(Build(format), "255x255", "255x255 " + ShownArguments(format));
}

TEST_F(DecodeCommandTest, ListsEveryItemAndASummary) {
    AddPattern(16, 16, 2, ControlNormal, 5);
    AddPattern(16, 16, 6, ControlScroll, 0);
    AddReset();
    AddPattern(16, 16, 2, ControlOnOff, 20);
    const std::string hex = Build({});
    CliOutcome listed = RunCliWith({"decode", hex});
    ASSERT_EQ(0, listed.status) << listed.err;
    EXPECT_EQ(hex + ": 22 records, format 8bit (16bit and 32bit write the same file), no start address\n"
                    "display program of 332 bytes, frames of 16x16 (32 bytes):\n"
                    "0000  F000  start\n"
                    "0002  1005  picture normal wait 5: pattern 0, frames 0, 1\n"
                    "0044  3003  scroll 3 pairs: pattern 1, frames 0 .. 5\n"
                    "0106  6000  reset\n"
                    "0108  4014  picture on-off wait 20: pattern 2, frames 0, 1\n"
                    "014A  0000  end\n"
                    "6 items (2 pictures, 1 scroll block, 1 reset), 10 frames in 3 patterns, 332 bytes\n",
              listed.out);

    CliOutcome framed = RunCliWith({"decode", hex, "--frames"});
    EXPECT_NE(std::string::npos, framed.out.find("frames 0, 1\nframe 0:\n")) << framed.out;
    EXPECT_EQ(17 * 10 + 9u, static_cast<std::size_t>(std::count(framed.out.begin(), framed.out.end(), '\n')));

    CliOutcome started = RunCliWith({"decode", Build({"--format", "20bit", "--start", "0x12345"})});
    EXPECT_NE(std::string::npos, started.out.find("format 20bit, start address 0x12345 (record 03, CS:IP 1000:2345)"))
        << started.out;
}

TEST_F(DecodeCommandTest, FaultsAreStatusOneWithWhereAndWhy) {
    const std::string bad = scratch.File("bad.hex");
    ScratchDirectory::Write(bad, ":04000000F00000000C\r\n:00000001FE\r\n");
    CliOutcome badRecord = RunCliWith({"decode", bad});
    EXPECT_EQ(1, badRecord.status);
    EXPECT_EQ("lumigrid-cli: " + bad + ": line 2: bad checksum FE, the record's bytes need FF\n", badRecord.err);

    AddPattern(16, 16, 2, ControlNormal, 5);
    const std::string hex = Build({});
    CliOutcome wrongSize = RunCliWith({"decode", hex, "--size", "32x16", "--extract", scratch.File("out")});
    EXPECT_EQ(1, wrongSize.status);
    EXPECT_NE(std::string::npos, wrongSize.err.find(": offset 0002 at 32x16 (64 bytes a frame): the 2 frames of 1005 need 128 bytes")) << wrongSize.err;
    EXPECT_NE(std::string::npos, wrongSize.err.find("try --size 16x16")) << wrongSize.err;
    EXPECT_FALSE(ScratchDirectory::Exists(scratch.File("out")));

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"decode"}, {"decode", hex, hex}, {"decode", hex, "--size", "0x16"}, {"decode", hex, "--size", "16"},
             {"decode", hex, "--size", "256x1"}, {"decode", hex, "--scale", "2"}, {"decode", hex, "--force"},
             {"decode", hex, "--render", scratch.File("r"), "--scale", "65"}, {"decode", hex, "--loud"}}) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(2, outcome.status) << ShownArguments(args);
        EXPECT_EQ(0u, outcome.err.find("lumigrid-cli: decode: ")) << ShownArguments(args) << outcome.err;
    }
    CliOutcome help = RunCliWith({"decode", "--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.out.find("Usage:\n  lumigrid-cli decode FILE.hex"));
}

TEST_F(DecodeCommandTest, ExtractAndRenderKeepExistingFilesUnlessForced) {
    AddPattern(5, 7, 4, ControlNormal, 3);
    AddReset();
    const std::string hex = Build({});
    const std::string directory = scratch.File("out");
    ASSERT_EQ(0, RunCliWith({"decode", hex, "--size", "5x7", "--extract", directory}).status);
    const std::string list = ScratchDirectory::ReadText(directory + "/list.ll");
    const std::string patternLine = list.substr(0, list.find("\r\n"));
    EXPECT_EQ(patternLine + "\r\n:Reset\r\n", list);
    EXPECT_EQ("pattern-000.led", patternLine.substr(patternLine.size() - 15));
    EXPECT_EQ(PatternLoadStatus::Loaded, ReadPatternFile(patternLine.c_str()).status);
    ScratchDirectory::Write(directory + "/list.ll", "mine\r\n");
    CliOutcome again = RunCliWith({"decode", hex, "--size", "5x7", "--extract", directory});
    EXPECT_EQ(1, again.status);
    EXPECT_NE(std::string::npos, again.err.find("pattern-000.led' exists; --force replaces it")) << again.err;
    EXPECT_EQ("mine\r\n", ScratchDirectory::ReadText(directory + "/list.ll"));
    EXPECT_EQ(0, RunCliWith({"decode", hex, "--size", "5x7", "--extract", directory, "--force"}).status);
    EXPECT_EQ(list, ScratchDirectory::ReadText(directory + "/list.ll"));

    // Each frame as render draws it from the recovered pattern.
    const std::string pictures = scratch.File("pictures");
    CliOutcome rendered = RunCliWith({"decode", hex, "--size", "5x7", "--render", pictures, "--scale", "9"});
    ASSERT_EQ(0, rendered.status) << rendered.err;
    EXPECT_EQ(pictures + ": 4 pictures of 5x7 LEDs, 9 pixels a LED (pattern-000-frame-0000.png .. "
                         "pattern-000-frame-0003.png)\n",
              rendered.out);
    const std::string one = scratch.File("one.png");
    ASSERT_EQ(0, RunCliWith({"render", directory + "/pattern-000.led", "-o", one, "--frame", "3", "--scale", "9"}).status);
    EXPECT_EQ(ScratchDirectory::Read(one), ScratchDirectory::Read(pictures + "/pattern-000-frame-0003.png"));
    EXPECT_EQ(1, RunCliWith({"decode", hex, "--size", "5x7", "--render", pictures}).status);
    EXPECT_EQ(1, RunCliWith({"decode", hex, "--size", "5x7", "--render", one}).status);   // not a directory
}

#ifndef _WIN32
// The same image bytes as objcopy and srec_cat write them: the same program,
// in records that build does not write.
TEST_F(DecodeCommandTest, FilesOfOtherProgramsReadToTheSameProgram) {
    AddPattern(255, 255, 20, ControlScroll, 0);
    AddReset();
    AddPattern(255, 255, 6, ControlNormal, 4);
    const std::string hex = Build({"--format", "32bit"});
    const std::string image = scratch.File("image.bin"), byObjcopy = scratch.File("objcopy.hex"),
                      bySrecCat = scratch.File("srec_cat.hex");
    ASSERT_EQ(0, std::system(("objcopy -I ihex -O binary '" + hex + "' '" + image + "'").c_str()));
    ASSERT_EQ(0, std::system(("objcopy -I binary -O ihex '" + image + "' '" + byObjcopy + "'").c_str()));
    ASSERT_EQ(0, std::system(("srec_cat '" + image + "' -Binary -o '" + bySrecCat + "' -Intel").c_str()));
    auto program = [](const std::string& listing) { return listing.substr(listing.find('\n')); };
    const std::string expected = program(RunCliWith({"decode", hex, "--size", "255x255"}).out);
    for (const std::string& other : {byObjcopy, bySrecCat}) {
        CliOutcome listed = RunCliWith({"decode", other, "--size", "255x255"});
        ASSERT_EQ(0, listed.status) << other << listed.err;
        EXPECT_EQ(expected, program(listed.out)) << other;
        CliOutcome extracted =
            RunCliWith({"decode", other, "--size", "255x255", "--extract", scratch.File("from-" + std::to_string(files++))});
        ASSERT_EQ(0, extracted.status) << extracted.err;
        EXPECT_NE(std::string::npos, extracted.out.find("the same display program as " + other + ", in other records"))
            << extracted.out;
    }
}
#endif

TEST_F(DecodeCommandTest, RecordsOutOfAddressOrderAreReadWholeAndListTheSame) {
    AddPattern(16, 16, 4, ControlNormal, 5);
    AddPattern(16, 16, 2, ControlScroll, 0);
    const std::string hex = Build({});
    // The data records backwards, the end record still last.
    std::string text(ScratchDirectory::ReadText(hex));
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at) + 1;
        lines.push_back(text.substr(at, end - at));
        at = end;
    }
    std::reverse(lines.begin(), lines.end() - 1);
    std::string reversed;
    for (const std::string& line : lines) reversed += line;
    const std::string backwards = scratch.File("backwards.hex");
    ScratchDirectory::Write(backwards, reversed);

    CliOutcome inOrder = RunCliWith({"decode", hex, "--frames"});
    CliOutcome outOfOrder = RunCliWith({"decode", backwards, "--frames"});
    ASSERT_EQ(0, outOfOrder.status) << outOfOrder.err;
    EXPECT_EQ(inOrder.out.substr(hex.size()), outOfOrder.out.substr(backwards.size()));
    CliOutcome extracted = RunCliWith({"decode", backwards, "--extract", scratch.File("out")});
    EXPECT_NE(std::string::npos, extracted.out.find("which writes the same display program as")) << extracted.out;
}

#ifndef _WIN32
// Resident memory of this process now, in KiB.
long ResidentKiB() {
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST_F(DecodeCommandTest, AnImageOfMoreThan256MiBIsListedInMemoryThatDoesNotGrowWithIt) {
    // 17 of the largest Scroll patterns: an image of 17 x 16,648,194 + 4
    // bytes, 270 MiB, in a HEX file of about 760 MiB.
    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(2048);
    pattern.header.controlCode = ControlScroll;
    for (std::uint32_t f = 0; f < 2048; ++f) pattern.SetPixel(f, f % 255, f / 255);
    const std::string led = scratch.File("largest.led");
    ASSERT_TRUE(SavePatternFile(pattern, led.c_str()));
    pattern.Release();
    for (int i = 0; i < 17; ++i) listText += led + "\r\n";
    const std::string hex = Build({"--format", "32bit"});
    std::FILE* file = std::fopen(hex.c_str(), "rb");
    ASSERT_NE(nullptr, file);
    std::fseek(file, 0, SEEK_END);
    EXPECT_GT(std::ftell(file), 256L * 1024 * 1024 * 2);
    std::fclose(file);

    const long before = ResidentKiB();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CliOutcome listed = RunCliWith({"decode", hex, "--size", "255x255"});
        const bool whole = listed.out.find("19 items (0 pictures, 17 scroll blocks, 0 resets), 34816 frames in 17 patterns, "
                                           "283019302 bytes") != std::string::npos;
        _exit(listed.status == 0 && whole ? 0 : 1);
    }
    int status = 0;
    rusage usage = {};
    ASSERT_EQ(child, wait4(child, &status, 0, &usage));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // A few MiB of buffers; the image alone would be 270 MiB.
    EXPECT_LT(usage.ru_maxrss - before, 64L * 1024) << usage.ru_maxrss << " KiB at most, " << before << " before";
    std::remove(hex.c_str());
}
#endif

}  // namespace
