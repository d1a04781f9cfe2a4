// The editor as a workbench: undo and redo, the frame tools, pictures in and
// out, and Play, driven as the other editor tests are.
#include "editor/dialogs/PictureImportDialog.h"
#include "editor/grid/Playback.h"
#include "pattern/document/LedFile.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

class WorkbenchTest : public EditorSession {
protected:
    ScratchDirectory scratch;

    static bool Lit(std::uint32_t frame, unsigned x, unsigned y) { return editor.pattern->GetPixel(frame, x, y); }
    static bool CanUndo() { return OpenMenu(), !MenuGreyed(IDM_EDIT_UNDO); }
    static bool CanRedo() { return OpenMenu(), !MenuGreyed(IDM_EDIT_REDO); }
    // A drag over cells of row y of view 0, from press to release.
    static void Stroke(std::initializer_list<int> columns, int row) {
        bool first = true;
        for (int column : columns) {
            if (first) Press(CellX(0, column), CellY(row));
            else Move(CellX(0, column), CellY(row));
            first = false;
        }
        Release(CellX(0, *(columns.end() - 1)), CellY(row));
    }
    static DialogAnswerer::Answer SetFrameCount(const wchar_t* count) {
        return [count](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_FRAME_COUNT, count);
            DialogAnswerer::Press(IDOK)(dialog);
        };
    }
    static MSG Message(HWND window, UINT message, WPARAM wParam) {
        MSG m = {};
        m.hwnd = window;
        m.message = message;
        m.wParam = wParam;
        return m;
    }
};

TEST_F(WorkbenchTest, UndoAndRedoAcrossAStrokeAPasteAndAFrameCountChange) {
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(CanRedo());
    Stroke({1, 2, 3}, 1);
    Command(IDM_EDIT_COPY);
    RightClick(100, 100);
    Command(IDM_EDIT_PASTE);
    {
        DialogAnswerer answerer({SetFrameCount(L"6")});
        Command(IDM_VIEW_OPTION);
    }
    ASSERT_EQ(6u, editor.pattern->frameCount);

    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(2u, editor.pattern->frameCount);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    2 ]", Title());
    EXPECT_FALSE(IsWindowEnabled(Trackbar()));
    EXPECT_TRUE(Lit(1, 2, 1));
    Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(Lit(1, 2, 1)) << "the paste is undone";
    EXPECT_TRUE(Lit(0, 3, 1));
    Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(Lit(0, 1, 1) || Lit(0, 2, 1) || Lit(0, 3, 1)) << "the whole stroke at once";
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(editor.pattern->modified);

    Command(IDM_EDIT_REDO);
    EXPECT_TRUE(Lit(0, 1, 1) && Lit(0, 2, 1) && Lit(0, 3, 1));
    Command(IDM_EDIT_REDO);
    EXPECT_TRUE(Lit(1, 3, 1));
    Command(IDM_EDIT_REDO);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    6 ]", Title());
    EXPECT_FALSE(CanRedo());
    EXPECT_TRUE(CanUndo());
}

TEST_F(WorkbenchTest, ModifiedFlagAtTheSavedStateAndLoadForgetsTheHistory) {
    Click(CellX(0, 0), CellY(0));
    std::string path = scratch.File("saved.led");
    ASSERT_TRUE(SavePatternFile(*editor.pattern, path.c_str()));
    Click(CellX(0, 1), CellY(0));
    EXPECT_TRUE(editor.pattern->modified);
    Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(editor.pattern->modified) << "back at the saved state";
    Command(IDM_EDIT_UNDO);
    EXPECT_TRUE(editor.pattern->modified);
    Command(IDM_EDIT_REDO);
    EXPECT_FALSE(editor.pattern->modified);
    Command(IDM_EDIT_REDO);
    EXPECT_TRUE(editor.pattern->modified) << "a step past it";
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDNO), DialogAnswerer::ChooseFile(path)});
        Command(IDM_FILE_LOAD);
    }
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(CanRedo());
    Command(IDM_EDIT_UNDO);
    EXPECT_TRUE(Lit(0, 0, 0));
}

TEST_F(WorkbenchTest, AHundredStepsAndNoMore) {
    for (int i = 0; i < 105; ++i) Click(CellX(0, i % 16), CellY(i / 16));
    for (int i = 0; i < 100; ++i) Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(CanUndo());
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Lit(0, i, 0)) << "the five oldest strokes stay";
    EXPECT_FALSE(Lit(0, 5, 0));
    EXPECT_TRUE(editor.pattern->modified);
}

