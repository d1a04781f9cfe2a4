#include "panekit/File.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const char PatternFilter[] = "Lumigrid Data (*.led)\0*.led\0All Files (*.*)\0*.*\0";

unsigned long WriteText(CFile& file, const std::string& text) {
    return file.Write(const_cast<char*>(text.data()), static_cast<unsigned long>(text.size()));
}

std::string ReadText(CFile& file, unsigned long count) {
    std::string buffer(count, '\0');
    unsigned long got = file.Read(&buffer[0], count);
    buffer.resize(got);
    return buffer;
}

bool IsEmpty(const CFile& file) { return file.m_Filename[0] == '\0' && !file.m_Handle; }
bool IsNamed(const CFile& file, const std::string& name) {
    return name == file.m_Filename && !file.m_Handle;
}
bool IsOpen(const CFile& file, const std::string& name) {
    return name == file.m_Filename && file.m_Handle;
}

class FileTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string MakeFile(const std::string& name, const std::string& content) {
        std::string path = scratch.File(name);
        ScratchDirectory::Write(path, content);
        return path;
    }
};

TEST_F(FileTest, FreshObjectIsEmptyAndKeepsTheCallersTexts) {
    CFile file(PatternFilter);
    EXPECT_TRUE(IsEmpty(file));
    EXPECT_EQ(0u, file.m_OffsetPosition);
    EXPECT_EQ(0, file.m_Temporary);
    EXPECT_EQ(PatternFilter, file.m_Filter);
    EXPECT_EQ(nullptr, file.m_DefExt);
    EXPECT_EQ(0, file.IsOpened());
    EXPECT_EQ(file.m_Filename, file.GetFilename());
    const char extension[] = "led";
    file.SetDefExt(extension);
    EXPECT_EQ(extension, file.m_DefExt);
    EXPECT_EQ(0u, file.GetFilesize());
}

TEST_F(FileTest, WriteCloseAndReopenReadsBackFromTheStart) {
    std::string path = scratch.File("a.bin");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 0));
    EXPECT_TRUE(IsOpen(file, path));
    EXPECT_EQ(5u, WriteText(file, "hello"));
    EXPECT_EQ(5u, file.GetOffsetPosition());
    EXPECT_EQ(5u, file.GetFilesize());

    file.Close();
    EXPECT_TRUE(IsNamed(file, path));
    EXPECT_EQ(1, file.IsOpened());
    EXPECT_EQ(5u, file.m_OffsetPosition);

    ASSERT_EQ(1, file.Reopen(1));
    EXPECT_EQ(0u, file.GetOffsetPosition());
    EXPECT_EQ("hel", ReadText(file, 3));
    EXPECT_EQ(3u, file.GetOffsetPosition());
    EXPECT_EQ("lo", ReadText(file, 10));
    // At the end a read gives 0 but keeps the file.
    EXPECT_EQ("", ReadText(file, 4));
    EXPECT_TRUE(IsOpen(file, path));
    EXPECT_EQ("", ReadText(file, 4));
    EXPECT_TRUE(IsOpen(file, path));
}

TEST_F(FileTest, OpenForWritingEmptiesAnExistingFile) {
    std::string path = MakeFile("full.bin", "old content");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 0));
    EXPECT_EQ(0u, file.GetFilesize());
    file.Close();
    EXPECT_EQ("", ScratchDirectory::ReadText(path));
}

TEST_F(FileTest, UpdateInPlaceReadsAndWrites) {
    std::string path = MakeFile("u.bin", "abcdef");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 2));
    EXPECT_EQ("ab", ReadText(file, 2));
    EXPECT_EQ(2u, WriteText(file, "XY"));
    file.Close();
    EXPECT_EQ("abXYef", ScratchDirectory::ReadText(path));
}

