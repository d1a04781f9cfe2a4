#include "pattern/document/LedFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/DirectoryListing.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// 16 x 16, frame count 5, Scroll, wait 7.
const Bytes FiveFrameHeader = {0x4C, 0x45, 0x44, 0x31, 0x02, 0x07, 0x05, 0x00, 0x10, 0x02, 0x10, 0x00};

// Frame i of the five-frame files: every byte is 0x10 * (i + 1) + its row.
Bytes NumberedFrame(int i) {
    Bytes frame;
    for (int row = 0; row < 16; ++row)
        for (int byte = 0; byte < 2; ++byte) frame.push_back(static_cast<unsigned char>(0x10 * (i + 1) + row));
    return frame;
}

Bytes FrameOf(const LedPattern& pattern, std::uint32_t frame) {
    Bytes bytes(pattern.FrameSize());
    pattern.CopyFrame(frame, bytes.data());
    return bytes;
}

class LedFileTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    std::string MakeFile(const std::string& name, const Bytes& bytes) {
        std::string path = scratch.File(name);
        ScratchDirectory::Write(path, bytes);
        return path;
    }
    PatternLoadResult Load(const Bytes& bytes) { return ReadPatternFile(MakeFile("in.led", bytes).c_str()); }
};

TEST_F(LedFileTest, ATwoFramePatternSavesAsSeventySixBytes) {
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(2);
    pattern.SetPixel(0, 0, 0);
    pattern.SetPixel(0, 15, 0);
    pattern.SetPixel(1, 9, 15);
    pattern.header.wait = 3;
    std::string path = scratch.File("two.led");
    ASSERT_TRUE(SavePatternFile(pattern, path.c_str()));

    Bytes expected = {0x4C, 0x45, 0x44, 0x31, 0x01, 0x03, 0x02, 0x00, 0x10, 0x02, 0x10, 0x00,
                      0x80, 0x01};
    expected.resize(12 + 32 + 30, 0x00);
    expected.push_back(0x00);
    expected.push_back(0x40);
    EXPECT_EQ(expected, ScratchDirectory::Read(path));
    EXPECT_FALSE(pattern.modified);
    EXPECT_EQ(path, pattern.fileName.get());
    EXPECT_EQ((std::vector<std::string>{"two.led"}), NamesIn(scratch));
}

TEST_F(LedFileTest, ASavedPatternLoadsBackWithItsHeader) {
    LedPattern pattern;
    pattern.Create(12, 3);
    pattern.SetFrameCount(3);
    pattern.InvertFrame(1);
    pattern.header.controlCode = ControlOnOff;
    pattern.header.wait = 200;
    std::string path = scratch.File("back.led");
    ASSERT_TRUE(SavePatternFile(pattern, path.c_str()));

    std::unique_ptr<LedPattern> loaded = LoadPattern(nullptr, path.c_str());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(3u, loaded->frameCount);
    EXPECT_EQ(12, loaded->columns);
    EXPECT_EQ(3, loaded->rows);
    EXPECT_EQ(ControlOnOff, loaded->header.controlCode);
    EXPECT_EQ(200, loaded->header.wait);
    EXPECT_FALSE(loaded->modified);
    EXPECT_EQ(path, loaded->fileName.get());
    // The spare low bits of an inverted 12-column row are stored as ones.
    EXPECT_EQ(Bytes(6, 0xFF), FrameOf(*loaded, 1));
    EXPECT_EQ(Bytes(6, 0x00), FrameOf(*loaded, 2));
}

TEST_F(LedFileTest, TheAddToListFlagIsIgnoredOnLoadAndSavedAsItStands) {
    Bytes file = {0x4C, 0x45, 0x44, 0x31, 0x00, 0x05, 0x01, 0x00, 0x01, 0x01, 0x08, 0x01, 0xA5};
    PatternLoadResult loaded = Load(file);
    ASSERT_TRUE(loaded.pattern);
    EXPECT_EQ(0, loaded.pattern->header.addToList);
    std::string path = scratch.File("again.led");
    ASSERT_TRUE(SavePatternFile(*loaded.pattern, path.c_str()));
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x00, 0x05, 0x01, 0x00, 0x01, 0x01, 0x08, 0x00, 0xA5}),
              ScratchDirectory::Read(path));
}

