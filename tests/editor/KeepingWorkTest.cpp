// The editor never loses work and never fails in silence: the save-changes
// question, damaged files, list files it cannot rewrite, patterns of another
// size, the pen, patterns without frames and what an export leaves out.
#include <vector>

#include "editor/grid/Playback.h"
#include "pattern/document/LedFile.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

class KeepingWorkTest : public EditorSession {
protected:
    ScratchDirectory scratch;
    std::vector<std::wstring> messages;

    // Reads a message box's text, then presses its only button.
    DialogAnswerer::Answer ReadMessage() {
        return [this](HWND box) {
            wchar_t text[1024] = L"";
            GetDlgItemTextW(box, 0xFFFF, text, 1024);
            messages.push_back(text);
            DialogAnswerer::Press(IDOK)(box);
        };
    }
    std::string Pattern(const std::string& name, int columns, int frames) {
        LedPattern pattern;
        pattern.Create(static_cast<std::uint8_t>(columns), 16);
        pattern.SetFrameCount(static_cast<std::uint32_t>(frames));
        std::string path = scratch.File(name);
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
    // A .led file of a header and frame bytes.
    std::string Damaged(const std::string& name, std::uint16_t frames, std::uint8_t rowBytes, std::uint8_t columns,
                        std::size_t frameBytes) {
        std::vector<unsigned char> bytes = {0x4C, 0x45, 0x44, 0x31, 0x00, 0x05, static_cast<unsigned char>(frames & 0xFF),
                                            static_cast<unsigned char>(frames >> 8), 16, rowBytes, columns, 0};
        bytes.resize(bytes.size() + frameBytes, 0x80);
        std::string path = scratch.File(name);
        ScratchDirectory::Write(path, bytes);
        return path;
    }
};

TEST_F(KeepingWorkTest, EscAtTheQuestionKeepsTheDrawingAndTheEditorOpen) {
    Click(CellX(0, 3), CellY(3));
    for (UINT command : {IDM_FILE_EXIT, IDM_FILE_LOAD}) {
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        Command(command);
        EXPECT_EQ(1, answerer.Answered()) << "no file dialog after Esc";
    }
    ASSERT_TRUE(IsWindow(editor.windows.mainWindow));
    EXPECT_TRUE(editor.pattern->GetPixel(0, 3, 3));
    EXPECT_TRUE(editor.history.CanUndo());
}

TEST_F(KeepingWorkTest, AReleaseOutsideTheWindowLeavesThePenUp) {
    Press(CellX(0, 1), CellY(1));
    EXPECT_EQ(editor.windows.gridWindow, GetCapture()) << "the release is seen wherever it happens";
    Release(-40, 700);
    EXPECT_EQ(nullptr, GetCapture());
    Move(CellX(0, 5), CellY(5));
    // Another window taking the mouse lifts the pen too.
    Press(CellX(0, 2), CellY(2));
    ReleaseCapture();
    Move(CellX(0, 6), CellY(6));
    EXPECT_TRUE(editor.pattern->GetPixel(0, 1, 1) && editor.pattern->GetPixel(0, 2, 2));
    EXPECT_FALSE(editor.pattern->GetPixel(0, 5, 5) || editor.pattern->GetPixel(0, 6, 6));
}

TEST_F(KeepingWorkTest, DamagedFilesAreNamedAndAShortOneLoadsWithANotice) {
    std::string five = scratch.File("five.led");
    ScratchDirectory::Write(five, std::string("LED1\x01"));
    const std::string refused[] = {five, Damaged("many.led", 65535, 2, 16, 64), Damaged("rows.led", 2, 3, 16, 64),
                                   Damaged("empty.led", 2, 0, 0, 0)};
    for (const std::string& path : refused) {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), ReadMessage()});
        Command(IDM_FILE_LOAD);
        EXPECT_EQ(L"エラー", answerer.Titles().back());
    }
    ASSERT_EQ(4u, messages.size());
    EXPECT_EQ(L"このファイルはパターンファイルではありません。", messages[0]);
    EXPECT_NE(std::wstring::npos, messages[1].find(L"65535 枚あり、扱える 2048 枚を超えています"));
    EXPECT_NE(std::wstring::npos, messages[2].find(L"1 行のバイト数が列数と合いません"));
    EXPECT_NE(std::wstring::npos, messages[3].find(L"0 x 16 ﾄﾞｯﾄ"));
    EXPECT_EQ(nullptr, editor.pattern->fileName) << "the drawing stays";

    std::string cut = Damaged("cut.led", 4, 2, 16, 2 * 32 + 5);
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(cut), ReadMessage()});
        Command(IDM_FILE_LOAD);
    }
    EXPECT_NE(std::wstring::npos, messages.back().find(L"4 枚のうち 3 枚目までで終わっています"));
    EXPECT_STREQ(cut.c_str(), editor.pattern->fileName.get());
    EXPECT_EQ(4u, editor.pattern->frameCount);
    EXPECT_TRUE(editor.pattern->modified);
}

