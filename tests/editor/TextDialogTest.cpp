#include <algorithm>
#include <string>

#include "tests/editor/EditorSession.h"
#include "text/TextLayout.h"
#include "tests/support/DialogAnswerer.h"

namespace {

using TextDialogTest = EditorSession;

unsigned LitInRow(std::uint32_t frame, unsigned row) {
    unsigned lit = 0;
    for (unsigned x = 0; x < editor.pattern->columns; ++x) lit += editor.pattern->GetPixel(frame, x, row);
    return lit;
}

TEST_F(TextDialogTest, OkPutsTheTextsFramesInPlaceAfterAskingAboutChanges) {
    Click(CellX(0, 0), CellY(0));
    ASSERT_TRUE(editor.pattern->modified);
    std::wstring frameSize, status;
    bool okWithoutText = true;
    DialogAnswerer answerer({
        [&](HWND dialog) {
            frameSize = DialogAnswerer::Text(dialog, IDC_TEXT_FRAME_SIZE);
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"");
            okWithoutText = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"日本");
            SetDlgItemTextW(dialog, IDC_TEXT_STEP, L"0");
            status = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            DialogAnswerer::Press(IDOK)(dialog);
        },
        DialogAnswerer::Press(IDNO),
    });
    Command(IDM_FRAME_TEXT);
    ASSERT_EQ(2, answerer.Answered());
    EXPECT_EQ(L"文字の入力", answerer.Titles()[0]);
    EXPECT_EQ(L"確認", answerer.Titles()[1]) << "a modified pattern is offered for saving first";
    EXPECT_EQ(L"16 x 16", frameSize);
    EXPECT_FALSE(okWithoutText);
    EXPECT_EQ(L"2 枚", status);

    // Two 16-pixel kanji, one a frame: 日 and 本, each with a long stroke across.
    ASSERT_EQ(2u, editor.pattern->frameCount);
    EXPECT_TRUE(editor.pattern->modified);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    2 ]", Title());
    unsigned widest[2] = {0, 0};
    for (std::uint32_t frame = 0; frame < 2; ++frame)
        for (unsigned row = 0; row < 16; ++row) widest[frame] = std::max(widest[frame], LitInRow(frame, row));
    EXPECT_GE(widest[0], 8u);
    EXPECT_GE(widest[1], 12u);
    EXPECT_EQ(editor.pattern.get(), editor.views[0].pattern);
    for (unsigned row = 0; row < 16; ++row)
        for (unsigned x = 0; x < 16; ++x)
            if (editor.pattern->GetPixel(0, x, row)) {
                EXPECT_EQ(LitColour, SurfacePixel(CellX(0, static_cast<int>(x)), CellY(static_cast<int>(row))));
                return;
            }
}

TEST_F(TextDialogTest, UndoBringsBackThePatternTheTextReplaced) {
    Click(CellX(0, 3), CellY(5));
    DialogAnswerer answerer({
        [](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"日本語");
            SetDlgItemTextW(dialog, IDC_TEXT_STEP, L"0");
            DialogAnswerer::Press(IDOK)(dialog);
        },
        DialogAnswerer::Press(IDNO),
    });
    Command(IDM_FRAME_TEXT);
    ASSERT_EQ(4u, editor.pattern->frameCount) << "three kanji and a dark frame";
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(2u, editor.pattern->frameCount);
    EXPECT_TRUE(editor.pattern->GetPixel(0, 3, 5));
    EXPECT_EQ(1u, LitInRow(0, 5));
    Command(IDM_EDIT_REDO);
    EXPECT_EQ(4u, editor.pattern->frameCount);
}

TEST_F(TextDialogTest, StepScrollsTheTextInFromTheRight) {
    // One plane: a picture is a frame.
    Command(IDM_VIEW_ONE_PLANE);
    std::wstring status;
    DialogAnswerer answerer({
        [&](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"日");
            SetDlgItemTextW(dialog, IDC_TEXT_STEP, L"4");
            status = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            DialogAnswerer::Press(IDOK)(dialog);
        },
    });
    Command(IDM_FRAME_TEXT);
    ASSERT_EQ(1, answerer.Answered());
    // 16 columns of text and 16 of frame in steps of 4: frames 0 .. 8, and one to make a pair.
    EXPECT_EQ(L"10 枚", status);
    ASSERT_EQ(10u, editor.pattern->frameCount);
    for (unsigned row = 0; row < 16; ++row) EXPECT_EQ(0u, LitInRow(0, row)) << "frame 0 is before the text";
    // Frame 1 shows the text's first 4 columns at the right edge only.
    unsigned entered = 0;
    for (unsigned row = 0; row < 16; ++row) {
        for (unsigned x = 0; x < 12; ++x) EXPECT_FALSE(editor.pattern->GetPixel(1, x, row)) << x << ", " << row;
        entered += LitInRow(1, row);
    }
    EXPECT_GT(entered, 0u);
}

