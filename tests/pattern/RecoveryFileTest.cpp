#include "pattern/files/RecoveryFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

class RecoveryFileTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    // An 8 x 2 pattern of one frame with its first LED lit.
    static void SmallPattern(LedPattern& pattern) {
        pattern.Create(8, 2);
        pattern.SetFrameCount(1);
        pattern.SetPixel(0, 0, 0);
        pattern.modified = true;
    }
    std::string Write(const RecoveryOwner& owner, std::int64_t writtenAt, const std::string& name = "") {
        LedPattern pattern;
        SmallPattern(pattern);
        const std::string path = scratch.File(RecoveryFileName(owner));
        EXPECT_TRUE(WriteRecoveryFile(path.c_str(), pattern, {owner, writtenAt, name}));
        return path;
    }
};

TEST_F(RecoveryFileTest, NamesTellWhoseFileItIsAndNothingElseCountsAsOne) {
    const RecoveryOwner owner = {0x1f4, 0x01d9a2c3b4e5f607ull};
    EXPECT_EQ("lumigrid-1f4-01d9a2c3b4e5f607.recovery", RecoveryFileName(owner));
    RecoveryOwner parsed = {0, 0};
    ASSERT_TRUE(ParseRecoveryFileName(RecoveryFileName(owner), parsed));
    EXPECT_TRUE(parsed == owner);
    for (const char* other : {"lumigrid-1f4-01d9a2c3b4e5f607.recovery.tmp", "lumigrid-1f4.recovery", "notes.txt",
                              "lumigrid-01f4-01d9a2c3b4e5f607.recovery", "art.led"})
        EXPECT_FALSE(ParseRecoveryFileName(other, parsed)) << other;
}

TEST_F(RecoveryFileTest, TheFileIsTheRecordThenThePatternFileAndReadsBackUnsavedUnderItsName) {
    const std::string path = Write({0x20, 0x0102030405060708ull}, 0x5f5e100, "C:\\art.led");
    const Bytes expected = {'L', 'G', 'R', 'E', 'C', 'O', 'V', '1',
                            0x20, 0, 0, 0,
                            8, 7, 6, 5, 4, 3, 2, 1,
                            0x00, 0xe1, 0xf5, 0x05, 0, 0, 0, 0,
                            10, 0, 'C', ':', '\\', 'a', 'r', 't', '.', 'l', 'e', 'd',
                            0x4C, 0x45, 0x44, 0x31, 0x01, 0x00, 0x01, 0x00, 0x02, 0x01, 0x08, 0x00,
                            0x80, 0x00};
    EXPECT_EQ(expected, ScratchDirectory::Read(path));

    RecoveryLoadResult read = ReadRecoveryFile(path.c_str());
    ASSERT_TRUE(read.recordRead);
    EXPECT_EQ(0x5f5e100, read.record.writtenAt);
    ASSERT_TRUE(read.loaded.pattern);
    const LedPattern& pattern = *read.loaded.pattern;
    EXPECT_EQ(PatternLoadStatus::Loaded, read.loaded.status);
    EXPECT_TRUE(pattern.modified) << "restored work is still to be saved";
    EXPECT_STREQ("C:\\art.led", pattern.fileName.get());
    EXPECT_TRUE(pattern.GetPixel(0, 0, 0));

    const std::string unnamed = Write({0x21, 1}, 1);
    read = ReadRecoveryFile(unnamed.c_str());
    ASSERT_TRUE(read.loaded.pattern);
    EXPECT_FALSE(read.loaded.pattern->fileName) << "an unnamed pattern stays unnamed";
}

TEST_F(RecoveryFileTest, DamagedFilesAreRefusedAsDamagedPatternFilesAre) {
    const std::string path = Write({0x20, 1}, 5, "a.led");
    Bytes whole = ScratchDirectory::Read(path);

    const std::string cut = scratch.File("cut.recovery");
    ScratchDirectory::Write(cut, Bytes(whole.begin(), whole.begin() + 20));
    EXPECT_FALSE(ReadRecoveryFile(cut.c_str()).recordRead);
    EXPECT_FALSE(ReadRecoveryFile(cut.c_str()).loaded.pattern);

    Bytes badPattern = whole;
    badPattern[35] = 'X';  // the .led file's magic, after the name "a.led"
    ScratchDirectory::Write(cut, badPattern);
    RecoveryLoadResult read = ReadRecoveryFile(cut.c_str());
    EXPECT_TRUE(read.recordRead);
    EXPECT_EQ(PatternLoadStatus::NotPatternFile, read.loaded.status);
    EXPECT_FALSE(read.loaded.pattern);

    Bytes longName = whole;
    longName[28] = 0xff;
    longName[29] = 0xff;
    ScratchDirectory::Write(cut, longName);
    EXPECT_FALSE(ReadRecoveryFile(cut.c_str()).recordRead) << "a name longer than any path";

    ScratchDirectory::Write(cut, Bytes(whole.begin(), whole.end() - 2));  // without its frame
    read = ReadRecoveryFile(cut.c_str());
    EXPECT_EQ(PatternLoadStatus::EndsEarly, read.loaded.status) << "what is there loads, with a notice";
    EXPECT_FALSE(ReadRecoveryFile(scratch.File("none.recovery").c_str()).loaded.pattern);
}

TEST_F(RecoveryFileTest, LeftoversAreThoseOfEditorsNotRunningNewestFirst) {
    const RecoveryOwner running = {0x30, 9};
    Write(running, 900);
    const std::string older = Write({0x31, 9}, 100);
    const std::string newest = Write({0x32, 9}, 300);
    // The same process id, started at another time: an editor that has ended.
    const std::string reused = Write({0x30, 8}, 200);
    const std::string damaged = scratch.File(RecoveryFileName({0x33, 9}));
    ScratchDirectory::Write(damaged, std::string("LGRE"));
    ScratchDirectory::Write(scratch.File("notes.txt"), std::string("not ours"));

    const std::vector<LeftoverRecovery> found =
        FindLeftoverRecoveries(scratch.File(""), [&](const RecoveryOwner& owner) { return owner == running; });
    ASSERT_EQ(4u, found.size());
    EXPECT_EQ(newest, found[0].path);
    EXPECT_EQ(reused, found[1].path);
    EXPECT_EQ(older, found[2].path);
    EXPECT_EQ(damaged, found[3].path);
    EXPECT_FALSE(found[3].recordRead);
    EXPECT_TRUE(FindLeftoverRecoveries(scratch.File("missing"), [](const RecoveryOwner&) { return false; }).empty());
}

}  // namespace
