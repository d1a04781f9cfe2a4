// Work that survives a crash: the copy of unsaved work, when it is written
// and removed, and the offer at start-up of what an ended editor left.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "editor/document/RecoveryKeeping.h"
#include "pattern/files/RecoveryFile.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// A process id no editor has while the tests run.
const RecoveryOwner EndedEditor = {0x7ffffff0, 1};

class RecoveryTest : public EditorSession {
protected:
    ScratchDirectory scratch;
    std::string folder = scratch.File("Recovery");

    void SetUp() override {
        UseRecoveryFolder(folder);
        EditorSession::SetUp();
    }
    void TearDown() override {
        EditorSession::TearDown();
        UseRecoveryFolder("");
    }
    static void Tick() { SendMessageW(editor.windows.mainWindow, WM_TIMER, RecoveryTimer, 0); }
    static bool CopyExists() { return ScratchDirectory::Exists(editor.recovery.path); }
    static std::wstring FilePart() {
        wchar_t text[256] = L"";
        SendMessageW(editor.windows.statusBar, SB_GETTEXTW, 5, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // A copy left by an ended editor: a 16 x 16 pattern with LED (x, x) lit.
    std::string Leftover(RecoveryOwner owner, std::int64_t writtenAt, int x, const char* name) {
        LedPattern pattern;
        pattern.Create(16, 16);
        pattern.SetFrameCount(2);
        pattern.SetPixel(1, static_cast<unsigned>(x), static_cast<unsigned>(x));
        MakeRecoveryFolder(folder);
        const std::string path = RecoveryPath(folder, RecoveryFileName(owner));
        EXPECT_TRUE(WriteRecoveryFile(path.c_str(), pattern, {owner, writtenAt, name}));
        return path;
    }
};

TEST_F(RecoveryTest, UnsavedWorkIsCopiedOnlyAfterAChangeAndTheCopyGoesWithASave) {
    Tick();
    EXPECT_FALSE(CopyExists()) << "nothing unsaved, nothing copied";
    Click(CellX(0, 3), CellY(4));
    Tick();
    ASSERT_TRUE(CopyExists());
    RecoveryLoadResult copy = ReadRecoveryFile(editor.recovery.path.c_str());
    ASSERT_TRUE(copy.loaded.pattern);
    EXPECT_TRUE(copy.loaded.pattern->GetPixel(0, 3, 4));
    EXPECT_TRUE(copy.record.owner == ThisEditor());

    std::remove(editor.recovery.path.c_str());
    Tick();
    EXPECT_FALSE(CopyExists()) << "no change since the last copy";
    Click(CellX(0, 5), CellY(5));
    Tick();
    EXPECT_TRUE(CopyExists());

    const std::string saved = scratch.File("art.led");
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(saved), DialogAnswerer::Press(IDOK)});
        Command(IDM_FILE_SAVE_AS);
    }
    EXPECT_FALSE(CopyExists()) << "saved work needs no copy";
    EXPECT_EQ(L"art.led", FilePart());
}

TEST_F(RecoveryTest, NoAtTheQuestionAndACleanExitRemoveTheCopy) {
    Click(CellX(0, 1), CellY(1));
    Tick();
    ASSERT_TRUE(CopyExists());
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDNO), DialogAnswerer::Cancel()});
        Command(IDM_FILE_LOAD);
    }
    EXPECT_FALSE(CopyExists());
    Tick();
    ASSERT_TRUE(CopyExists()) << "the load was cancelled: the changes are still unsaved";
    const std::string path = editor.recovery.path;
    DestroyWindow(editor.windows.mainWindow);
    DrainMessages();
    ::TearDown();
    EXPECT_FALSE(ScratchDirectory::Exists(path));
    ASSERT_TRUE(StartUp(GetModuleHandleW(nullptr)));
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsOneQuietLineInTheStatusBar) {
    ScratchDirectory::Write(folder, std::string("a file where the folder should be"));
    Click(CellX(0, 1), CellY(1));
    DialogAnswerer answerer({});
    Tick();
    EXPECT_EQ(0, answerer.Answered()) << "no message while drawing";
    EXPECT_NE(std::wstring::npos, FilePart().find(L"復元用"));
    EXPECT_EQ(0u, FilePart().find(L"(無題) *"));
}

TEST_F(RecoveryTest, TheNewestLeftoverIsOfferedAndYesRestoresItUnsavedUnderItsName) {
    const std::string older = Leftover({0x7ffffff1, 1}, 1000, 2, "C:\\old.led");
    const std::string newest = Leftover(EndedEditor, 2000, 7, "C:\\signs\\art.led");
    std::wstring text;
    {
        DialogAnswerer answerer({[&](HWND dialog) {
            text = DialogAnswerer::Text(dialog, IDC_RECOVERY_TEXT);
            DialogAnswerer::Press(IDYES)(dialog);
        }});
        OfferRecovery();
        ASSERT_EQ(1, answerer.Answered());
        EXPECT_EQ(L"復元の確認", answerer.Titles()[0]);
    }
    EXPECT_NE(std::wstring::npos, text.find(L"C:\\signs\\art.led"));
    const LedPattern& pattern = *editor.pattern;
    EXPECT_TRUE(pattern.GetPixel(1, 7, 7));
    EXPECT_TRUE(pattern.modified);
    EXPECT_STREQ("C:\\signs\\art.led", pattern.fileName.get());
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    2 ]", Title());
    EXPECT_FALSE(ScratchDirectory::Exists(newest)) << "this editor now holds the copy";
    EXPECT_TRUE(CopyExists());
    EXPECT_TRUE(ScratchDirectory::Exists(older));
}

TEST_F(RecoveryTest, NoKeepsTheLeftoversDiscardDeletesThemAndLiveEditorsAreLeftAlone) {
    const std::string live = Leftover(ThisEditor(), 3000, 1, "");
    DialogAnswerer none({});
    OfferRecovery();
    EXPECT_EQ(0, none.Answered()) << "the copy of a running editor is not offered";

    const std::string ended = Leftover(EndedEditor, 1000, 3, "");
    for (int answer : {IDNO, IDC_RECOVERY_DISCARD}) {
        DialogAnswerer answerer({DialogAnswerer::Press(answer)});
        OfferRecovery();
        EXPECT_EQ(1, answerer.Answered());
        EXPECT_FALSE(editor.pattern->modified) << "the start-up pattern stays";
    }
    EXPECT_FALSE(ScratchDirectory::Exists(ended));
    EXPECT_TRUE(ScratchDirectory::Exists(live));
}

TEST_F(RecoveryTest, ADamagedLeftoverIsRefusedWithAMessageAndKept) {
    const std::string path = Leftover(EndedEditor, 1000, 3, "");
    std::vector<unsigned char> bytes = ScratchDirectory::Read(path);
    bytes[30] = 'X';  // the pattern file's magic
    ScratchDirectory::Write(path, bytes);
    std::wstring message;
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDYES), [&](HWND box) {
                                     message = DialogAnswerer::Text(box, 0xFFFF);
                                     DialogAnswerer::Press(IDOK)(box);
                                 }});
        OfferRecovery();
        EXPECT_EQ(2, answerer.Answered());
    }
    EXPECT_EQ(L"このファイルはパターンファイルではありません。", message);
    EXPECT_FALSE(editor.pattern->modified);
    EXPECT_TRUE(ScratchDirectory::Exists(path));
}

}  // namespace