TEST_F(LedFileTest, FilesThatAreNotPatternsAreRefused) {
    Bytes wrongMagic = {0x4C, 0x45, 0x44, 0x32, 0x01, 0x00, 0x00, 0x00, 0x10, 0x02, 0x10, 0x00};
    EXPECT_EQ(PatternLoadStatus::NotPatternFile, Load(wrongMagic).status);
    EXPECT_FALSE(Load(wrongMagic).pattern);
    EXPECT_EQ(PatternLoadStatus::NotPatternFile, Load(Bytes{}).status);
    // The magic alone, or a header cut short, is not a pattern.
    EXPECT_EQ(PatternLoadStatus::NotPatternFile, Load(Bytes{0x4C, 0x45, 0x44, 0x31}).status);
    EXPECT_EQ(PatternLoadStatus::NotPatternFile,
              Load(Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x00, 0x00, 0x00, 0x10, 0x02, 0x10}).status);
    EXPECT_EQ(PatternLoadStatus::CannotOpen, ReadPatternFile(scratch.File("missing.led").c_str()).status);
    EXPECT_FALSE(LoadPattern(nullptr, scratch.File("missing.led").c_str()));
    EXPECT_FALSE(LoadPattern(nullptr, nullptr));
}

TEST_F(LedFileTest, FrameCountsAboveTheFrameTableAreRefused) {
    Bytes header2049 = {0x4C, 0x45, 0x44, 0x31, 0x02, 0x00, 0x01, 0x08, 0x01, 0x01, 0x01, 0x00};
    EXPECT_EQ(PatternLoadStatus::TooManyFrames, Load(header2049).status);
    Bytes header65535 = {0x4C, 0x45, 0x44, 0x31, 0x02, 0x00, 0xFF, 0xFF, 0x01, 0x01, 0x01, 0x00};
    EXPECT_EQ(PatternLoadStatus::TooManyFrames, Load(header65535).status);

    Bytes file2048 = Concat({0x4C, 0x45, 0x44, 0x31, 0x02, 0x09, 0x00, 0x08, 0x01, 0x01, 0x01, 0x00}, Bytes(2048, 0x80));
    PatternLoadResult loaded = Load(file2048);
    ASSERT_EQ(PatternLoadStatus::Loaded, loaded.status);
    EXPECT_EQ(2048u, loaded.pattern->frameCount);
    EXPECT_TRUE(loaded.pattern->GetPixel(2047, 0, 0));
    EXPECT_EQ(ControlScroll, loaded.pattern->header.controlCode);
}

TEST_F(LedFileTest, RowBytesThatDisagreeWithTheColumnsAreRefused) {
    // 16 columns need 2 row bytes; 1 and 3 would size the frames wrongly.
    for (unsigned char rowBytes : {0x01, 0x03, 0x00}) {
        Bytes file = Concat({0x4C, 0x45, 0x44, 0x31, 0x01, 0x00, 0x01, 0x00, 0x10, rowBytes, 0x10, 0x00}, Bytes(48, 0));
        EXPECT_EQ(PatternLoadStatus::RowBytesMismatch, Load(file).status) << int(rowBytes);
    }
    Bytes fiveColumns = Concat({0x4C, 0x45, 0x44, 0x31, 0x01, 0x00, 0x01, 0x00, 0x07, 0x01, 0x05, 0x00}, Bytes(7, 0xF8));
    EXPECT_EQ(PatternLoadStatus::Loaded, Load(fiveColumns).status);
}

TEST_F(LedFileTest, FrameCountZeroLoadsWithTheFilesHeader) {
    PatternLoadResult loaded = Load(Bytes{0x4C, 0x45, 0x44, 0x31, 0x03, 0x09, 0x00, 0x00, 0x10, 0x02, 0x10, 0x00});
    ASSERT_EQ(PatternLoadStatus::Loaded, loaded.status);
    EXPECT_EQ(0u, loaded.pattern->frameCount);
    EXPECT_EQ(ControlOnOff, loaded.pattern->header.controlCode);
    EXPECT_EQ(9, loaded.pattern->header.wait);
    EXPECT_FALSE(loaded.pattern->modified);
}

TEST_F(LedFileTest, AFileCutInsideAFrameKeepsWhatItHasAndFallsBackToAnimation) {
    // Cut after 10 bytes of frame 3 of 5.
    Bytes file = FiveFrameHeader;
    for (int i = 0; i < 3; ++i) file = Concat(file, NumberedFrame(i));
    Bytes partial = NumberedFrame(3);
    partial.resize(10);
    file = Concat(file, partial);

    PatternLoadResult loaded = Load(file);
    ASSERT_EQ(PatternLoadStatus::EndsEarly, loaded.status);
    const LedPattern& pattern = *loaded.pattern;
    ASSERT_EQ(5u, pattern.frameCount);
    EXPECT_EQ(NumberedFrame(2), FrameOf(pattern, 2));
    Bytes expected3 = partial;
    Bytes rest2 = NumberedFrame(2);
    expected3.insert(expected3.end(), rest2.begin() + 10, rest2.end());
    EXPECT_EQ(expected3, FrameOf(pattern, 3));
    EXPECT_EQ(Bytes(32, 0), FrameOf(pattern, 4));
    EXPECT_EQ(ControlAnimation, pattern.header.controlCode);
    EXPECT_EQ(0, pattern.header.wait);
    EXPECT_TRUE(pattern.modified);
    EXPECT_EQ(4u, loaded.framesRead);
}

