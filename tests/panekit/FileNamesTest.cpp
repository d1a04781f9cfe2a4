// CFile's operations on names: full paths, and the folders a program makes
// for what it writes.
#include "panekit/File.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "tests/support/ScratchDirectory.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::string FullPath(const std::string& name) {
    char buffer[CFile::FilenameCapacity];
    const unsigned long length = CFile::GetFullPath(name.c_str(), buffer, sizeof buffer);
    return length == 0 || length >= sizeof buffer ? std::string() : std::string(buffer, length);
}

TEST(FileNamesTest, FullPathsAreAbsoluteWithTheDotsTakenOut) {
    ScratchDirectory scratch;
    const std::string file = scratch.File("a.led");
    // The folders on the way need not exist: the name is worked out, not looked up.
    EXPECT_EQ(file, FullPath(scratch.File("no-such-folder/../a.led")));
    EXPECT_EQ(file, FullPath(scratch.File("./a.led")));
    EXPECT_EQ((std::filesystem::current_path() / "b.led").string(), FullPath("b.led"));
    EXPECT_EQ("", FullPath(""));
}

TEST(FileNamesTest, AFullPathTooLongForTheBufferAsksForALargerOne) {
    ScratchDirectory scratch;
    const std::string file = scratch.File("a.led");
    char buffer[CFile::FilenameCapacity] = "unchanged";
    const unsigned long length = static_cast<unsigned long>(file.size());
    EXPECT_EQ(length, CFile::GetFullPath(file.c_str(), buffer, length));
    EXPECT_STREQ("unchanged", buffer);
    EXPECT_EQ(length, CFile::GetFullPath(file.c_str(), buffer, length + 1));
    EXPECT_EQ(file, buffer);
}

TEST(FileNamesTest, DirectoriesAreMadeOnceAndRemovedOnlyWhenEmpty) {
    ScratchDirectory scratch;
    const std::string folder = scratch.File("made");
    EXPECT_EQ(0, CFile::Exists(folder.c_str()));
    ASSERT_EQ(1, CFile::MakeDirectory(folder.c_str()));
    EXPECT_EQ(1, CFile::Exists(folder.c_str()));
    EXPECT_EQ(1, CFile::IsDirectory(folder.c_str()));

    EXPECT_EQ(0, CFile::MakeDirectory(folder.c_str()));
    EXPECT_NE(0, CFile::LastErrorCode()) << "the reason of the refusal is kept";
    EXPECT_EQ(0, CFile::MakeDirectory(scratch.File("no-such-folder/made").c_str()));

    const std::string file = scratch.File("made/a.led");
    ScratchDirectory::Write(file, "x");
    EXPECT_EQ(1, CFile::Exists(file.c_str()));
    EXPECT_EQ(0, CFile::IsDirectory(file.c_str()));
    EXPECT_EQ(0, CFile::RemoveEmptyDirectory(folder.c_str()));
    EXPECT_TRUE(ScratchDirectory::Exists(file));
    std::filesystem::remove(file);
    EXPECT_EQ(1, CFile::RemoveEmptyDirectory(folder.c_str()));
    EXPECT_EQ(0, CFile::Exists(folder.c_str()));
}

#ifndef _WIN32
TEST(FileNamesTest, LinksExistEvenWhenTheyLeadNowhereAndLeadToDirectories) {
    ScratchDirectory scratch;
    const std::string dangling = scratch.File("dangling");
    ASSERT_EQ(0, symlink(scratch.File("nothing").c_str(), dangling.c_str()));
    EXPECT_EQ(1, CFile::Exists(dangling.c_str()));
    EXPECT_EQ(0, CFile::IsDirectory(dangling.c_str()));
    const std::string toFolder = scratch.File("folder");
    ASSERT_EQ(0, symlink(scratch.File("").c_str(), toFolder.c_str()));
    EXPECT_EQ(1, CFile::IsDirectory(toFolder.c_str()));
    EXPECT_EQ(toFolder, FullPath(toFolder)) << "a link is kept as it is named";
}
#endif

}  // namespace
