#include "pattern/program/FrameSizeGuess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pattern/program/DisplayProgramReader.h"
#include "tests/support/ProgramBytes.h"

namespace {

TEST(FrameSizeGuessTest, OtherSizesThatReadAreFound) {
    Bytes sixteen = {0xF0, 0x00, 0x10, 0x05};
    sixteen.insert(sixteen.end(), 64, 0xFF);
    sixteen.insert(sixteen.end(), {0x00, 0x00});
    ProgramListing listing;
    ProgramReadError error;
    EXPECT_FALSE(ReadDisplayProgram(sixteen.data(), sixteen.size(), 5, 7, &listing, &error));
    EXPECT_EQ(14u, error.offset);   // FFFF after the first two frames of 5 bytes
    const std::vector<FrameSizeName> sizes = CommonSizesThatRead(sixteen.data(), sixteen.size(), 5);
    ASSERT_EQ(1u, sizes.size());   // 32 x 8 has the same 32 bytes a frame and is not named again
    EXPECT_EQ(16, sizes[0].columns);
    EXPECT_EQ(16, sizes[0].rows);
    EXPECT_EQ(0u, SmallestFrameBytesThatRead(sixteen.data(), sixteen.size(), 32));
    EXPECT_EQ(32u, SmallestFrameBytesThatRead(sixteen.data(), sixteen.size(), 5));
}

// Every length a walker of its own, word by word: what the guess must agree with.
std::vector<std::size_t> LengthsReadOneByOne(const Bytes& image, const std::vector<std::size_t>& candidates) {
    std::vector<std::size_t> reading;
    for (std::size_t frameBytes : candidates) {
        ProgramWalker walker(frameBytes);
        ProgramItem item;
        while (!walker.Ended() && !walker.Failed() && walker.NextWord() + 2 <= image.size()) {
            const std::size_t at = walker.NextWord();
            walker.TakeWord(static_cast<std::uint16_t>(image[at] << 8 | image[at + 1]), &item);
        }
        if (walker.Finish(image.size())) reading.push_back(frameBytes);
    }
    return reading;
}

TEST(FrameSizeGuessTest, LengthsAgreeWithTheReaderAcrossPiecesOfTheImage) {
    // Pictures and blocks of 100-byte frames between resets and empty blocks,
    // long enough to fill more than one of the guess's 64 KiB pieces; other
    // lengths meet the pictures' frames as words and fail, or run on.
    const Bytes frame(100, 0x3F);
    Bytes image = {0xF0, 0x00};
    for (int i = 0; image.size() < 70000; ++i) {
        const Bytes piece = i % 3 == 0 ? Word(0x10, 0x05, 2, frame) : i % 3 == 1 ? Word(0x60, 0x00, 0) : Word(0x30, 0x00, 0);
        image.insert(image.end(), piece.begin(), piece.end());
        if (i % 7 == 0) {
            const Bytes block = Word(0x30, 0x02, 4, frame);
            image.insert(image.end(), block.begin(), block.end());
        }
    }
    image.insert(image.end(), {0x00, 0x00});
    std::vector<std::size_t> candidates;
    for (std::size_t length = 1; length <= 400; ++length) candidates.push_back(length);
    MemoryImageSource source(image.data(), image.size());
    const std::vector<std::size_t> reading = FrameBytesThatRead(source, candidates);
    EXPECT_EQ(LengthsReadOneByOne(image, candidates), reading);
    EXPECT_NE(reading.end(), std::find(reading.begin(), reading.end(), 100u));
}

TEST(FrameSizeGuessTest, ARunOfWordsWithoutFramesIsWalkedOnceForEveryLength) {
    // Half a million resets and empty blocks: one walk of every length at
    // once would take thousands of passes over them.
    Bytes image = {0xF0, 0x00};
    for (int i = 0; i < 500000; ++i) image.insert(image.end(), {static_cast<std::uint8_t>(i % 2 ? 0x60 : 0x30), 0x00});
    image.insert(image.end(), {0x00, 0x00});
    const std::vector<std::size_t> every = CandidateFrameBytes(0);
    MemoryImageSource whole(image.data(), image.size());
    EXPECT_EQ(every, FrameBytesThatRead(whole, every));
    image.back() = 0x01;   // 0001 is not the end word
    MemoryImageSource broken(image.data(), image.size());
    EXPECT_TRUE(FrameBytesThatRead(broken, every).empty());
    EXPECT_EQ(0u, SmallestFrameBytesThatRead(image.data(), image.size(), 0));
}

}  // namespace