TEST_F(WorkbenchTest, ShiftsDropTheLedsAtTheEdgeOfTheEditedFrame) {
    RightClick(100, 100);  // view 1, frame 1
    for (int x : {0, 15}) {
        Click(CellX(1, x), CellY(0));
        Click(CellX(1, x), CellY(15));
    }
    Command(IDM_FRAME_SHIFT_LEFT);
    EXPECT_FALSE(Lit(1, 0, 0));
    EXPECT_TRUE(Lit(1, 14, 0) && Lit(1, 14, 15));
    EXPECT_FALSE(Lit(1, 15, 0));
    Command(IDM_FRAME_SHIFT_UP);
    EXPECT_TRUE(Lit(1, 14, 14));
    EXPECT_FALSE(Lit(1, 14, 0) || Lit(1, 14, 15));
    Command(IDM_FRAME_SHIFT_RIGHT);
    Command(IDM_FRAME_SHIFT_DOWN);
    EXPECT_TRUE(Lit(1, 15, 15));
    EXPECT_FALSE(Lit(1, 0, 0) || Lit(1, 15, 0) || Lit(1, 0, 15));
    EXPECT_FALSE(Lit(0, 15, 15)) << "frame 0 is not the target";
    for (int i = 0; i < 4; ++i) Command(IDM_EDIT_UNDO);
    EXPECT_TRUE(Lit(1, 0, 0) && Lit(1, 15, 0) && Lit(1, 0, 15) && Lit(1, 15, 15));
    EXPECT_EQ(1, editor.targetPlane) << "undo shows the frame it changed";
}

TEST_F(WorkbenchTest, InsertDuplicateAndDeleteWithTheSliderFollowing) {
    Click(CellX(0, 4), CellY(4));
    Command(IDM_FRAME_INSERT);
    EXPECT_EQ(3u, editor.pattern->frameCount);
    EXPECT_FALSE(Lit(0, 4, 4));
    EXPECT_TRUE(Lit(1, 4, 4));
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    3 ]", Title());
    EXPECT_TRUE(IsWindowEnabled(Trackbar()));
    RightClick(100, 100);
    Command(IDM_FRAME_DUPLICATE);
    EXPECT_EQ(4u, editor.pattern->frameCount);
    EXPECT_TRUE(Lit(2, 4, 4));
    EXPECT_EQ(1, editor.targetPlane) << "the frame duplicated stays the edited one";

    // Deleting the last frames one by one, down to one frame and no further.
    MoveSlider(1);
    RightClick(100, 100);
    ASSERT_EQ(3, editor.firstFrame + editor.targetPlane);
    Command(IDM_FRAME_DELETE);
    EXPECT_EQ(3u, editor.pattern->frameCount);
    EXPECT_EQ(2, editor.firstFrame + editor.targetPlane) << "the frame before the last takes its place";
    Command(IDM_FRAME_DELETE);
    Command(IDM_FRAME_DELETE);
    EXPECT_EQ(1u, editor.pattern->frameCount);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    1 ]", Title());
    OpenMenu();
    EXPECT_TRUE(MenuGreyed(IDM_FRAME_DELETE));
    Command(IDM_FRAME_DELETE);
    EXPECT_EQ(1u, editor.pattern->frameCount);
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(2u, editor.pattern->frameCount);
}

TEST_F(WorkbenchTest, NoFrameIsInsertedBeyond2048) {
    SetFrames(2048);
    OpenMenu();
    EXPECT_TRUE(MenuGreyed(IDM_FRAME_INSERT));
    EXPECT_TRUE(MenuGreyed(IDM_FRAME_DUPLICATE));
    Command(IDM_FRAME_INSERT);
    Command(IDM_FRAME_DUPLICATE);
    EXPECT_EQ(2048u, editor.pattern->frameCount);
    EXPECT_FALSE(CanUndo());
    Command(IDM_FRAME_DELETE);
    OpenMenu();
    EXPECT_FALSE(MenuGreyed(IDM_FRAME_INSERT));
}

TEST_F(WorkbenchTest, PageDownAndPageUpStepTheSlider) {
    SetFrames(5);
    MSG pageDown = Message(editor.windows.gridWindow, WM_KEYDOWN, VK_NEXT);
    EXPECT_TRUE(HandleBeforeDispatch(pageDown)) << "the shortcut";
    EXPECT_EQ(2, editor.firstFrame);
    EXPECT_EQ(1, SliderPosition());
    Command(IDM_FRAME_NEXT_PAGE);
    Command(IDM_FRAME_NEXT_PAGE);
    EXPECT_EQ(4, editor.firstFrame) << "no page after the last";
    EXPECT_EQ(L"Lumigrid ver 1.0  [    4 /    5 ]", Title());
    Command(IDM_FRAME_PREVIOUS_PAGE);
    EXPECT_EQ(2, editor.firstFrame);
}

