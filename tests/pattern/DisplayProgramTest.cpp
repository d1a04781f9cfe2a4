#include "pattern/program/DisplayProgram.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/IntelHexReader.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<std::uint8_t> Bytes;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Bytes Start = {0xF0, 0x00};
const Bytes End = {0x00, 0x00};
const Bytes BlankFrame16(32, 0xFF);

// A 16 x 16 frame whose only lit pixel is (column, 0): the column's first
// byte has its top bit clear.
Bytes FrameWithLitColumn(int column) {
    Bytes frame(32, 0xFF);
    frame[2 * column] = 0x7F;
    return frame;
}

class DisplayProgramTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    int saved = 0;

    std::string SavePattern(std::uint8_t columns, std::uint8_t rows, std::uint32_t frames, std::uint8_t controlCode,
                            std::uint8_t wait, const std::function<void(LedPattern&)>& draw = nullptr) {
        LedPattern pattern;
        pattern.Create(columns, rows);
        pattern.SetFrameCount(frames);
        pattern.header.controlCode = controlCode;
        pattern.header.wait = wait;
        if (draw) draw(pattern);
        std::string path = scratch.File("p" + std::to_string(++saved) + ".led");
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }

    // The display program of a list of these entries, read back from the
    // HEX file; plans collects what the builder reported.
    Bytes Program(const std::vector<std::string>& entries, std::vector<EntryPlan>* plans = nullptr) {
        DisplayList list;
        EXPECT_TRUE(list.SelectFile(scratch.File("list.ll").c_str(), true));
        for (const std::string& entry : entries) list.Add(entry.c_str(), false);
        std::string path = scratch.File("program.hex");
        HexImageWriter writer;
        EXPECT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
        EXPECT_TRUE(BuildDisplayProgram(list, writer, [&](std::size_t index, const DisplayListEntry&, const EntryPlan& plan) {
            if (plans) {
                EXPECT_EQ(plans->size(), index);
                plans->push_back(plan);
            }
        }));
        EXPECT_TRUE(writer.Close());
        IntelHexImage image = ReadIntelHex(ScratchDirectory::ReadText(path));
        EXPECT_EQ("", image.problem);
        return image.bytes;
    }

    // The bitmap EmitFrame pushes for one frame.
    Bytes Emitted(const LedPattern& pattern, std::uint32_t frame) {
        std::string path = scratch.File("frame.hex");
        HexImageWriter writer;
        EXPECT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
        pattern.EmitFrame(writer, frame);
        EXPECT_TRUE(writer.Close());
        Bytes bytes = ReadIntelHex(ScratchDirectory::ReadText(path)).bytes;
        return Bytes(bytes.begin() + 2, bytes.end() - 2);
    }
};

TEST_F(DisplayProgramTest, EmptyListAndReset) {
    EXPECT_EQ((Bytes{0xF0, 0x00, 0x00, 0x00}), Program({}));
    EXPECT_EQ((Bytes{0xF0, 0x00, 0x60, 0x00, 0x00, 0x00}), Program({":Reset"}));
}

TEST_F(DisplayProgramTest, PicturesByControlCode) {
    EXPECT_EQ(Join({Start, {0x10, 0x05}, BlankFrame16, BlankFrame16, End}),
              Program({SavePattern(16, 16, 2, ControlNormal, 5)}));
    EXPECT_EQ(Join({Start, {0x10, 0x00}, BlankFrame16, BlankFrame16, End}),
              Program({SavePattern(16, 16, 2, ControlAnimation, 5)}));
    EXPECT_EQ(Join({Start, {0x40, 0x05}, BlankFrame16, BlankFrame16, End}),
              Program({SavePattern(16, 16, 2, ControlOnOff, 5)}));
}