TEST_F(FileTest, FailedOpensEmptyTheName) {
    std::string present = MakeFile("present.bin", "x");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(present.c_str(), 1));
    std::string missing = scratch.File("missing.bin");
    EXPECT_EQ(0, file.Open(missing.c_str(), 1));
    EXPECT_TRUE(IsEmpty(file));
    EXPECT_EQ(0u, file.m_OffsetPosition);

    // Update in place needs an existing file too.
    EXPECT_EQ(0, file.Open(missing.c_str(), 2));
    EXPECT_TRUE(IsEmpty(file));
    EXPECT_FALSE(ScratchDirectory::Exists(missing));

    // A directory is not a file.
    std::string directory = scratch.File("");
    EXPECT_EQ(0, file.Open(directory.c_str(), 1));
    EXPECT_TRUE(IsEmpty(file));
}

TEST_F(FileTest, NullNameChangesNothing) {
    std::string path = MakeFile("keep.bin", "abc");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    EXPECT_EQ(0, file.Open(static_cast<const char*>(nullptr), 1));
    EXPECT_TRUE(IsOpen(file, path));
    EXPECT_EQ("abc", ReadText(file, 3));
}

TEST_F(FileTest, OverlongNamesAreRefusedWithoutOverrun) {
    std::string path = MakeFile("held.bin", "abc");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    std::string overlong(CFile::FilenameCapacity, 'n');
    EXPECT_EQ(0, file.Open(overlong.c_str(), 0));
    EXPECT_TRUE(IsEmpty(file));
    EXPECT_FALSE(ScratchDirectory::Exists(overlong));
    // The file held before is let go.
    CFile other(PatternFilter);
    EXPECT_EQ(1, other.Open(path.c_str(), 1));

    std::string farTooLong(5000, 'n');
    EXPECT_EQ(0, file.Open(farTooLong.c_str(), 1));
    EXPECT_TRUE(IsEmpty(file));
}

TEST_F(FileTest, OpenAcceptsItsOwnNameBuffer) {
    std::string path = MakeFile("self.bin", "abc");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    EXPECT_EQ(1, file.Open(file.GetFilename(), 1));
    EXPECT_TRUE(IsOpen(file, path));
}

TEST_F(FileTest, FailedTransfersCloseTheFileAndEmptyTheName) {
    std::string path = MakeFile("t.bin", "data");
    {
        CFile file(PatternFilter);
        ASSERT_EQ(1, file.Open(path.c_str(), 0));
        char buffer[4];
        EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
        EXPECT_TRUE(IsEmpty(file));
        EXPECT_EQ(0u, file.m_OffsetPosition);
    }
    ScratchDirectory::Write(path, std::string("data"));
    {
        CFile file(PatternFilter);
        ASSERT_EQ(1, file.Open(path.c_str(), 1));
        EXPECT_EQ(2u, ReadText(file, 2).size());
        EXPECT_EQ(0u, WriteText(file, "zz"));
        EXPECT_TRUE(IsEmpty(file));
        EXPECT_EQ(0u, file.m_OffsetPosition);
        // The handle is really closed: the file can be had again.
        CFile other(PatternFilter);
        EXPECT_EQ(1, other.Open(path.c_str(), 1));
    }
    EXPECT_EQ("data", ScratchDirectory::ReadText(path));
    {
        CFile file(PatternFilter);
        char buffer[4];
        EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
        EXPECT_EQ(0u, file.Write(buffer, sizeof buffer));
        EXPECT_TRUE(IsEmpty(file));
    }
}

TEST_F(FileTest, OpensAreExclusive) {
    std::string path = MakeFile("shared.bin", "content");
    CFile first(PatternFilter);
    ASSERT_EQ(1, first.Open(path.c_str(), 1));
    for (int mode : {0, 1, 2}) {
        CFile second(PatternFilter);
        EXPECT_EQ(0, second.Open(path.c_str(), mode)) << "mode " << mode;
        EXPECT_TRUE(IsEmpty(second));
    }
    // The refused open for writing did not empty the file.
    EXPECT_EQ(7u, first.GetFilesize());
    first.Close();
    CFile second(PatternFilter);
    EXPECT_EQ(1, second.Open(path.c_str(), 1));
    EXPECT_EQ("content", ReadText(second, 20));
}

