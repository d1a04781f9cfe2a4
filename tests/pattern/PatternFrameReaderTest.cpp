#include "pattern/document/PatternFrameReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

// 16 x 16, frame count 5, Normal, wait 7.
const Bytes FiveFrameHeader = {0x4C, 0x45, 0x44, 0x31, 0x00, 0x07, 0x05, 0x00, 0x10, 0x02, 0x10, 0x00};
const std::size_t FrameBytes = 32;

// Five frames whose bytes are all different: 0x10 * (frame + 1) + byte.
Bytes FiveFrameFile() {
    Bytes file = FiveFrameHeader;
    for (int frame = 0; frame < 5; ++frame)
        for (std::size_t byte = 0; byte < FrameBytes; ++byte) file.push_back(static_cast<unsigned char>(0x10 * (frame + 1) + byte));
    return file;
}

class PatternFrameReaderTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    // The reader's frames against the whole read's, frame by frame, with
    // the same status, header and file name.
    void ExpectSameAsWholeRead(const Bytes& bytes) {
        const std::string path = scratch.File("in.led");
        ScratchDirectory::Write(path, bytes);
        const PatternLoadResult whole = ReadPatternFile(path.c_str());
        PatternFrameReader reader;
        const PatternLoadResult streamed = reader.Open(path.c_str());
        ASSERT_EQ(whole.status, streamed.status);
        ASSERT_EQ(whole.framesRead, streamed.framesRead);
        ASSERT_EQ(whole.pattern == nullptr, streamed.pattern == nullptr);
        if (!whole.pattern) return;
        EXPECT_EQ(0, std::memcmp(&whole.pattern->header, &streamed.pattern->header, LedFileHeader::Size));
        EXPECT_STREQ(whole.pattern->fileName.get(), streamed.pattern->fileName.get());
        for (std::uint32_t frame = 0; frame < whole.pattern->header.FrameCount(); ++frame) {
            const Bytes expected(whole.pattern->Frame(frame), whole.pattern->Frame(frame) + FrameBytes);
            const std::uint8_t* got = reader.NextFrame();
            EXPECT_EQ(expected, Bytes(got, got + FrameBytes)) << "frame " << frame;
        }
    }
};

TEST_F(PatternFrameReaderTest, GivesTheFramesHeaderAndStatusOfTheWholeRead) {
    const Bytes file = FiveFrameFile();
    ExpectSameAsWholeRead(file);
    // Bytes after the last frame are no part of the pattern.
    Bytes longer = file;
    longer.push_back(0xEE);
    ExpectSameAsWholeRead(longer);
}

TEST_F(PatternFrameReaderTest, RunsOfFramesAreTheFramesOneByOne) {
    // 2048 frames of 32 x 32, four reads' worth, each frame's bytes from its number.
    const std::size_t frameBytes = 128;
    Bytes file = {0x4C, 0x45, 0x44, 0x31, 0x02, 0x00, 0x00, 0x08, 0x20, 0x04, 0x20, 0x00};
    for (unsigned frame = 0; frame < 2048; ++frame) file.insert(file.end(), frameBytes, static_cast<unsigned char>(frame * 7));
    const std::string path = scratch.File("long.led");
    // Whole, and cut (read whole, its missing frames blank).
    for (const Bytes& bytes : {file, Bytes(file.begin(), file.end() - 100 * frameBytes)}) {
        ScratchDirectory::Write(path, bytes);
        PatternFrameReader reader;
        const PatternLoadResult opened = reader.Open(path.c_str());   // holds a whole read's frames
        ASSERT_TRUE(opened.pattern);
        const std::size_t held = (bytes.size() - 12) / frameBytes;
        std::uint32_t next = 0;
        for (std::uint32_t wanted = 1; next < 2048; wanted = wanted * 3 % 1001) {
            std::uint32_t got = 0;
            const std::uint8_t* run = reader.NextFrames(wanted, &got);
            ASSERT_TRUE(got >= 1 && got <= wanted);
            for (std::uint32_t i = 0; i < got && next + i < 2048; ++i)
                ASSERT_EQ(Bytes(frameBytes, next + i < held ? (next + i) * 7 & 0xFF : 0),
                          Bytes(run + i * frameBytes, run + (i + 1) * frameBytes))
                    << "frame " << next + i;
            next += got;
        }
    }
}

TEST_F(PatternFrameReaderTest, APatternSmallerThanAReadComesInOneRunThenBlankFrames) {
    const std::string path = scratch.File("small.led");
    ScratchDirectory::Write(path, FiveFrameFile());
    PatternFrameReader reader;
    ASSERT_TRUE(reader.Open(path.c_str()).pattern);
    std::uint32_t got = 0;
    const std::uint8_t* run = reader.NextFrames(100, &got);
    ASSERT_EQ(5u, got);
    const Bytes frames = FiveFrameFile();
    EXPECT_EQ(Bytes(frames.begin() + 12, frames.end()), Bytes(run, run + 5 * FrameBytes));
    // Past the last frame: one blank frame a call, however many are asked for.
    for (int call = 0; call < 3; ++call) {
        run = reader.NextFrames(4, &got);
        ASSERT_EQ(1u, got);
        EXPECT_EQ(Bytes(FrameBytes, 0), Bytes(run, run + FrameBytes));
    }
}

TEST_F(PatternFrameReaderTest, ShortAndRefusedFilesFollowTheWholeReadsRules) {
    const Bytes file = FiveFrameFile();
    // Cut inside frame 2: its surviving bytes, then frame 1's; frames 3 and 4 blank.
    ExpectSameAsWholeRead(Bytes(file.begin(), file.end() - 2 * FrameBytes - 5));
    ExpectSameAsWholeRead(Bytes(file.begin(), file.begin() + 12 + 7));   // inside frame 0
    ExpectSameAsWholeRead(Bytes(file.begin(), file.begin() + 12));       // the header alone
    ExpectSameAsWholeRead(Bytes(file.begin(), file.begin() + 7));        // not even that
    Bytes wrongRowBytes = file;
    wrongRowBytes[9] = 3;
    ExpectSameAsWholeRead(wrongRowBytes);
    PatternFrameReader reader;
    EXPECT_EQ(PatternLoadStatus::CannotOpen, reader.Open(scratch.File("missing.led").c_str()).status);
}

}  // namespace