TEST_F(DisplayProgramTest, FramesComeInPairsAndAnUnpairedLastFrameIsDropped) {
    auto litColumns = [](LedPattern& pattern) {
        for (std::uint32_t i = 0; i < pattern.frameCount; ++i) pattern.SetPixel(i, i, 0);
    };
    EXPECT_EQ(Join({Start, {0x10, 0x09}, FrameWithLitColumn(0), FrameWithLitColumn(1), {0x10, 0x09},
                    FrameWithLitColumn(2), FrameWithLitColumn(3), End}),
              Program({SavePattern(16, 16, 5, ControlNormal, 9, litColumns)}));
    EXPECT_EQ(Join({Start, {0x30, 0x03}, FrameWithLitColumn(0), FrameWithLitColumn(1), FrameWithLitColumn(2),
                    FrameWithLitColumn(3), FrameWithLitColumn(4), FrameWithLitColumn(5), End}),
              Program({SavePattern(16, 16, 6, ControlScroll, 1, litColumns)}));
}

TEST_F(DisplayProgramTest, ASingleFrameEmitsOnlyAnEmptyScrollBlock) {
    for (std::uint8_t code : {ControlNormal, ControlAnimation, ControlOnOff})
        EXPECT_EQ((Bytes{0xF0, 0x00, 0x00, 0x00}), Program({SavePattern(16, 16, 1, code, 3)})) << int(code);
    EXPECT_EQ((Bytes{0xF0, 0x00, 0x30, 0x00, 0x00, 0x00}), Program({SavePattern(16, 16, 1, ControlScroll, 3)}));
}

TEST_F(DisplayProgramTest, ALongScrollBlockCountsItsPairsInTwelveBits) {
    Bytes program = Program({SavePattern(8, 8, 2048, ControlScroll, 0)});
    ASSERT_EQ(2u + 2 + 2048 * 8 + 2, program.size());
    EXPECT_EQ(0x34, program[2]);
    EXPECT_EQ(0x00, program[3]);
}

TEST_F(DisplayProgramTest, ManyFramesGiveEachFramesBitmapInTurn) {
    // More frames than one read or one piece of the program holds, an odd
    // count (its last frame dropped), and of sizes that run in frames.
    std::mt19937 random(99);
    const auto randomFrames = [&](LedPattern& pattern) {
        for (std::uint32_t i = 0; i < pattern.frameCount; ++i)
            for (std::size_t byte = 0; byte < pattern.FrameSize(); ++byte)
                pattern.frames[i * pattern.FrameSize() + byte] = static_cast<std::uint8_t>(random());
    };
    for (std::uint8_t code : {ControlScroll, ControlNormal})
        for (const auto& size : {std::make_pair(16, 16), std::make_pair(64, 64), std::make_pair(37, 11)}) {
            const std::string path = SavePattern(static_cast<std::uint8_t>(size.first), static_cast<std::uint8_t>(size.second),
                                                 2047, code, 4, randomFrames);
            const PatternLoadResult loaded = ReadPatternFile(path.c_str());
            const LedPattern& pattern = *loaded.pattern;
            Bytes expected = Start;
            if (code == ControlScroll) expected.insert(expected.end(), {0x33, 0xFF});   // 1023 pairs
            for (std::uint32_t frame = 0; frame < 2046; ++frame) {
                if (code == ControlNormal && frame % 2 == 0) expected.insert(expected.end(), {0x10, 0x04});
                Bytes bitmap(FrameProgramBytes(pattern.columns, pattern.rows));
                WriteFrameBitmap(pattern.Frame(frame), pattern.columns, pattern.rows, bitmap.data());
                expected.insert(expected.end(), bitmap.begin(), bitmap.end());
            }
            expected.insert(expected.end(), End.begin(), End.end());
            EXPECT_EQ(expected, Program({path})) << size.first << " x " << size.second << ", code " << int(code);
        }
}

