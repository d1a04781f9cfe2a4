#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchDirectory.h"

#include <vector>

namespace {

using SliderAndOptionsTest = EditorSession;

TEST_F(SliderAndOptionsTest, TenFramesOnTwoPlanesMakeFivePages) {
    SetFrames(10);
    EXPECT_TRUE(IsWindowEnabled(Trackbar()));
    EXPECT_EQ(4, SliderMax());
    RightClick(100, 100);
    MoveSlider(3);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    6 /   10 ]", Title());
    EXPECT_EQ(6, editor.views[0].frameIndex);
    EXPECT_EQ(7, editor.views[1].frameIndex);
    EXPECT_EQ(0, editor.targetPlane) << "moving the slider makes view 0 the target";
    Click(CellX(0, 0), CellY(0));
    EXPECT_TRUE(editor.pattern->GetPixel(6, 0, 0));
}

TEST_F(SliderAndOptionsTest, OddFrameCountLeavesTheLastSecondViewDark) {
    SetFrames(5);
    EXPECT_EQ(2, SliderMax());
    MoveSlider(2);
    EXPECT_EQ(4, editor.views[0].frameIndex);
    EXPECT_EQ(5, editor.views[1].frameIndex);
    editor.pattern->modified = false;
    RightClick(100, 100);
    Click(CellX(1, 0), CellY(0));
    EXPECT_FALSE(editor.pattern->modified);
    EXPECT_EQ(UnlitColour, SurfacePixel(CellX(1, 0), CellY(0)));
}

TEST_F(SliderAndOptionsTest, OnePlaneOverTheWholeTable) {
    Command(IDM_VIEW_ONE_PLANE);
    SetFrames(2048);
    EXPECT_EQ(2047, SliderMax());
    MoveSlider(2047);
    EXPECT_EQ(L"Lumigrid ver 1.0  [ 2047 / 2048 ]", Title());
}

TEST_F(SliderAndOptionsTest, SwitchingPlanesKeepsThePageThatHoldsTheFirstFrame) {
    Command(IDM_VIEW_ONE_PLANE);
    SetFrames(10);
    MoveSlider(5);
    EXPECT_EQ(5, editor.firstFrame);
    Command(IDM_VIEW_TWO_PLANES);
    EXPECT_EQ(2, SliderPosition());
    EXPECT_EQ(4, editor.firstFrame);
    EXPECT_EQ(4, editor.views[0].frameIndex);
    EXPECT_EQ(5, editor.views[1].frameIndex);
    EXPECT_EQ(0, editor.targetPlane);

    SetFrames(2);
    Command(IDM_VIEW_ONE_PLANE);
    MoveSlider(1);
    EXPECT_EQ(1, editor.views[0].frameIndex);
    Command(IDM_VIEW_TWO_PLANES);
    EXPECT_FALSE(IsWindowEnabled(Trackbar()));
    EXPECT_EQ(0, editor.views[0].frameIndex);
    EXPECT_EQ(1, editor.views[1].frameIndex);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    2 ]", Title());
}

// Sets the options dialog's boxes and presses a button; records what the
// dialog showed when it opened.
struct OptionsAnswer {
    std::wstring frames, wait, listFile, caption;
    DialogAnswerer::Answer Answer(const wchar_t* newFrames, const wchar_t* newWait, int button) {
        return [this, newFrames, newWait, button](HWND dialog) {
            wchar_t text[1100];
            GetDlgItemTextW(dialog, IDC_FRAME_COUNT, text, 1100);
            frames = text;
            GetDlgItemTextW(dialog, IDC_WAIT_TIME, text, 1100);
            wait = text;
            GetDlgItemTextW(dialog, IDC_LIST_FILE, text, 1100);
            listFile = text;
            GetWindowTextW(dialog, text, 1100);
            caption = text;
            if (newFrames) SetDlgItemTextW(dialog, IDC_FRAME_COUNT, newFrames);
            if (newWait) SetDlgItemTextW(dialog, IDC_WAIT_TIME, newWait);
            DialogAnswerer::Press(button)(dialog);
        };
    }
};

TEST_F(SliderAndOptionsTest, OptionsOkSetsFramesAndWait) {
    OptionsAnswer shown;
    {
        DialogAnswerer answerer({shown.Answer(L"10", L"7", IDOK)});
        Command(IDM_VIEW_OPTION);
    }
    EXPECT_EQ(L"設定", shown.caption);
    EXPECT_EQ(L"2", shown.frames);
    EXPECT_EQ(L"1", shown.wait) << "a new pattern's wait 0 is offered as 1";
    EXPECT_EQ(L"Not Selected", shown.listFile);
    EXPECT_EQ(10u, editor.pattern->frameCount);
    EXPECT_EQ(7, editor.pattern->header.wait);
    EXPECT_TRUE(editor.pattern->modified);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /   10 ]", Title());

    // Cutting 10 frames down to 2 while page 4 is shown.
    MoveSlider(4);
    {
        DialogAnswerer answerer({shown.Answer(L"2", nullptr, IDOK)});
        Command(IDM_VIEW_OPTION);
    }
    EXPECT_EQ(L"10", shown.frames);
    EXPECT_EQ(L"7", shown.wait);
    EXPECT_FALSE(IsWindowEnabled(Trackbar()));
    EXPECT_EQ(0, editor.views[0].frameIndex);
    EXPECT_EQ(1, editor.views[1].frameIndex);
}

