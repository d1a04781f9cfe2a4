// The directory operations of CFile: making a folder with its parents, and
// listing the files of one.
#include "panekit/File.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"

namespace {

class DirectoryTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
};

int CollectName(const char* name, void* context) {
    static_cast<std::vector<std::string>*>(context)->push_back(name);
    return 1;
}

TEST_F(DirectoryTest, MakeDirectoryMakesEveryLevelAndListDirectoryNamesItsFiles) {
    const std::string deep = scratch.File("a/b/c");
    ASSERT_EQ(1, CFile::MakeDirectory(deep.c_str()));
    EXPECT_EQ(1, CFile::MakeDirectory(deep.c_str())) << "an existing directory is fine";
    ScratchDirectory::Write(scratch.File("a/b/c/one.recovery"), std::string("1"));
    ScratchDirectory::Write(scratch.File("a/b/two.txt"), std::string("2"));
    std::vector<std::string> names;
    ASSERT_EQ(1, CFile::ListDirectory(scratch.File("a/b").c_str(), CollectName, &names));
    EXPECT_EQ(std::vector<std::string>{"two.txt"}, names) << "files only, not the directory c";
    names.clear();
    EXPECT_EQ(0, CFile::ListDirectory(scratch.File("missing").c_str(), CollectName, &names));
    const std::string file = scratch.File("a/b/two.txt/d");
    EXPECT_EQ(0, CFile::MakeDirectory(file.c_str())) << "a file stands in the way";
}

}  // namespace