TEST_F(FileTest, SetPosInsideMovesAndAtOrPastTheEndRewinds) {
    std::string path = MakeFile("pos.bin", "0123456789");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    EXPECT_EQ(1, file.SetPos(4));
    EXPECT_EQ(4u, file.GetOffsetPosition());
    EXPECT_EQ("45", ReadText(file, 2));
    EXPECT_EQ(1, file.SetPos(9));
    EXPECT_EQ("9", ReadText(file, 5));

    EXPECT_EQ(0, file.SetPos(file.GetFilesize()));
    EXPECT_EQ(0u, file.GetOffsetPosition());
    EXPECT_EQ("01", ReadText(file, 2));
    EXPECT_EQ(0, file.SetPos(1000));
    EXPECT_EQ(0u, file.GetOffsetPosition());
    EXPECT_EQ("0", ReadText(file, 1));
    EXPECT_TRUE(IsOpen(file, path));
}

TEST_F(FileTest, SetPosOnAnEmptyOrClosedFile) {
    std::string empty = MakeFile("empty.bin", "");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(empty.c_str(), 1));
    EXPECT_EQ(0, file.SetPos(0));
    EXPECT_EQ(0, file.SetPos(1));

    // Named but closed: only the counted position changes.
    std::string path = MakeFile("closed.bin", "abcdef");
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    file.Close();
    EXPECT_EQ(1, file.SetPos(3));
    EXPECT_TRUE(IsNamed(file, path));
    EXPECT_EQ(3u, file.GetOffsetPosition());
}

TEST_F(FileTest, FilesizeOfANamedClosedFile) {
    std::string path = MakeFile("size.bin", "abcdef");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    ReadText(file, 2);
    file.Close();
    EXPECT_EQ(6u, file.GetFilesize());
    EXPECT_EQ(6u, file.GetSize());
    EXPECT_TRUE(IsNamed(file, path));
    EXPECT_EQ(0u, file.GetOffsetPosition());

    std::remove(path.c_str());
    EXPECT_EQ(0u, file.GetFilesize());
    EXPECT_TRUE(IsEmpty(file));
}

TEST_F(FileTest, TemporaryFilesAreUniqueAndDeletedOnClose) {
    CFile first(PatternFilter);
    CFile second(PatternFilter);
    ASSERT_EQ(1, first.OpenAsTemporary("lgt"));
    ASSERT_EQ(1, second.OpenAsTemporary("lgt"));
    EXPECT_EQ(1, first.m_Temporary);
    EXPECT_STRNE(first.m_Filename, second.m_Filename);
    std::string name = first.m_Filename;
    EXPECT_NE(std::string::npos, name.find("lgt"));
    EXPECT_TRUE(ScratchDirectory::Exists(name));

    // Open for reading and writing at once.
    EXPECT_EQ(6u, WriteText(first, "temp!!"));
    EXPECT_EQ(1, first.SetPos(0));
    EXPECT_EQ("temp!!", ReadText(first, 6));

    first.Close();
    EXPECT_FALSE(ScratchDirectory::Exists(name));
    EXPECT_TRUE(IsNamed(first, name));
    EXPECT_EQ(1, first.m_Temporary);
    first.Close();  // only tries to delete again
    EXPECT_TRUE(IsNamed(first, name));

    std::string secondName = second.m_Filename;
    ASSERT_EQ(1, second.OpenAsTemporary("lgt"));
    EXPECT_FALSE(ScratchDirectory::Exists(secondName)) << "a new temporary file replaces the old";
    second.Close();
}

TEST_F(FileTest, ReopenOfAnOpenTemporaryFileDeletesIt) {
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.OpenAsTemporary("lgr"));
    std::string name = file.m_Filename;
    EXPECT_EQ(0, file.Reopen(1));
    EXPECT_TRUE(IsEmpty(file));
    EXPECT_FALSE(ScratchDirectory::Exists(name));
    EXPECT_EQ(1, file.m_Temporary) << "a failed reopen keeps the flag";

    // Mode 0 instead creates an ordinary file of the same name.
    ASSERT_EQ(1, file.OpenAsTemporary("lgr"));
    name = file.m_Filename;
    WriteText(file, "abc");
    EXPECT_EQ(1, file.Reopen(0));
    EXPECT_EQ(0, file.m_Temporary);
    EXPECT_EQ(0u, file.GetFilesize());
    file.Close();
    EXPECT_TRUE(ScratchDirectory::Exists(name));
    std::remove(name.c_str());
}

