// The rough edges a new user met: the Preview List window's size and tick,
// the picture import dialog's question and memory, the slider's ticks, the
// selection outline at a small zoom, and where dialogs open.
#include <windows.h>
#include <commctrl.h>

#include "pattern/document/LedFile.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

class RoughEdgesTest : public EditorSession {
protected:
    ScratchDirectory scratch;

    std::string Pattern(const std::string& name, int columns, int rows) {
        LedPattern pattern;
        pattern.Create(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
        pattern.SetFrameCount(2);
        const std::string path = scratch.File(name);
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
    static int Width(HWND window) {
        RECT box;
        GetWindowRect(window, &box);
        return box.right - box.left;
    }
};

TEST_F(RoughEdgesTest, ThePreviewListGrowsWithItsWindowKeepsAValidTickAndSpeaksJapanese) {
    ASSERT_TRUE(editor.displayList.SelectFile(scratch.File("show.ll").c_str(), true));
    editor.displayList.Add(Pattern("sign.led", 128, 16).c_str(), true);
    editor.displayList.Add(Pattern("small.led", 8, 8).c_str(), true);
    int before = 0, after = 0;
    std::wstring note, tick, skipped;
    DialogAnswerer answerer({[&](HWND dialog) {
        before = Width(GetDlgItem(dialog, IDC_PREVIEW_PICTURE));
        ShowWindow(dialog, SW_MAXIMIZE);
        after = Width(GetDlgItem(dialog, IDC_PREVIEW_PICTURE));
        skipped = DialogAnswerer::Text(dialog, IDC_PREVIEW_SKIPPED);
        SetDlgItemTextW(dialog, IDC_PREVIEW_TICK, L"5");
        note = DialogAnswerer::Text(dialog, IDC_PREVIEW_TICK_NOTE);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_PREVIEW_TICK, EN_KILLFOCUS), 0);
        tick = DialogAnswerer::Text(dialog, IDC_PREVIEW_TICK);
        DialogAnswerer::Cancel()(dialog);
    }});
    Command(IDM_FILE_PREVIEW_LIST);
    ASSERT_EQ(1, answerer.Answered());
    EXPECT_GT(after, before);
    EXPECT_EQ(L"10 ～ 10000 ms", note);
    EXPECT_EQ(L"100", tick) << "the last valid tick";
    EXPECT_NE(std::wstring::npos, skipped.find(L"2 行目")) << std::string(skipped.begin(), skipped.end());
    EXPECT_NE(std::wstring::npos, skipped.find(L"と違います"));
}

TEST_F(RoughEdgesTest, PictureImportAsksTheSaveQuestionFirstAndRemembersItsChoices) {
    const std::string path = scratch.File("dot.png");
    WritePicture(path, TestPicture(4, 4, {255, 255, 255, 255}), PictureFormat::Png);
    Click(CellX(0, 1), CellY(1));
    std::wstring columns;
    int fit = -1;
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDNO), DialogAnswerer::ChooseFile(path), [](HWND dialog) {
                                     SetDlgItemTextW(dialog, IDC_IMPORT_COLUMNS, L"12");
                                     SendDlgItemMessageW(dialog, IDC_IMPORT_FIT, CB_SETCURSEL, 2, 0);
                                     SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_IMPORT_FIT, CBN_SELCHANGE), 0);
                                     DialogAnswerer::Press(IDOK)(dialog);
                                 }});
        Command(IDM_FRAME_IMPORT_PICTURE);
        ASSERT_EQ(3, answerer.Answered());
        EXPECT_EQ(L"確認", answerer.Titles()[0]) << "the question comes before the file dialog";
    }
    EXPECT_EQ(12, editor.pattern->columns);
    DialogAnswerer again({DialogAnswerer::ChooseFile(path), [&](HWND dialog) {
        columns = DialogAnswerer::Text(dialog, IDC_IMPORT_COLUMNS);
        fit = static_cast<int>(SendDlgItemMessageW(dialog, IDC_IMPORT_FIT, CB_GETCURSEL, 0, 0));
        DialogAnswerer::Cancel()(dialog);
    }});
    editor.pattern->modified = false;
    Command(IDM_FRAME_IMPORT_PICTURE);
    EXPECT_EQ(L"12", columns);
    EXPECT_EQ(2, fit);
}

TEST_F(RoughEdgesTest, TheSliderOfALongPatternHasATickAtMostEveryFourPixels) {
    SetFrames(2048);
    RECT channel;
    SendMessageW(Trackbar(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const LRESULT ticks = SendMessageW(Trackbar(), TBM_GETNUMTICS, 0, 0);
    EXPECT_LE(ticks, (channel.right - channel.left) / 4 + 2);
    SetFrames(8);
    EXPECT_EQ(4, SendMessageW(Trackbar(), TBM_GETNUMTICS, 0, 0)) << "a short pattern keeps a tick a page";
}

TEST_F(RoughEdgesTest, TheSelectionOutlineShowsInTwoColoursAtTheSmallestZoom) {
    SetFrames(2);
    editor.pattern->Create(255, 255);
    editor.pattern->SetFrameCount(2);
    ShowPattern(editor, editor.pattern.get());
    Command(IDM_TOOLS_SELECT_ALL);
    const PlaneView& view = editor.TargetView();
    ASSERT_LE(view.cellWidth, 2);
    bool black = false, white = false;
    for (int x = view.left - 1; x < view.left + 40; ++x) {
        for (int y : {view.top - 1, view.top}) {
            const COLORREF pixel = SurfacePixel(x, y);
            black = black || pixel == RGB(0, 0, 0);
            white = white || pixel == RGB(255, 255, 255);
        }
    }
    EXPECT_TRUE(black && white);
}

TEST_F(RoughEdgesTest, DialogsOpenCentredOverTheEditor) {
    SetWindowPos(editor.windows.mainWindow, nullptr, 300, 200, 700, 560, SWP_NOZORDER);
    RECT main, dialogBox = {};
    GetWindowRect(editor.windows.mainWindow, &main);
    DialogAnswerer answerer({[&](HWND dialog) {
        GetWindowRect(dialog, &dialogBox);
        DialogAnswerer::Cancel()(dialog);
    }});
    Command(IDM_FRAME_GO_TO);
    ASSERT_EQ(1, answerer.Answered());
    EXPECT_NEAR((main.left + main.right) / 2, (dialogBox.left + dialogBox.right) / 2, 1);
    EXPECT_NEAR((main.top + main.bottom) / 2, (dialogBox.top + dialogBox.bottom) / 2, 1);
}

}  // namespace