TEST_F(DisplayProgramTest, EntriesThatCannotBeEmittedAreSkipped) {
    std::string pattern = SavePattern(16, 16, 2, ControlNormal, 5);
    std::string unknownCode = SavePattern(16, 16, 2, 7, 5);
    std::string notPattern = scratch.File("text.led");
    ScratchDirectory::Write(notPattern, std::string("hello, world"));
    std::vector<EntryPlan> plans;
    Bytes program = Program({":reset", scratch.File("missing.led"), notPattern, unknownCode, pattern, ":Reset"}, &plans);
    EXPECT_EQ(Join({Start, {0x10, 0x05}, BlankFrame16, BlankFrame16, {0x60, 0x00}, End}), program);

    ASSERT_EQ(6u, plans.size());
    EXPECT_EQ(EntryKind::Skipped, plans[0].kind);
    EXPECT_EQ(PatternLoadStatus::CannotOpen, plans[0].loadStatus);
    EXPECT_EQ(PatternLoadStatus::CannotOpen, plans[1].loadStatus);
    EXPECT_EQ(PatternLoadStatus::NotPatternFile, plans[2].loadStatus);
    EXPECT_EQ(EntryKind::Skipped, plans[3].kind);
    EXPECT_STREQ("its control code is none of Normal, Animation, Scroll, On-Off", DescribeSkip(plans[3]));
    EXPECT_EQ(EntryKind::Pattern, plans[4].kind);
    EXPECT_EQ(66u, plans[4].bytes);
    EXPECT_EQ(EntryKind::Reset, plans[5].kind);
    EXPECT_EQ(2u, plans[5].bytes);
}

TEST_F(DisplayProgramTest, AShortFileIsEmittedAsNormalWithBlankMissingFrames) {
    std::vector<unsigned char> file = {0x4C, 0x45, 0x44, 0x31, 0x03, 0x08, 0x04, 0x00, 0x08, 0x01, 0x08, 0x00};
    file.insert(file.end(), 8 * 2, 0xFF);   // frames 0 and 1 fully lit, 2 and 3 missing
    std::string path = scratch.File("short.led");
    ScratchDirectory::Write(path, file);
    EXPECT_EQ(Join({Start, {0x10, 0x00}, Bytes(16, 0x00), {0x10, 0x00}, Bytes(16, 0xFF), End}), Program({path}));
    EntryPlan plan = PlanEntry(path.c_str());
    EXPECT_EQ(PatternLoadStatus::EndsEarly, plan.loadStatus);
    EXPECT_EQ(36u, plan.bytes);
}

TEST_F(DisplayProgramTest, FrameBitmapsRunColumnByColumnWithOneForUnlit) {
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(3);
    for (unsigned x = 0; x < 16; ++x)
        for (unsigned y = 0; y < 16; ++y) pattern.SetPixel(0, x, y);
    pattern.SetPixel(1, 0, 0);
    pattern.SetPixel(2, 1, 9);
    EXPECT_EQ(Bytes(32, 0x00), Emitted(pattern, 0));
    EXPECT_EQ(Join({{0x7F}, Bytes(31, 0xFF)}), Emitted(pattern, 1));
    EXPECT_EQ(Join({{0xFF, 0xFF, 0xFF, 0xBF}, Bytes(28, 0xFF)}), Emitted(pattern, 2));
    // A frame out of range comes out as all unlit.
    EXPECT_EQ(Bytes(32, 0xFF), Emitted(pattern, 3));

    LedPattern small;
    small.Create(5, 7);
    small.SetFrameCount(1);
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xE0}), Emitted(small, 0));
    small.SetPixel(0, 4, 6);
    small.SetPixel(0, 0, 1);
    EXPECT_EQ((Bytes{0xBF, 0xFF, 0xFF, 0xFF, 0xC0}), Emitted(small, 0));

    LedPattern none;
    none.Create(0, 16);
    none.SetFrameCount(2);
    EXPECT_EQ(Bytes{}, Emitted(none, 0));
    EXPECT_EQ(0u, FrameProgramBytes(0, 16));
    EXPECT_EQ(5u, FrameProgramBytes(5, 7));
}