TEST_F(FileTest, CopiesShareTheHandleWhicheverGoesFirst) {
    std::string path = scratch.File("copy.bin");
    CFile original(PatternFilter);
    ASSERT_EQ(1, original.Open(path.c_str(), 0));
    {
        CFile copy(original);
        EXPECT_EQ(original.m_Handle, copy.m_Handle);
        EXPECT_STREQ(original.m_Filename, copy.m_Filename);
        EXPECT_EQ(3u, WriteText(copy, "abc"));
    }
    // The copy went first; the original still writes to the same file.
    EXPECT_EQ(3u, WriteText(original, "def"));
    {
        CFile copy(PatternFilter);
        copy = original;
        original.Close();
        EXPECT_TRUE(IsNamed(original, path));
        EXPECT_EQ(3u, WriteText(copy, "ghi"));
        // Still held by the copy.
        CFile other(PatternFilter);
        EXPECT_EQ(0, other.Open(path.c_str(), 1));
    }
    CFile other(PatternFilter);
    ASSERT_EQ(1, other.Open(path.c_str(), 1));
    EXPECT_EQ("abcdefghi", ReadText(other, 20));
}

TEST_F(FileTest, AssignmentLetsGoOfTheFileItReplaces) {
    std::string held = MakeFile("held.bin", "1");
    std::string other = MakeFile("other.bin", "2");
    CFile a(PatternFilter);
    CFile b(PatternFilter);
    ASSERT_EQ(1, a.Open(held.c_str(), 1));
    ASSERT_EQ(1, b.Open(other.c_str(), 1));
    b = a;
    b = b;
    EXPECT_TRUE(IsOpen(b, held));
    CFile third(PatternFilter);
    EXPECT_EQ(1, third.Open(other.c_str(), 1));
}

TEST_F(FileTest, TemporaryFileOutlivesTheFirstOfTwoCopies) {
    CFile original(PatternFilter);
    ASSERT_EQ(1, original.OpenAsTemporary("lgc"));
    std::string name = original.m_Filename;
    CFile copy(original);
    original.Close();
    EXPECT_TRUE(ScratchDirectory::Exists(name));
    EXPECT_EQ(2u, WriteText(copy, "ok"));
    copy.Close();
    EXPECT_FALSE(ScratchDirectory::Exists(name));
}

// A copy closed and then destroyed lets go once: its second Close must not
// delete the file the other copy still writes.
TEST_F(FileTest, ACopyThatHasLetGoDeletesNothing) {
    CFile original(PatternFilter);
    ASSERT_EQ(1, original.OpenAsTemporary("lgd"));
    std::string name = original.m_Filename;
    {
        CFile copy(original);
        copy.Close();
    }
    EXPECT_TRUE(ScratchDirectory::Exists(name));
    EXPECT_EQ(2u, WriteText(original, "ok"));
    original.Close();
    EXPECT_FALSE(ScratchDirectory::Exists(name));
}

TEST_F(FileTest, ReplaceTargetPutsAFinishedFileInPlace) {
    std::string target = MakeFile("doc.led", "old");
    std::string fresh = scratch.File("doc.led.new");
    CFile file(PatternFilter);
    ASSERT_EQ(1, file.Open(fresh.c_str(), 0));
    WriteText(file, "new content");
    EXPECT_EQ(0, file.ReplaceTarget(target.c_str())) << "an open file is not moved";
    EXPECT_EQ("old", ScratchDirectory::ReadText(target));
    file.Close();
    ASSERT_EQ(1, file.ReplaceTarget(target.c_str()));
    EXPECT_TRUE(IsNamed(file, target));
    EXPECT_EQ("new content", ScratchDirectory::ReadText(target));
    EXPECT_FALSE(ScratchDirectory::Exists(fresh));

    std::string nowhere = scratch.File("no/such/dir.led");
    EXPECT_EQ(0, file.ReplaceTarget(nowhere.c_str()));
    EXPECT_TRUE(IsNamed(file, target));

    EXPECT_EQ(1, file.Delete());
    EXPECT_FALSE(ScratchDirectory::Exists(target));
    EXPECT_EQ(0, file.Delete());
}

