#include "pattern/list/DisplayList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/DirectoryListing.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<std::string> Texts;

Texts EntriesOf(const DisplayList& list) {
    Texts texts;
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next) texts.push_back(entry->text.get());
    return texts;
}

class DisplayListTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    // The entries a list file of these bytes loads as.
    Texts LoadedFrom(const std::string& bytes) {
        std::string path = scratch.File("read.ll");
        ScratchDirectory::Write(path, bytes);
        DisplayList list;
        EXPECT_TRUE(list.SelectFile(path.c_str(), false));
        return EntriesOf(list);
    }
};

TEST_F(DisplayListTest, WithoutAListFileNothingIsAdded) {
    DisplayList list;
    EXPECT_FALSE(list.IsSelected());
    EXPECT_STREQ("", list.FileName());
    EXPECT_FALSE(list.Add("C:\\p\\a.led", false));
    EXPECT_FALSE(list.Save());
    EXPECT_EQ(nullptr, list.first);
}

TEST_F(DisplayListTest, SavedEntriesEndInCarriageReturnLineFeed) {
    std::string path = scratch.File("new.ll");
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(path.c_str(), true));
    EXPECT_EQ(path, list.FileName());
    EXPECT_TRUE(list.Add("C:\\p\\a.led", false));
    EXPECT_TRUE(list.Add(":Reset", true));
    EXPECT_EQ("C:\\p\\a.led\r\n:Reset\r\n", ScratchDirectory::ReadText(path));
    EXPECT_FALSE(list.Add("", true));
    EXPECT_FALSE(list.Add("C:\\p\\b.led\r\nC:\\p\\c.led", true));
    EXPECT_FALSE(list.Add("C:\\p\\b\n.led", true));
    EXPECT_EQ("C:\\p\\a.led\r\n:Reset\r\n", ScratchDirectory::ReadText(path));
    EXPECT_EQ(2u, list.EntryCount());
    EXPECT_TRUE(list.last->IsReset());
    EXPECT_FALSE(list.first->IsReset());

    list.Clear();
    EXPECT_EQ(nullptr, list.first);
    EXPECT_EQ(nullptr, list.last);
    ASSERT_TRUE(list.Save());
    EXPECT_EQ("", ScratchDirectory::ReadText(path));
    EXPECT_EQ((std::vector<std::string>{"new.ll"}), NamesIn(scratch));
}

TEST_F(DisplayListTest, ReadingRules) {
    EXPECT_EQ((Texts{"A", "B"}), LoadedFrom("A\r\n\r\nB\r\n"));
    EXPECT_EQ((Texts{"A"}), LoadedFrom("A\r\nB"));
    EXPECT_EQ((Texts{"A", "B"}), LoadedFrom("A\rB\r"));
    // Lists written by scripts end their lines with LF alone.
    EXPECT_EQ((Texts{"A", "B"}), LoadedFrom("A\nB\n"));
    EXPECT_EQ((Texts{"ab", "cd"}), LoadedFrom("ab\ncd\r"));
    EXPECT_EQ((Texts{"A", "B", "C"}), LoadedFrom("A\n\rB\r\n\nC\n"));
    EXPECT_EQ(Texts{}, LoadedFrom(""));
    EXPECT_EQ((Texts{":Reset", ":reset"}), LoadedFrom(":Reset\r\n:reset\r\n"));
}

TEST_F(DisplayListTest, OverlongLinesAreSkippedWhole) {
    const std::string longest(DisplayList::MaxLineLength, 'x');
    const std::string tooLong(DisplayList::MaxLineLength + 1, 'y');
    const std::string huge(20000, 'z');
    EXPECT_EQ((Texts{"a", longest, "b", "c"}),
              LoadedFrom("a\r\n" + longest + "\r\n" + tooLong + "\r\nb\r\n" + huge + "\r\nc\r\n"));
    // LF ends the line, so a line broken by LF bytes is no longer too long.
    EXPECT_EQ((Texts{longest.substr(0, 10), longest.substr(10)}),
              LoadedFrom(longest.substr(0, 10) + "\n\n" + longest.substr(10) + "\r"));
    // A NUL would cut the name: the line is skipped as well.
    EXPECT_EQ((Texts{"d"}), LoadedFrom(std::string("ab\0c\r\nd\r\n", 9)));

    std::string path = scratch.File("long.ll");
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(path.c_str(), true));
    EXPECT_FALSE(list.Add(tooLong.c_str(), false));
    EXPECT_TRUE(list.Add(longest.c_str(), false));
}

TEST_F(DisplayListTest, LoadAppendsAndSelectingAnotherFileReplaces) {
    std::string first = scratch.File("first.ll");
    std::string second = scratch.File("second.ll");
    ScratchDirectory::Write(first, std::string("a.led\r\n"));
    ScratchDirectory::Write(second, std::string("b.led\r\n:Reset\r\n"));
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(first.c_str(), false));
    EXPECT_TRUE(list.Load());
    EXPECT_EQ((Texts{"a.led", "a.led"}), EntriesOf(list));
    ASSERT_TRUE(list.SelectFile(second.c_str(), false));
    EXPECT_EQ((Texts{"b.led", ":Reset"}), EntriesOf(list));

    // A file that cannot be opened changes nothing.
    EXPECT_FALSE(list.SelectFile(scratch.File("missing.ll").c_str(), false));
    EXPECT_EQ(second, list.FileName());
    EXPECT_EQ((Texts{"b.led", ":Reset"}), EntriesOf(list));

    // Creating empties an existing file and the list.
    ASSERT_TRUE(list.SelectFile(first.c_str(), true));
    EXPECT_EQ(Texts{}, EntriesOf(list));
    EXPECT_EQ("", ScratchDirectory::ReadText(first));

    list.Release();
    EXPECT_FALSE(list.IsSelected());
    EXPECT_FALSE(list.Add("c.led", false));
}