TEST_F(WorkbenchTest, ImportReplacesTheFramesAtThePicturesSize) {
    // One plane: a picture is a frame.
    Command(IDM_VIEW_ONE_PLANE);
    // 20 x 10: white on the top row, mid grey below; threshold 200 lights the top row only.
    TestPicture picture(20, 10, {150, 150, 150, 255});
    for (int x = 0; x < 20; ++x) picture.At(x, 0) = {255, 255, 255, 255};
    std::string path = scratch.File("top.png");
    WritePicture(path, picture, PictureFormat::Png);
    Click(CellX(0, 7), CellY(7));
    std::wstring summary, inverted;
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDNO), DialogAnswerer::ChooseFile(path), [&](HWND dialog) {
                                     SendDlgItemMessageW(dialog, IDC_IMPORT_OWN_SIZE, BM_CLICK, 0, 0);
                                     wchar_t text[512] = L"";
                                     GetDlgItemTextW(dialog, IDC_IMPORT_SUMMARY, text, 512);
                                     summary = text;
                                     SetDlgItemTextW(dialog, IDC_IMPORT_THRESHOLD, L"200");
                                     SendDlgItemMessageW(dialog, IDC_IMPORT_INVERT, BM_CLICK, 0, 0);
                                     SendDlgItemMessageW(dialog, IDC_IMPORT_INVERT, BM_CLICK, 0, 0);
                                     DialogAnswerer::Press(IDOK)(dialog);
                                 }});
        Command(IDM_FRAME_IMPORT_PICTURE);
        EXPECT_EQ(L"画像の読み込み", answerer.Titles().back());
        EXPECT_EQ(L"確認", answerer.Titles()[0]) << "the changes drawn are asked about first, as Load asks";
    }
    EXPECT_EQ(L"20 x 10 ﾄﾞｯﾄ、1 枚", summary);
    ASSERT_EQ(20, editor.pattern->columns);
    EXPECT_EQ(10, editor.pattern->rows);
    EXPECT_EQ(1u, editor.pattern->frameCount);
    EXPECT_TRUE(Lit(0, 0, 0) && Lit(0, 19, 0));
    EXPECT_FALSE(Lit(0, 0, 1) || Lit(0, 19, 9));
    EXPECT_EQ(20 * editor.views[0].cellWidth, editor.views[0].right - editor.views[0].left)
        << "laid out for the picture's size";
    EXPECT_TRUE(editor.pattern->modified);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    1 ]", Title());

    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(16, editor.pattern->columns);
    EXPECT_EQ(2u, editor.pattern->frameCount);
    EXPECT_TRUE(Lit(0, 7, 7));
    EXPECT_EQ(20, editor.views[0].cellWidth);
    Command(IDM_EDIT_REDO);
    EXPECT_EQ(20, editor.pattern->columns);
}

TEST_F(WorkbenchTest, ADamagedPictureCannotBeConfirmed) {
    std::string path = scratch.File("bad.png");
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fputs("not a picture", file);
        std::fclose(file);
    }
    bool okEnabled = true;
    std::wstring summary;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), [&](HWND dialog) {
                                 okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
                                 wchar_t text[512] = L"";
                                 GetDlgItemTextW(dialog, IDC_IMPORT_SUMMARY, text, 512);
                                 summary = text;
                                 DialogAnswerer::Press(IDOK)(dialog);
                                 DialogAnswerer::Cancel()(dialog);
                             }});
    Command(IDM_FRAME_IMPORT_PICTURE);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(L"「bad.png」を読み込めません。PNG、BMP、GIF、JPEG の画像でないか、壊れています。", summary);
    EXPECT_EQ(16, editor.pattern->columns);
    EXPECT_FALSE(CanUndo());
}

TEST_F(WorkbenchTest, MultipleSelectionGivesEveryPathByName) {
    const char buffer[] = "Z:\\tmp\\shots\0frame2.png\0frame1.png\0";
    EXPECT_EQ((std::vector<std::string>{"Z:\\tmp\\shots\\frame1.png", "Z:\\tmp\\shots\\frame2.png"}),
              ChosenFiles(buffer));
    EXPECT_EQ((std::vector<std::string>{"Z:\\one.gif"}), ChosenFiles("Z:\\one.gif\0"));
}