#ifndef _WIN32
TEST_F(FileTest, WithoutADialogTheChoiceCountsAsCancelled) {
    std::string path = MakeFile("kept.bin", "x");
    CFile file(PatternFilter);
    char buffer[CFile::FilenameCapacity] = "unchanged";
    EXPECT_EQ(0, file.ShowDialog(nullptr, buffer, 0));
    EXPECT_STREQ("unchanged", buffer);
    EXPECT_EQ(-1, file.Open(static_cast<HWND>(nullptr), 1));
    EXPECT_TRUE(IsEmpty(file));
    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    EXPECT_EQ(-1, file.Open(static_cast<HWND>(nullptr), 0));
    EXPECT_TRUE(IsOpen(file, path));
}
#endif

#ifdef _WIN32
// The real common dialogs, answered by a person's actions.
TEST_F(FileTest, CancelledDialogLeavesTheObjectAsItWas) {
    std::string path = MakeFile("kept.bin", "x");
    CFile file(PatternFilter);
    {
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        EXPECT_EQ(-1, file.Open(static_cast<HWND>(nullptr), 1));
        EXPECT_EQ(1, answerer.Answered());
    }
    EXPECT_TRUE(IsEmpty(file));

    ASSERT_EQ(1, file.Open(path.c_str(), 1));
    {
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        EXPECT_EQ(-1, file.Open(static_cast<HWND>(nullptr), 0));
    }
    EXPECT_TRUE(IsOpen(file, path));

    char buffer[CFile::FilenameCapacity] = "unchanged";
    {
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        EXPECT_EQ(0, file.ShowDialog(nullptr, buffer, 1));
    }
    EXPECT_STREQ("unchanged", buffer);
}

TEST_F(FileTest, OpenDialogOpensTheChosenFile) {
    std::string path = MakeFile("chosen.led", "abc");
    CFile file(PatternFilter);
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path)});
    ASSERT_EQ(1, file.Open(static_cast<HWND>(nullptr), 1));
    EXPECT_TRUE(IsOpen(file, path));
    EXPECT_EQ("abc", ReadText(file, 10));
}

TEST_F(FileTest, SaveDialogAddsTheDefaultExtensionAndCreatesTheFile) {
    std::string typed = scratch.File("fresh");
    CFile file(PatternFilter);
    file.SetDefExt("led");
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(typed)});
    ASSERT_EQ(1, file.Open(static_cast<HWND>(nullptr), 0));
    EXPECT_TRUE(IsOpen(file, typed + ".led"));
    EXPECT_EQ(0u, file.GetFilesize());
}

TEST_F(FileTest, SaveDialogOnAnExistingFileAsksThenEmptiesIt) {
    std::string path = MakeFile("existing.led", "old content");
    CFile file(PatternFilter);
    // The dialog, then its overwrite question.
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), DialogAnswerer::Press(IDYES)});
    ASSERT_EQ(1, file.Open(static_cast<HWND>(nullptr), 0));
    EXPECT_EQ(2, answerer.Answered());
    EXPECT_TRUE(IsOpen(file, path));
    EXPECT_EQ(0u, file.GetFilesize()) << "emptied by the open, before anything is written";
}

TEST_F(FileTest, ChosenFileThatCannotBeOpenedEmptiesTheName) {
    std::string path = MakeFile("busy.led", "abc");
    CFile holder(PatternFilter);
    ASSERT_EQ(1, holder.Open(path.c_str(), 1));
    CFile file(PatternFilter);
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path)});
    EXPECT_EQ(0, file.Open(static_cast<HWND>(nullptr), 1));
    EXPECT_TRUE(IsEmpty(file));
}
#endif

}  // namespace