TEST_F(KeepingWorkTest, APatternWithoutFramesSurvivesEveryCommand) {
    std::string none = Damaged("none.led", 0, 2, 16, 0);
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(none)});
        Command(IDM_FILE_LOAD);
    }
    ASSERT_STREQ(none.c_str(), editor.pattern->fileName.get());
    EXPECT_EQ(1u, editor.pattern->frameCount) << "one blank frame to draw on";
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    1 ]", Title());
    DialogAnswerer cancelEveryDialog({});
    const UINT commands[] = {IDM_FRAME_PLAY, IDM_FRAME_NEXT_PAGE, IDM_FRAME_PREVIOUS_PAGE, IDM_EDIT_COPY,
                             IDM_EDIT_PASTE, IDM_FRAME_SHIFT_UP, IDM_FRAME_SHIFT_LEFT, IDM_EDIT_INVERSE,
                             IDM_EDIT_ALL_CLEAR, IDM_FRAME_INSERT, IDM_FRAME_DELETE, IDM_FRAME_DUPLICATE,
                             IDM_EDIT_UNDO, IDM_EDIT_REDO, IDM_FRAME_EXPORT_PICTURE, IDM_FRAME_TEXT,
                             IDM_VIEW_ONE_PLANE, IDM_FRAME_PLAY};
    for (UINT command : commands) {
        Command(command);
        OnPlaybackTimer(editor);
        Click(CellX(0, 4), CellY(4));
    }
    Command(IDM_FRAME_PLAY);
    EXPECT_TRUE(IsWindow(editor.windows.mainWindow));
    EXPECT_GE(editor.pattern->frameCount, 1u);
}

TEST_F(KeepingWorkTest, BrowseReadsAnLfListAndRefusesAFileThatIsNoList) {
    std::string a = Pattern("a.led", 16, 2);
    std::string lf = scratch.File("script.ll");
    ScratchDirectory::Write(lf, a + "\n:Reset\n");
    std::string picture = scratch.File("picture.ll");
    WritePicture(picture, TestPicture(4, 4, {0, 0, 0, 255}), PictureFormat::Png);
    const std::string pictureBytes = ScratchDirectory::ReadText(picture);
    auto browse = [](HWND options) { DialogAnswerer::Press(IDC_LIST_BROWSE)(options); };
    {
        DialogAnswerer answerer({browse, DialogAnswerer::ChooseFile(lf), ReadMessage(), DialogAnswerer::Cancel()});
        Command(IDM_VIEW_OPTION);
    }
    EXPECT_EQ(2u, editor.displayList.EntryCount());
    {
        DialogAnswerer answerer({browse, DialogAnswerer::ChooseFile(picture), ReadMessage(), DialogAnswerer::Cancel()});
        Command(IDM_VIEW_OPTION);
        EXPECT_EQ(L"エラー", answerer.Titles()[2]);
    }
    EXPECT_STREQ(lf.c_str(), editor.displayList.FileName()) << "the list stays as it was";
    EXPECT_EQ(pictureBytes, ScratchDirectory::ReadText(picture)) << "left byte for byte";
    EXPECT_NE(std::wstring::npos, messages[1].find(L"リストファイルではありません"));
    {
        // Closed with Esc, the list editor writes the list back with CR LF.
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        Command(IDM_EDIT_LIST_FILE);
    }
    EXPECT_EQ(a + "\r\n:Reset\r\n", ScratchDirectory::ReadText(lf));
}

TEST_F(KeepingWorkTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheDrawingUnsaved) {
    Click(CellX(0, 3), CellY(3));
    const std::string unwritable = scratch.File("no-such-folder/drawing.led");
    editor.pattern->SetFileName(unwritable.c_str());
    {
        DialogAnswerer answerer({ReadMessage()});
        Command(IDM_FILE_SAVE);
        ASSERT_EQ(1, answerer.Answered());
        EXPECT_EQ(L"エラー", answerer.Titles()[0]);
    }
    EXPECT_NE(std::wstring::npos, messages[0].find(L"書き込めませんでした"));
    EXPECT_TRUE(editor.pattern->modified) << "still unsaved, so Exit asks again";
    EXPECT_FALSE(ScratchDirectory::Exists(unwritable));
}

