#include "pattern/program/ProgramRecovery.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/ProgramBytes.h"

namespace {

// Every item the builder writes, and runs of pictures that make one pattern or two.
const Bytes EveryItem = Program({Word(0x10, 0x05, 2), Word(0x10, 0x05, 2), Word(0x10, 0x06, 2), Word(0x30, 0x01, 2),
                                 {0x60, 0x00}, Word(0x40, 0x03, 2), Word(0x10, 0x00, 2)});

TEST(ProgramRecoveryTest, GroupsThePatterns) {
    const Bytes& image = EveryItem;
    ProgramListing listing;
    ProgramReadError error;
    ASSERT_TRUE(ReadDisplayProgram(image.data(), image.size(), 5, 7, &listing, &error)) << error.what;
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


TEST(ProgramRecoveryTest, FramesAreColumnsFromTheTopWithZeroLit) {
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

TEST(ProgramRecoveryTest, LongRunsSplitAtTheLargestPattern) {
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

// A frame of 5 x 7 whose only lit pixel is number n, counted down the columns.
Bytes FrameLitAt(unsigned n) {
    Bytes frame = Dark;
    frame[n / 8] = static_cast<std::uint8_t>(frame[n / 8] & ~(0x80 >> (n % 8)));
    return frame;
}

TEST(ProgramRecoveryTest, TheProgramReadAsItComesGivesTheSamePatternsAsItsListing) {
    Bytes image = {0xF0, 0x00};
    unsigned lit = 0;
    for (const std::uint8_t high : {0x10, 0x10, 0x30, 0x60, 0x40}) {
        image.insert(image.end(), {high, static_cast<std::uint8_t>(high == 0x30 ? 0x02 : high == 0x60 ? 0 : 7)});
        const int frames = high == 0x30 ? 4 : high == 0x60 ? 0 : 2;
        for (int f = 0; f < frames; ++f) {
            const Bytes frame = FrameLitAt(lit++);
            image.insert(image.end(), frame.begin(), frame.end());
        }
    }
    image.insert(image.end(), {0x00, 0x00});
    ProgramListing listing;
    ProgramReadError error;
    ASSERT_TRUE(ReadDisplayProgram(image.data(), image.size(), 5, 7, &listing, &error)) << error.what;
    const std::vector<RecoveredEntry> entries = RecoverDisplayList(listing);
    RecoveredProgram program;
    ASSERT_TRUE(RecoverProgram(image.data(), image.size(), 5, 7, &program, &error)) << error.what;
    ASSERT_EQ(4u, entries.size());
    ASSERT_EQ(entries.size(), program.entries.size());
    ASSERT_EQ(entries.size(), program.patterns.size());
    for (std::size_t e = 0; e < entries.size(); ++e) {
        EXPECT_EQ(entries[e].reset, program.entries[e].reset) << e;
        EXPECT_EQ(entries[e].frameCount, program.entries[e].frameCount) << e;
        if (entries[e].reset) {
            EXPECT_FALSE(program.patterns[e]) << e;
            continue;
        }
        std::unique_ptr<LedPattern> expected =
            RecoverFrames(image.data(), listing, entries[e], entries[e].firstFrame, entries[e].frameCount);
        const LedPattern& pattern = *program.patterns[e];
        ASSERT_EQ(expected->frameCount, pattern.frameCount) << e;
        EXPECT_EQ(expected->header.controlCode, pattern.header.controlCode) << e;
        EXPECT_EQ(expected->header.wait, pattern.header.wait) << e;
        const std::size_t bytes = pattern.frameCount * pattern.FrameSize();
        EXPECT_EQ(0, std::memcmp(expected->frames.get(), pattern.frames.get(), bytes)) << e;
    }
    EXPECT_TRUE(program.patterns[0]->GetPixel(3, 0, 3));   // the fourth frame: pixel 3, column 0
    EXPECT_EQ(0u, program.notes.paddedFrames);
    EXPECT_EQ(0u, program.notes.animationBlocks);
}

TEST(ProgramRecoveryTest, NotesWhatARebuildWritesOtherwise) {
    const Bytes padded = {0xFF, 0xFF, 0xFF, 0xFF, 0xE1};
    const Bytes image = Program({Word(0x20, 0x01, 2), Word(0x10, 0x04, 1, padded), Dark});
    RecoveredProgram program;
    ProgramReadError error;
    ASSERT_TRUE(RecoverProgram(image.data(), image.size(), 5, 7, &program, &error)) << error.what;
    ASSERT_EQ(2u, program.patterns.size());
    EXPECT_EQ(ControlAnimation, program.patterns[0]->header.controlCode);
    EXPECT_EQ(1u, program.notes.animationBlocks);
    EXPECT_EQ(1u, program.notes.paddedFrames);
}

TEST(ProgramRecoveryTest, StopsForTheReceiverAndForAnImageThatIsNotTheOneSurveyed) {
    ProgramSurvey survey;
    ProgramReadError error;
    MemoryImageSource surveyed(EveryItem.data(), EveryItem.size());
    ASSERT_TRUE(SurveyProgram(surveyed, 5, 7, &survey, &error)) << error.what;
    EXPECT_EQ(5u, survey.patterns);
    RecoveryNotes notes;
    int received = 0;
    auto stopAtFirst = [&](const RecoveredEntry&, std::size_t, std::unique_ptr<LedPattern>) { return ++received > 1; };
    MemoryImageSource again(EveryItem.data(), EveryItem.size());
    EXPECT_EQ(RecoveryStatus::Stopped, RecoverPatterns(again, 5, 7, survey, stopAtFirst, &notes));
    EXPECT_EQ(1, received);

    // Read again, the reset has become a picture; or the image ends early.
    const Bytes image = Program({Word(0x10, 0x05, 2), {0x60, 0x00}, Word(0x40, 0x03, 2)});
    MemoryImageSource first(image.data(), image.size());
    ASSERT_TRUE(SurveyProgram(first, 5, 7, &survey, &error)) << error.what;
    const Bytes changed[] = {
        Program({Word(0x10, 0x05, 2), Word(0x10, 0x06, 2), Word(0x40, 0x03, 2)}),
        Program({Word(0x10, 0x05, 2)}),
    };
    for (const Bytes& second : changed) {
        std::size_t patterns = 0;
        auto keep = [&](const RecoveredEntry&, std::size_t number, std::unique_ptr<LedPattern> pattern) {
            EXPECT_LT(number, survey.patterns);
            patterns += pattern != nullptr;
            return true;
        };
        MemoryImageSource other(second.data(), second.size());
        EXPECT_EQ(RecoveryStatus::ChangedWhileRead, RecoverPatterns(other, 5, 7, survey, keep, &notes));
        EXPECT_EQ(1u, patterns);
    }
}

TEST(ProgramRecoveryTest, ABlockLongerThanAPatternIsNamed) {
    // 1 x 8 frames are one byte: a scroll block of 1025 pairs.
    Bytes image = {0xF0, 0x00, 0x10, 0x00, 0xFF, 0xFF, 0x34, 0x01};
    image.insert(image.end(), 2050, 0xFF);
    image.insert(image.end(), {0x00, 0x00});
    ProgramSurvey survey;
    ProgramReadError error;
    MemoryImageSource source(image.data(), image.size());
    ASSERT_TRUE(SurveyProgram(source, 1, 8, &survey, &error)) << error.what;
    EXPECT_FALSE(EntriesFitPatterns(survey, &error));
    EXPECT_EQ(6u, error.offset);
    EXPECT_EQ("the block 3401 holds 2050 frames; a pattern holds at most 2048, so no pattern file builds it",
              error.what);
    RecoveredProgram program;
    EXPECT_FALSE(RecoverProgram(image.data(), image.size(), 1, 8, &program, &error));
    EXPECT_EQ(6u, error.offset);
}

}  // namespace
