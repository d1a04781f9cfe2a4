// "画像の読み込み": the size, fit, alignment and dithering controls, answered
// through the CBT hook as a person would set them.
#include "editor/dialogs/PictureImportDialog.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

using PictureImportDialogTest = EditorSession;

void Choose(HWND dialog, int list, int index) {
    SendDlgItemMessageW(dialog, list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

TEST_F(PictureImportDialogTest, APictureIsFittedToTheSizeChosenAndOkIsOneUndoableStep) {
    // One plane: a picture is a frame.
    Command(IDM_VIEW_ONE_PLANE);
    // 40 x 20: the left half black, the right half white.
    ScratchDirectory scratch;
    TestPicture picture(40, 20, {255, 255, 255, 255});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) picture.At(x, y) = {0, 0, 0, 255};
    const std::string path = scratch.File("halves.png");
    WritePicture(path, picture, PictureFormat::Png);

    std::wstring columns, rows, atStart, fitted, badSize, ownSize;
    int fit = -1, alignment = -1, dither = -1;
    bool okForBadSize = true, thresholdWhenDithering = true, sizeAtOwnSize = true;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), [&](HWND dialog) {
        columns = DialogAnswerer::Text(dialog, IDC_IMPORT_COLUMNS);
        rows = DialogAnswerer::Text(dialog, IDC_IMPORT_ROWS);
        fit = static_cast<int>(SendDlgItemMessageW(dialog, IDC_IMPORT_FIT, CB_GETCURSEL, 0, 0));
        alignment = static_cast<int>(SendDlgItemMessageW(dialog, IDC_IMPORT_ALIGNMENT, CB_GETCURSEL, 0, 0));
        dither = static_cast<int>(SendDlgItemMessageW(dialog, IDC_IMPORT_DITHER, CB_GETCURSEL, 0, 0));
        atStart = DialogAnswerer::Text(dialog, IDC_IMPORT_SUMMARY);

        SetDlgItemTextW(dialog, IDC_IMPORT_COLUMNS, L"0");
        badSize = DialogAnswerer::Text(dialog, IDC_IMPORT_SUMMARY);
        okForBadSize = Enabled(dialog, IDOK);
        SendDlgItemMessageW(dialog, IDC_IMPORT_OWN_SIZE, BM_CLICK, 0, 0);
        ownSize = DialogAnswerer::Text(dialog, IDC_IMPORT_SUMMARY);
        sizeAtOwnSize = Enabled(dialog, IDC_IMPORT_COLUMNS) || Enabled(dialog, IDC_IMPORT_FIT);
        SendDlgItemMessageW(dialog, IDC_IMPORT_OWN_SIZE, BM_CLICK, 0, 0);

        SetDlgItemTextW(dialog, IDC_IMPORT_COLUMNS, L"8");
        SetDlgItemTextW(dialog, IDC_IMPORT_ROWS, L"6");
        Choose(dialog, IDC_IMPORT_FIT, static_cast<int>(PictureFit::Contain));
        Choose(dialog, IDC_IMPORT_ALIGNMENT, static_cast<int>(Alignment::Bottom));
        Choose(dialog, IDC_IMPORT_DITHER, static_cast<int>(Dither::Ordered));
        thresholdWhenDithering = Enabled(dialog, IDC_IMPORT_THRESHOLD);
        fitted = DialogAnswerer::Text(dialog, IDC_IMPORT_SUMMARY);
        DialogAnswerer::Press(IDOK)(dialog);
    }});
    Command(IDM_FRAME_IMPORT_PICTURE);
    ASSERT_EQ(2, answerer.Answered());

    EXPECT_EQ(L"16", columns) << "the current pattern's size";
    EXPECT_EQ(L"16", rows);
    EXPECT_EQ(static_cast<int>(PictureFit::Contain), fit);
    EXPECT_EQ(static_cast<int>(Alignment::Centre), alignment);
    EXPECT_EQ(static_cast<int>(Dither::None), dither);
    EXPECT_EQ(L"16 x 16 ﾄﾞｯﾄ、1 枚", atStart);
    EXPECT_EQ(L"大きさは 1 から 255 までで指定してください。", badSize);
    EXPECT_FALSE(okForBadSize);
    EXPECT_EQ(L"40 x 20 ﾄﾞｯﾄ、1 枚", ownSize);
    EXPECT_FALSE(sizeAtOwnSize);
    EXPECT_FALSE(thresholdWhenDithering);
    EXPECT_EQ(L"8 x 6 ﾄﾞｯﾄ、1 枚", fitted);

    // 8 x 4 at the bottom of 8 x 6: two dark rows above, then dark left and lit right.
    ASSERT_EQ(8, editor.pattern->columns);
    ASSERT_EQ(6, editor.pattern->rows);
    for (unsigned y = 0; y < 6; ++y)
        for (unsigned x = 0; x < 8; ++x)
            EXPECT_EQ(y >= 2 && x >= 4, editor.pattern->GetPixel(0, x, y)) << x << ", " << y;
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(16, editor.pattern->columns);
    EXPECT_EQ(16, editor.pattern->rows);
}

TEST_F(PictureImportDialogTest, WithTwoPlanesEachPictureFillsBothFramesOfAPicture) {
    // 32 x 16: the left half black, the right half white.
    ScratchDirectory scratch;
    TestPicture picture(32, 16, {255, 255, 255, 255});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) picture.At(x, y) = {0, 0, 0, 255};
    const std::string path = scratch.File("halves.png");
    WritePicture(path, picture, PictureFormat::Png);
    std::wstring sized, ownSize;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), [&](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_IMPORT_OWN_SIZE, BM_CLICK, 0, 0);
        ownSize = DialogAnswerer::Text(dialog, IDC_IMPORT_SUMMARY);
        SendDlgItemMessageW(dialog, IDC_IMPORT_OWN_SIZE, BM_CLICK, 0, 0);
        sized = DialogAnswerer::Text(dialog, IDC_IMPORT_SUMMARY);
        DialogAnswerer::Press(IDOK)(dialog);
    }});
    Command(IDM_FRAME_IMPORT_PICTURE);
    ASSERT_EQ(2, answerer.Answered());
    EXPECT_EQ(L"16 x 16 ﾄﾞｯﾄ、2 枚", ownSize) << "the picture's width split in two";
    EXPECT_EQ(L"16 x 16 ﾄﾞｯﾄ、2 枚", sized) << "fitted to the 32 x 16 of two 16 x 16 planes";
    ASSERT_EQ(2u, editor.pattern->frameCount);
    for (unsigned y = 0; y < 16; ++y)
        for (unsigned x = 0; x < 16; ++x) {
            EXPECT_FALSE(editor.pattern->GetPixel(0, x, y)) << x << ", " << y;
            EXPECT_TRUE(editor.pattern->GetPixel(1, x, y)) << x << ", " << y;
        }
}

}  // namespace