TEST_F(KeepingWorkTest, ImportOfAnotherSizeThenSaveAsksForAName) {
    // One plane: a picture is a frame.
    Command(IDM_VIEW_ONE_PLANE);
    SetFrames(4);
    std::string anim = scratch.File("anim.led");
    ASSERT_TRUE(SavePatternFile(*editor.pattern, anim.c_str()));
    const std::string saved = ScratchDirectory::ReadText(anim);
    std::string wide = scratch.File("wide.png");
    WritePicture(wide, TestPicture(64, 16, {255, 255, 255, 255}), PictureFormat::Png);
    {
        // At the picture's own size, not fitted to the pattern's.
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(wide), [](HWND dialog) {
                                     SendDlgItemMessageW(dialog, IDC_IMPORT_OWN_SIZE, BM_CLICK, 0, 0);
                                     DialogAnswerer::Press(IDOK)(dialog);
                                 }});
        Command(IDM_FRAME_IMPORT_PICTURE);
    }
    ASSERT_EQ(64, editor.pattern->columns);
    EXPECT_EQ(nullptr, editor.pattern->fileName);
    {
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        Command(IDM_FILE_SAVE);
        EXPECT_EQ(1, answerer.Answered()) << "the save dialog asks for a name";
    }
    EXPECT_EQ(saved, ScratchDirectory::ReadText(anim));
}

TEST_F(KeepingWorkTest, SavingAnOddFrameCountSaysTheLastFrameIsLeftOut) {
    SetFrames(3);
    std::string odd = scratch.File("odd.led");
    ASSERT_TRUE(SavePatternFile(*editor.pattern, odd.c_str()));
    editor.displayList.SelectFile(scratch.File("list.ll").c_str(), true);
    for (UINT command : {IDM_FILE_SAVE, IDM_FILE_ADD_TO_LIST}) {
        DialogAnswerer answerer({ReadMessage()});
        Command(command);
        EXPECT_EQ(1, answerer.Answered()) << "once per save";
    }
    ASSERT_EQ(2u, messages.size());
    EXPECT_EQ(L"このパターンは 3 枚です。表示ボードは 2 枚 1 組で表示するため、\n最後の 3 枚目は Hex File に書き出されません。",
              messages[0]);
    EXPECT_EQ(messages[0], messages[1]);
}

TEST_F(KeepingWorkTest, CreateHexFileTellsWhatItLeftOut) {
    std::string list = scratch.File("show.ll");
    std::string text;
    for (const std::string& entry :
         {Pattern("a.led", 16, 2), Pattern("one.led", 16, 1), scratch.File("gone.led"), Pattern("odd.led", 16, 3),
          Pattern("wide.led", 32, 2), std::string(":Reset")})
        text += entry + "\r\n";
    for (int i = 0; i < 12; ++i) text += scratch.File("gone.led") + "\r\n";
    ScratchDirectory::Write(list, text);
    ASSERT_EQ(ListFileRead::Read, editor.displayList.SelectWholeFile(list.c_str(), false));
    std::string hex = scratch.File("show.hex");
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(hex), DialogAnswerer::Press(IDOK), ReadMessage()});
        Command(IDM_FILE_CREATE_HEX);
        EXPECT_EQ(L"確認", answerer.Titles().back());
    }
    EXPECT_TRUE(ScratchDirectory::Exists(hex)) << "the file is still written";
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"Hex File を作成しました。ただし、次のものは含まれていません:\n\n"
              L"2 行目 one.led: 1 枚しかなく、2 枚 1 組の表示になりません\n"
              L"3 行目 gone.led: ファイルを開けません\n"
              L"4 行目 odd.led: 奇数枚 (3 枚) のため、最後の 1 枚は含まれません\n"
              L"5 行目 wide.led: 大きさ 32 x 16 がリストの他のパターン (16 x 16) と違います\n"
              L"7 行目 gone.led: ファイルを開けません\n"
              L"8 行目 gone.led: ファイルを開けません\n"
              L"9 行目 gone.led: ファイルを開けません\n"
              L"10 行目 gone.led: ファイルを開けません\n"
              L"11 行目 gone.led: ファイルを開けません\n"
              L"12 行目 gone.led: ファイルを開けません\n"
              L"ほか 6 件",
              messages[0]);
}

}  // namespace