TEST_F(SliderAndOptionsTest, OptionsOutOfRangeAreRefusedWithTheRange) {
    OptionsAnswer shown;
    std::vector<std::wstring> said;
    // Reads the message, closes it and puts a value in the dialog behind it.
    auto correct = [&said](int box, const wchar_t* value, int button) {
        return [&said, box, value, button](HWND message) {
            wchar_t text[256] = L"";
            GetDlgItemTextW(message, 0xFFFF, text, 256);
            said.push_back(text);
            HWND options = GetWindow(message, GW_OWNER);
            DialogAnswerer::Press(IDOK)(message);
            SetDlgItemTextW(options, box, value);
            PostMessageW(options, WM_COMMAND, button, 0);
        };
    };
    {
        DialogAnswerer answerer({shown.Answer(L"5000", L"0", IDOK), correct(IDC_FRAME_COUNT, L"3000", IDOK),
                                 correct(IDC_FRAME_COUNT, L"12", IDOK), correct(IDC_WAIT_TIME, L"9", IDOK)});
        Command(IDM_VIEW_OPTION);
        EXPECT_EQ(L"不正な値", answerer.Titles()[1]);
    }
    ASSERT_EQ(3u, said.size());
    EXPECT_EQ(L"枚数は 1 ～ 2048 の範囲で入力してください。", said[0]);
    EXPECT_EQ(said[0], said[1]);
    EXPECT_EQ(L"ｳｪｲﾄは 1 ～ 255 の範囲で入力してください。", said[2]);
    EXPECT_EQ(12u, editor.pattern->frameCount);
    EXPECT_EQ(9, editor.pattern->header.wait);

    // Cancel after the message keeps what was there.
    {
        DialogAnswerer answerer({shown.Answer(L"0", nullptr, IDOK), correct(IDC_FRAME_COUNT, L"", IDCANCEL)});
        Command(IDM_VIEW_OPTION);
    }
    EXPECT_EQ(12u, editor.pattern->frameCount);
}

TEST_F(SliderAndOptionsTest, OptionsCancelStillReturnsToTheFirstPage) {
    SetFrames(6);
    MoveSlider(2);
    RightClick(100, 100);
    editor.pattern->modified = false;
    OptionsAnswer shown;
    {
        DialogAnswerer answerer({shown.Answer(L"40", L"9", IDCANCEL)});
        Command(IDM_VIEW_OPTION);
    }
    EXPECT_EQ(6u, editor.pattern->frameCount);
    EXPECT_EQ(0, editor.pattern->header.wait);
    EXPECT_FALSE(editor.pattern->modified);
    EXPECT_EQ(0, editor.firstFrame);
    EXPECT_EQ(0, editor.targetPlane);
    EXPECT_EQ(0, SliderPosition());
}

TEST_F(SliderAndOptionsTest, NewAndBrowseChooseTheListFileThroughTheFileDialogs) {
    ScratchDirectory scratch;
    std::string existing = scratch.File("old.ll");
    ScratchDirectory::Write(existing, std::string("C:\\p\\a.led\r\n:Reset\r\n"));
    std::string fresh = scratch.File("fresh");
    std::wstring afterNew, afterBrowse, afterCancelledBrowse, notice;
    auto readListBox = [](std::wstring* into) {
        return [into](HWND dialog) {
            wchar_t text[1100] = L"";
            GetDlgItemTextW(dialog, IDC_LIST_FILE, text, 1100);
            *into = text;
        };
    };
    {
        DialogAnswerer answerer({[&](HWND dialog) {
                                     // New, with its save dialog and notice answered below.
                                     DialogAnswerer::Press(IDC_LIST_NEW)(dialog);
                                 },
                                 DialogAnswerer::ChooseFile(fresh),
                                 [&](HWND box) {
                                     wchar_t text[256] = L"";
                                     GetDlgItemTextW(box, 0xFFFF, text, 256);
                                     notice = text;
                                     DialogAnswerer::Press(IDOK)(box);
                                 },
                                 [&](HWND dialog) {
                                     readListBox(&afterNew)(dialog);
                                     DialogAnswerer::Press(IDC_LIST_BROWSE)(dialog);
                                 },
                                 DialogAnswerer::ChooseFile(existing), DialogAnswerer::Press(IDOK),
                                 [&](HWND dialog) {
                                     readListBox(&afterBrowse)(dialog);
                                     DialogAnswerer::Press(IDC_LIST_BROWSE)(dialog);
                                 },
                                 DialogAnswerer::Cancel(),
                                 [&](HWND dialog) {
                                     readListBox(&afterCancelledBrowse)(dialog);
                                     DialogAnswerer::Press(IDCANCEL)(dialog);
                                 }});
        Command(IDM_VIEW_OPTION);
        EXPECT_EQ(L"確認", answerer.Titles()[2]);
    }
    EXPECT_EQ(L"リストデータを変更しました。", notice);
    EXPECT_EQ(std::wstring(fresh.begin(), fresh.end()) + L".ll", afterNew);
    EXPECT_TRUE(ScratchDirectory::Exists(fresh + ".ll"));
    EXPECT_EQ(std::wstring(existing.begin(), existing.end()), afterBrowse);
    EXPECT_EQ(afterBrowse, afterCancelledBrowse) << "a cancelled Browse keeps the list file";
    // Chosen in a dialog that was then cancelled, the list stays chosen.
    EXPECT_STREQ(existing.c_str(), editor.displayList.FileName());
    EXPECT_EQ(2u, editor.displayList.EntryCount());
}

}  // namespace