TEST_F(TextDialogTest, TheFontDialogChoosesTheFontAndItsSize) {
    std::wstring fontBefore, fontAfter, status;
    DialogAnswerer answerer({
        [&](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"日本");
            SetDlgItemTextW(dialog, IDC_TEXT_STEP, L"0");
            fontBefore = DialogAnswerer::Text(dialog, IDC_TEXT_FONT_NAME);
            SendDlgItemMessageW(dialog, IDC_TEXT_FONT, BM_CLICK, 0, 0);
            fontAfter = DialogAnswerer::Text(dialog, IDC_TEXT_FONT_NAME);
            status = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            DialogAnswerer::Press(IsWindowEnabled(GetDlgItem(dialog, IDOK)) ? IDOK : IDCANCEL)(dialog);
        },
        // The standard font dialog: 9 points, 12 pixels on the 96-dpi screen.
        [](HWND dialog) {
            const int sizeBox = 0x472;
            SendDlgItemMessageW(dialog, sizeBox, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(L"9"));
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(sizeBox, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, sizeBox)));
            DialogAnswerer::Press(IDOK)(dialog);
        },
        // The Text dialog again, when it is active once more before its answer closes it.
        [](HWND) {},
    });
    Command(IDM_FRAME_TEXT);
    // Whether the reactivation is seen before the Text dialog closes is the message loop's affair.
    ASSERT_GE(answerer.Answered(), 2);
    EXPECT_EQ(L"Font", answerer.Titles()[1]);
    EXPECT_EQ(L"ＭＳ ゴシック  16 ﾄﾞｯﾄ", fontBefore);
    EXPECT_EQ(L"ＭＳ ゴシック  12 ﾄﾞｯﾄ", fontAfter);
    EXPECT_EQ(L"2 枚", status);
    ASSERT_EQ(2u, editor.pattern->frameCount);
    // A 12-row text on 16 rows: two dark rows above and below it.
    for (unsigned row : {0u, 1u, 14u, 15u}) EXPECT_EQ(0u, LitInRow(0, row) + LitInRow(1, row)) << row;
}

TEST_F(TextDialogTest, CancelLeavesThePatternAsItWas) {
    DialogAnswerer answerer({
        [](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"LED");
            DialogAnswerer::Cancel()(dialog);
        },
    });
    Command(IDM_FRAME_TEXT);
    EXPECT_EQ(1, answerer.Answered());
    EXPECT_EQ(2u, editor.pattern->frameCount);
    EXPECT_FALSE(editor.pattern->modified);
}

// The standard font dialog answered with a face (or the one it shows) and a
// size typed in points: 6 points are 8 pixels on the 96-dpi screen.
DialogAnswerer::Answer ChooseFont(const wchar_t* face) {
    return [face](HWND dialog) {
        const int faceBox = 0x470, sizeBox = 0x472;
        if (face) {
            SendDlgItemMessageW(dialog, faceBox, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face));
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(faceBox, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, faceBox)));
        }
        // Typed, not picked: the list starts at 8 points.
        SendDlgItemMessageW(dialog, sizeBox, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetDlgItemTextW(dialog, sizeBox, L"6");
        DialogAnswerer::Press(IDOK)(dialog);
    };
}