TEST_F(LedFileTest, AFileCutBetweenFramesLeavesTheRestBlank) {
    Bytes file = FiveFrameHeader;
    for (int i = 0; i < 3; ++i) file = Concat(file, NumberedFrame(i));
    PatternLoadResult loaded = Load(file);
    ASSERT_EQ(PatternLoadStatus::EndsEarly, loaded.status);
    EXPECT_EQ(NumberedFrame(0), FrameOf(*loaded.pattern, 0));
    EXPECT_EQ(NumberedFrame(2), FrameOf(*loaded.pattern, 2));
    EXPECT_EQ(Bytes(32, 0), FrameOf(*loaded.pattern, 3));
    EXPECT_EQ(Bytes(32, 0), FrameOf(*loaded.pattern, 4));
    EXPECT_TRUE(loaded.pattern->modified);

    // Frame 0 cut short is completed with zeros.
    Bytes cutFirst = Concat(FiveFrameHeader, {0x11, 0x22, 0x33});
    PatternLoadResult first = Load(cutFirst);
    ASSERT_TRUE(first.pattern);
    Bytes expected0 = {0x11, 0x22, 0x33};
    expected0.resize(32, 0);
    EXPECT_EQ(expected0, FrameOf(*first.pattern, 0));
}

TEST_F(LedFileTest, AFileCutInsideItsLastFrameStillCountsAsRead) {
    Bytes file = FiveFrameHeader;
    for (int i = 0; i < 4; ++i) file = Concat(file, NumberedFrame(i));
    file.push_back(0xEE);
    PatternLoadResult loaded = Load(file);
    ASSERT_EQ(PatternLoadStatus::Loaded, loaded.status);
    EXPECT_TRUE(loaded.lastFrameShort);
    EXPECT_EQ(ControlScroll, loaded.pattern->header.controlCode);
    Bytes expected4 = NumberedFrame(3);
    expected4[0] = 0xEE;
    EXPECT_EQ(expected4, FrameOf(*loaded.pattern, 4));
}

TEST_F(LedFileTest, SavingReplacesThePreviousFileOnlyWhenComplete) {
    std::string path = MakeFile("kept.led", Bytes{'o', 'l', 'd'});
    LedPattern pattern;
    pattern.Create(8, 1);
    pattern.SetFrameCount(1);
    ASSERT_TRUE(SavePatternFile(pattern, path.c_str()));
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x00, 0x01, 0x00, 0x01, 0x01, 0x08, 0x00, 0x00}),
              ScratchDirectory::Read(path));
    EXPECT_EQ((std::vector<std::string>{"kept.led"}), NamesIn(scratch));
}

TEST_F(LedFileTest, AFailedSaveKeepsTheOldFileAndTheModifiedPattern) {
    const Bytes old = {'o', 'l', 'd'};
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(2);

    // The target cannot be replaced: it is a directory.
    std::string directory = scratch.File("dir.led");
    std::filesystem::create_directory(directory);
    EXPECT_FALSE(SavePatternFile(pattern, directory.c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    EXPECT_TRUE(pattern.modified);
    EXPECT_EQ(nullptr, pattern.fileName.get());

    // Nowhere to write the new file.
    EXPECT_FALSE(SavePatternFile(pattern, scratch.File("no/such/dir.led").c_str()));
    EXPECT_EQ((std::vector<std::string>{"dir.led"}), NamesIn(scratch));

#ifndef _WIN32
    std::string path = MakeFile("full.led", old);
    {
        FileSizeLimit fullDisk(40);
        EXPECT_FALSE(SavePatternFile(pattern, path.c_str()));
    }
    EXPECT_EQ(old, ScratchDirectory::Read(path));
    EXPECT_TRUE(pattern.modified);
    EXPECT_EQ((std::vector<std::string>{"dir.led", "full.led"}), NamesIn(scratch));
#endif
}

#ifndef _WIN32
TEST_F(LedFileTest, WithoutADialogAnOwnerWindowLoadsNothing) {
    std::string path = MakeFile("p.led", Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x00, 0x00, 0x00, 0x01, 0x01, 0x01, 0x00});
    HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(1));
    EXPECT_FALSE(LoadPattern(owner, path.c_str()));
    EXPECT_TRUE(LoadPattern(nullptr, path.c_str()));
}
#endif

TEST_F(LedFileTest, ControlCodesHaveTheirNames) {
    EXPECT_STREQ("Normal", ControlCodeName(0));
    EXPECT_STREQ("Animation", ControlCodeName(1));
    EXPECT_STREQ("Scroll", ControlCodeName(2));
    EXPECT_STREQ("On-Off", ControlCodeName(3));
    EXPECT_EQ(nullptr, ControlCodeName(4));
}

}  // namespace