TEST_F(WorkbenchTest, ExportDrawsTheEditedFrameOrEveryFrame) {
    Click(CellX(0, 0), CellY(0));
    RightClick(100, 100);
    Click(CellX(1, 15), CellY(15));
    auto exportAs = [](bool every) {
        return [every](HWND dialog) {
            SendDlgItemMessageW(dialog, every ? IDC_EXPORT_EVERY_FRAME : IDC_EXPORT_EDITED_FRAME, BM_CLICK, 0, 0);
            SetDlgItemTextW(dialog, IDC_EXPORT_SCALE, L"1");
            DialogAnswerer::Press(IDOK)(dialog);
        };
    };
    std::string one = scratch.File("one.png"), all = scratch.File("all.png");
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(one), exportAs(false)});
        Command(IDM_FRAME_EXPORT_PICTURE);
    }
    const Rgba Yellow = {255, 255, 0, 255}, Grey = {127, 127, 127, 255}, White = {255, 255, 255, 255};
    TestPicture frame = ReadPicture(one);
    ASSERT_EQ(16, frame.width);
    ASSERT_EQ(16, frame.height);
    EXPECT_TRUE(frame.At(15, 15) == Yellow) << "frame 1, the edited one";
    EXPECT_TRUE(frame.At(0, 0) == Grey);
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(all), exportAs(true)});
        Command(IDM_FRAME_EXPORT_PICTURE);
    }
    TestPicture both = ReadPicture(all);
    ASSERT_EQ(33, both.width) << "two frames, one LED's width apart";
    EXPECT_TRUE(both.At(0, 0) == Yellow);
    EXPECT_TRUE(both.At(16, 0) == White);
    EXPECT_TRUE(both.At(32, 15) == Yellow);
}

TEST_F(WorkbenchTest, AnExportTooLargeIsReportedAndLeavesNoFile) {
    SetFrames(2048);
    std::string path = scratch.File("huge.png");
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path),
                             [](HWND dialog) {
                                 SendDlgItemMessageW(dialog, IDC_EXPORT_EVERY_FRAME, BM_CLICK, 0, 0);
                                 SetDlgItemTextW(dialog, IDC_EXPORT_SCALE, L"64");
                                 DialogAnswerer::Press(IDOK)(dialog);
                             },
                             DialogAnswerer::Press(IDOK)});
    Command(IDM_FRAME_EXPORT_PICTURE);
    ASSERT_EQ(3, answerer.Answered());
    EXPECT_EQ(L"エラー", answerer.Titles()[2]);
    EXPECT_FALSE(ScratchDirectory::Exists(path));
}

TEST_F(WorkbenchTest, PlayTurnsThePagesUntilAKeyAClickOrPlayAgain) {
    SetFrames(5);
    MoveSlider(1);
    RightClick(100, 100);
    editor.pattern->header.wait = 0;
    EXPECT_EQ(100u, PlaybackInterval(*editor.pattern)) << "a wait of 0 counts as 1";
    editor.pattern->header.wait = 3;
    EXPECT_EQ(300u, PlaybackInterval(*editor.pattern));

    Command(IDM_FRAME_PLAY);
    EXPECT_TRUE(IsPlaying(editor));
    OpenMenu();
    EXPECT_TRUE(MenuMarked(IDM_FRAME_PLAY));
    EXPECT_EQ(0, editor.firstFrame) << "from the first page";
    int pages[4];
    for (int& page : pages) {
        SendMessageW(editor.windows.mainWindow, WM_TIMER, PlaybackTimer, 0);
        page = editor.firstFrame;
    }
    EXPECT_EQ((std::vector<int>{2, 4, 0, 2}), std::vector<int>(pages, pages + 4)) << "in order, looping";
    Press(CellX(0, 3), CellY(3));
    Release(CellX(0, 3), CellY(3));
    EXPECT_FALSE(IsPlaying(editor));
    for (std::uint32_t frame = 0; frame < 5; ++frame) EXPECT_FALSE(Lit(frame, 3, 3)) << "the click only stopped it";
    EXPECT_EQ(2, editor.firstFrame) << "back to the page being edited";
    EXPECT_EQ(1, editor.targetPlane);
    EXPECT_FALSE(KillTimer(editor.windows.mainWindow, PlaybackTimer)) << "the timer is gone";

    Command(IDM_FRAME_PLAY);
    MSG key = Message(editor.windows.sliderWindow, WM_KEYDOWN, 'A');
    EXPECT_TRUE(HandleBeforeDispatch(key));
    EXPECT_FALSE(IsPlaying(editor));

    Command(IDM_FRAME_PLAY);
    EXPECT_TRUE(KillTimer(editor.windows.mainWindow, PlaybackTimer)) << "a timer turns the pages";
    Command(IDM_FRAME_PLAY);
    EXPECT_FALSE(IsPlaying(editor));
    MSG after = Message(editor.windows.gridWindow, WM_KEYDOWN, 'A');
    EXPECT_FALSE(HandleBeforeDispatch(after)) << "keys go on as usual when not playing";
}

}  // namespace