TEST_F(DisplayProgramTest, EveryFrameSizeMatchesAPixelByPixelWalk) {
    std::mt19937 random(2024);
    const std::pair<int, int> sizes[] = {{16, 16}, {13, 24}, {255, 8}, {7, 255}, {1, 8}, {9, 16}, {255, 255}, {3, 5}};
    for (const auto& size : sizes) {
        LedPattern pattern;
        pattern.Create(static_cast<std::uint8_t>(size.first), static_cast<std::uint8_t>(size.second));
        pattern.SetFrameCount(1);
        std::vector<std::uint8_t> bits(pattern.FrameSize());
        for (std::uint8_t& byte : bits) byte = static_cast<std::uint8_t>(random());
        pattern.PasteFrame(0, bits.data());

        Bytes walked;
        unsigned bitCount = 0;
        for (int x = 0; x < size.first; ++x)
            for (int y = 0; y < size.second; ++y, ++bitCount) {
                if (bitCount % 8 == 0) walked.push_back(0);
                if (!pattern.GetPixel(0, x, y)) walked.back() |= static_cast<std::uint8_t>(0x80 >> (bitCount % 8));
            }
        EXPECT_EQ(walked, Emitted(pattern, 0)) << size.first << " x " << size.second;
        EXPECT_EQ(walked.size(), FrameProgramBytes(pattern.columns, pattern.rows));
    }
}

TEST_F(DisplayProgramTest, PlansAddUpToTheProgram) {
    std::vector<std::string> entries = {SavePattern(16, 16, 7, ControlScroll, 0), ":Reset",
                                        SavePattern(12, 9, 4, ControlOnOff, 200), SavePattern(5, 7, 3, ControlNormal, 1)};
    std::uint64_t total = 4;
    for (const std::string& entry : entries) total += PlanEntry(entry.c_str()).bytes;
    EXPECT_EQ(total, Program(entries).size());
}

TEST_F(DisplayProgramTest, TheBuildStopsWhenTheImageOutgrowsItsFormat) {
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(scratch.File("big.ll").c_str(), true));
    std::string big = SavePattern(255, 255, 16, ControlScroll, 0);
    for (int i = 0; i < 3; ++i) list.Add(big.c_str(), false);
    std::string path = scratch.File("big.hex");
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::SixteenBit)));
    std::size_t seen = 0;
    EXPECT_FALSE(BuildDisplayProgram(list, writer, [&](std::size_t, const DisplayListEntry&, const EntryPlan&) { ++seen; }));
    EXPECT_EQ(1u, seen);
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(HexExportError::ImageTooLarge, writer.Error());
    EXPECT_FALSE(ScratchDirectory::Exists(path));
}

TEST_F(DisplayProgramTest, ProgressRunsToTheEndAndCanStopTheBuild) {
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(scratch.File("long.ll").c_str(), true));
    const std::string big = SavePattern(255, 255, 40, ControlScroll, 0);
    for (const std::string& entry : {big, std::string(":Reset"), big}) list.Add(entry.c_str(), false);
    const std::string path = scratch.File("long.hex");
    std::vector<double> done;
    {
        HexImageWriter writer;
        ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
        EXPECT_TRUE(BuildDisplayProgram(list, writer, nullptr, [&](const BuildProgress& progress) {
            EXPECT_EQ(3u, progress.entries);
            done.push_back(progress.Done());
            return true;
        }));
        EXPECT_TRUE(writer.Close());
    }
    // 2 x 81,292 bytes of program in pieces of at most 64 KiB, and every entry.
    ASSERT_GE(done.size(), 3u + 4u);
    for (std::size_t i = 1; i < done.size(); ++i) EXPECT_GE(done[i], done[i - 1]);
    EXPECT_DOUBLE_EQ(1.0, done.back());

    // Stopped inside the first pattern: the file as it was, and no entry reported.
    const std::string built = ScratchDirectory::ReadText(path);
    HexImageWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
    int calls = 0, observed = 0;
    EXPECT_FALSE(BuildDisplayProgram(
        list, writer, [&](std::size_t, const DisplayListEntry&, const EntryPlan&) { ++observed; },
        [&](const BuildProgress&) { return ++calls < 2; }));
    EXPECT_EQ(2, calls);
    EXPECT_EQ(0, observed);
    EXPECT_EQ(HexExportError::None, writer.Error());
    writer.Discard();
    EXPECT_EQ(built, ScratchDirectory::ReadText(path));
}

}  // namespace