TEST_F(TextDialogTest, TwoLinesASecondFontAlignmentSpacingAndTheTopRow) {
    // One plane: a picture is a frame.
    Command(IDM_VIEW_ONE_PLANE);
    std::wstring tooTall, missingNoted, secondFont, bothFonts, cleared, secondFontAfterClear;
    // Each font dialog is opened by a posted click, and the Text dialog,
    // active again once it has closed, takes the next answer.
    DialogAnswerer answerer({
        [&](HWND dialog) {
            // Kanji over a Hebrew letter that the first font lacks.
            SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"日\\nש");
            SetDlgItemTextW(dialog, IDC_TEXT_STEP, L"0");
            tooTall = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            DialogAnswerer::Press(IDC_TEXT_FONT)(dialog);
        },
        ChooseFont(nullptr),
        [&](HWND dialog) {
            missingNoted = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            DialogAnswerer::Press(IDC_TEXT_SECOND_FONT)(dialog);
        },
        ChooseFont(L"DejaVu Sans"),
        [&](HWND dialog) {
            secondFont = DialogAnswerer::Text(dialog, IDC_TEXT_SECOND_FONT_NAME);
            bothFonts = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            SendDlgItemMessageW(dialog, IDC_TEXT_SECOND_FONT_CLEAR, BM_CLICK, 0, 0);
            cleared = DialogAnswerer::Text(dialog, IDC_TEXT_STATUS);
            secondFontAfterClear = DialogAnswerer::Text(dialog, IDC_TEXT_SECOND_FONT_NAME);
            DialogAnswerer::Press(IDC_TEXT_SECOND_FONT)(dialog);
        },
        ChooseFont(L"DejaVu Sans"),
        [&](HWND dialog) {
            // Each line centred, the block from row 0, two columns between characters.
            SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_SETCURSEL, 2, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_TEXT_ALIGN, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TEXT_ALIGN)));
            SendDlgItemMessageW(dialog, IDC_TEXT_SET_TOP, BM_CLICK, 0, 0);
            SetDlgItemTextW(dialog, IDC_TEXT_TOP, L"0");
            SetDlgItemTextW(dialog, IDC_TEXT_SPACING, L"2");
            DialogAnswerer::Press(IDOK)(dialog);
        },
    });
    Command(IDM_FRAME_TEXT);
    // Two lines of the font the dialog starts with (as high as the frame, or as last chosen).
    EXPECT_EQ(0u, tooTall.find(L"文字の高さ ")) << "too tall";
    EXPECT_NE(std::wstring::npos, tooTall.find(L"ﾄﾞｯﾄが画面の 16 ﾄﾞｯﾄを超えています"));
    EXPECT_EQ(L"2 枚 (ﾌｫﾝﾄにない文字は省きました)", missingNoted);
    EXPECT_EQ(L"DejaVu Sans  8 ﾄﾞｯﾄ", secondFont);
    EXPECT_EQ(L"2 枚", bothFonts);
    EXPECT_EQ(L"2 枚 (ﾌｫﾝﾄにない文字は省きました)", cleared);
    EXPECT_EQ(L"", secondFontAfterClear);
    ASSERT_EQ(2u, editor.pattern->frameCount);
    // The kanji in rows 0 .. 7, the Hebrew letter below it, in the middle of the frame.
    unsigned kanji = 0, hebrew = 0;
    for (unsigned row = 0; row < 8; ++row) kanji += LitInRow(0, row);
    for (unsigned row = 8; row < 16; ++row) {
        hebrew += LitInRow(0, row);
        for (unsigned x : {0u, 1u, 2u, 13u, 14u, 15u}) EXPECT_FALSE(editor.pattern->GetPixel(0, x, row)) << x << ", " << row;
    }
    EXPECT_GT(kanji, 8u);
    EXPECT_GT(hebrew, 2u);

    // Offered again the next time.
    std::wstring spacing, alignment, second;
    DialogAnswerer again({
        [&](HWND dialog) {
            spacing = DialogAnswerer::Text(dialog, IDC_TEXT_SPACING);
            alignment = DialogAnswerer::Text(dialog, IDC_TEXT_ALIGN);
            second = DialogAnswerer::Text(dialog, IDC_TEXT_SECOND_FONT_NAME);
            DialogAnswerer::Cancel()(dialog);
        },
    });
    Command(IDM_FRAME_TEXT);
    EXPECT_EQ(L"2", spacing);
    EXPECT_EQ(L"中央", alignment);
    EXPECT_EQ(L"DejaVu Sans  8 ﾄﾞｯﾄ", second);
}

// The columns lit in any row of a frame, as a mask of bits from the left.
std::uint32_t LitColumns(std::uint32_t frame) {
    std::uint32_t columns = 0;
    for (unsigned x = 0; x < 16; ++x)
        for (unsigned row = 0; row < 16; ++row)
            if (editor.pattern->GetPixel(frame, x, row)) columns |= 0x8000u >> x;
    return columns;
}

TEST_F(TextDialogTest, TextIsCentredOnThePictureOfThePlanesTheViewShows) {
    auto centred = [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_TEXT_STRING, L"AB");
        SetDlgItemTextW(dialog, IDC_TEXT_STEP, L"0");
        SendDlgItemMessageW(dialog, IDC_TEXT_ALIGN, CB_SETCURSEL, static_cast<WPARAM>(TextAlign::Center), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_TEXT_ALIGN, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TEXT_ALIGN)));
        DialogAnswerer::Press(IDOK)(dialog);
    };
    DialogAnswerer twoPlanes({centred});
    Command(IDM_FRAME_TEXT);
    ASSERT_EQ(1, twoPlanes.Answered());
    // "AB", two half-width letters, centred on 32 columns: A ends plane 0 and B begins plane 1.
    ASSERT_EQ(2u, editor.pattern->frameCount);
    EXPECT_NE(0u, LitColumns(0));
    EXPECT_NE(0u, LitColumns(1));
    EXPECT_EQ(0u, LitColumns(0) & 0xFF00u) << "the left half of plane 0 is dark";
    EXPECT_EQ(0u, LitColumns(1) & 0x00FFu) << "the right half of plane 1 is dark";

    Command(IDM_VIEW_ONE_PLANE);
    DialogAnswerer onePlane({centred, DialogAnswerer::Press(IDNO)});
    Command(IDM_FRAME_TEXT);
    // On one plane both letters are in frame 0, and its partner is dark.
    ASSERT_EQ(2u, editor.pattern->frameCount);
    EXPECT_NE(0u, LitColumns(0) & 0xFF00u);
    EXPECT_NE(0u, LitColumns(0) & 0x00FFu);
    EXPECT_EQ(0u, LitColumns(1));
}

}  // namespace