TEST_F(DisplayListTest, AFailedRewriteKeepsTheOldListFile) {
    std::string path = scratch.File("kept.ll");
    const std::string old = "old.led\r\n:Reset\r\n";
    ScratchDirectory::Write(path, old);
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(path.c_str(), false));
    list.Add(std::string(3000, 'n').c_str(), false);

#ifndef _WIN32
    {
        FileSizeLimit fullDisk(100);
        EXPECT_FALSE(list.Save());
        EXPECT_TRUE(list.WriteFailed());
        EXPECT_FALSE(list.Add("more.led", true));
        EXPECT_TRUE(list.WriteFailed());
    }
    EXPECT_EQ(old, ScratchDirectory::ReadText(path));
    EXPECT_EQ((std::vector<std::string>{"kept.ll"}), NamesIn(scratch));
    // The list file is still the selected one and the entries stay, but for
    // the one that could not be stored.
    EXPECT_TRUE(list.IsSelected());
    EXPECT_EQ((Texts{"old.led", ":Reset", std::string(3000, 'n')}), EntriesOf(list));
    // Once the disk has room again the next write succeeds.
    EXPECT_TRUE(list.Add("more.led", true));
    EXPECT_FALSE(list.WriteFailed());
    EXPECT_EQ(old + std::string(3000, 'n') + "\r\nmore.led\r\n", ScratchDirectory::ReadText(path));
#endif

    // The list file's place is taken by a directory: nothing can replace it.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(list.Save());
    EXPECT_TRUE(list.WriteFailed());
    EXPECT_FALSE(list.Add("two\nlines.led", true));
    EXPECT_FALSE(list.WriteFailed()) << "a refused entry is not reported as a failed write";
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ((std::vector<std::string>{"kept.ll"}), NamesIn(scratch));
}

TEST_F(DisplayListTest, RewriteReplacesTheEntriesOnlyWhenTheFileTakesThem) {
    std::string path = scratch.File("edited.ll");
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(path.c_str(), true));
    list.Add("a.led", false);
    list.Add("b.led", true);
    EXPECT_TRUE(list.Rewrite({"b.led", ":Reset", "bad\nname", "a.led"}));
    EXPECT_EQ((Texts{"b.led", ":Reset", "a.led"}), EntriesOf(list)) << "what Add refuses is left out";
    EXPECT_EQ("b.led\r\n:Reset\r\na.led\r\n", ScratchDirectory::ReadText(path));

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(list.Rewrite({"c.led"}));
    EXPECT_TRUE(list.WriteFailed());
    EXPECT_EQ((Texts{"b.led", ":Reset", "a.led"}), EntriesOf(list)) << "the entries stay as they were";
    EXPECT_TRUE(list.IsSelected());

    DisplayList none;
    EXPECT_FALSE(none.Rewrite({"c.led"}));
    EXPECT_FALSE(none.WriteFailed()) << "no list is not a failed write";
}

TEST_F(DisplayListTest, AFileNotReadWholeIsNeverTakenForEditing) {
    std::string kept = scratch.File("kept.ll");
    ScratchDirectory::Write(kept, std::string("a.led\r\n"));
    DisplayList list;
    ASSERT_EQ(ListFileRead::Read, list.SelectWholeFile(kept.c_str(), false));
    EXPECT_FALSE(list.LeftTextOut());

    const std::string refused[] = {
        "b.led\r\nunended",                          // text after the last line end
        std::string(4096, 'x') + "\n",               // a line too long
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),   // not a text at all
    };
    std::string other = scratch.File("other.ll");
    for (const std::string& bytes : refused) {
        ScratchDirectory::Write(other, bytes);
        EXPECT_EQ(ListFileRead::NotAList, list.SelectWholeFile(other.c_str(), false));
        EXPECT_EQ(kept, list.FileName());
        EXPECT_EQ((Texts{"a.led"}), EntriesOf(list));
        EXPECT_EQ(bytes, ScratchDirectory::ReadText(other));
    }
    EXPECT_EQ(ListFileRead::CannotOpen, list.SelectWholeFile(scratch.File("missing.ll").c_str(), false));
    EXPECT_EQ(kept, list.FileName());

    // An LF list is taken and written back with CR LF.
    ScratchDirectory::Write(other, std::string("b.led\n:Reset\n"));
    ASSERT_EQ(ListFileRead::Read, list.SelectWholeFile(other.c_str(), false));
    EXPECT_TRUE(list.Add("c.led", true));
    EXPECT_EQ("b.led\r\n:Reset\r\nc.led\r\n", ScratchDirectory::ReadText(other));
}

TEST_F(DisplayListTest, AManyThousandEntryListLoadsAndClears) {
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "p.led\r";
    Texts entries = LoadedFrom(text);
    EXPECT_EQ(200000u, entries.size());
}

}  // namespace
