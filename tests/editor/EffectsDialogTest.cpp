#include <string>

#include "effects/EffectSequence.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"

namespace {

using EffectsDialogTest = EditorSession;

void ChooseEffect(HWND dialog, int id, Effect effect) {
    const LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (SendDlgItemMessageW(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == static_cast<LRESULT>(effect))
            SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring Status(HWND dialog) {
    wchar_t text[128] = L"";
    GetDlgItemTextW(dialog, IDC_EFFECT_STATUS, text, 128);
    return text;
}

TEST_F(EffectsDialogTest, OkReplacesTheEditedFrameWithTheEffectsAsOneUndoableStep) {
    // One plane: a picture is a frame.
    Command(IDM_VIEW_ONE_PLANE);
    Click(CellX(0, 0), CellY(0));
    Click(CellX(0, 15), CellY(3));
    std::wstring tooMany, status;
    bool okWhenTooMany = true;
    DialogAnswerer answerer({
        [&](HWND dialog) {
            ChooseEffect(dialog, IDC_EFFECT_IN, Effect::WipeRight);
            ChooseEffect(dialog, IDC_EFFECT_OUT, Effect::None);
            SendDlgItemMessageW(dialog, IDC_EFFECT_EDITED_FRAME, BM_CLICK, 0, 0);
            SetDlgItemTextW(dialog, IDC_EFFECT_HOLD, L"2048");
            tooMany = Status(dialog);
            okWhenTooMany = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
            SetDlgItemTextW(dialog, IDC_EFFECT_HOLD, L"1");
            SetDlgItemTextW(dialog, IDC_EFFECT_STEP, L"8");
            status = Status(dialog);
            DialogAnswerer::Press(IDOK)(dialog);
        },
    });
    Command(IDM_FRAME_EFFECTS);
    ASSERT_EQ(1, answerer.Answered());
    EXPECT_EQ(L"ｴﾌｪｸﾄ", answerer.Titles()[0]);
    EXPECT_EQ(L"2064 枚になり、2048 枚を超えます", tooMany) << "16 wipe frames and 2048 held";
    EXPECT_FALSE(okWhenTooMany);
    EXPECT_EQ(L"3 枚", status) << "2 wipe frames and 1 held take the place of frame 0";

    ASSERT_EQ(4u, editor.pattern->frameCount) << "frame 1 stays after them";
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    4 ]", Title());
    EXPECT_TRUE(editor.pattern->GetPixel(0, 0, 0));
    EXPECT_FALSE(editor.pattern->GetPixel(0, 15, 3)) << "the right half is still dark";
    EXPECT_TRUE(editor.pattern->GetPixel(1, 15, 3));
    EXPECT_TRUE(editor.pattern->GetPixel(2, 15, 3));
    EXPECT_FALSE(editor.pattern->GetPixel(3, 0, 0));
    EXPECT_FALSE(editor.pattern->GetPixel(3, 15, 3));
    EXPECT_EQ(LitColour, SurfacePixel(CellX(0, 0), CellY(0)));
    EXPECT_EQ(UnlitColour, SurfacePixel(CellX(0, 15), CellY(3)));

    Command(IDM_EDIT_UNDO);
    ASSERT_EQ(2u, editor.pattern->frameCount);
    EXPECT_TRUE(editor.pattern->GetPixel(0, 15, 3));
    EXPECT_FALSE(editor.pattern->GetPixel(1, 0, 0));
    Command(IDM_EDIT_REDO);
    EXPECT_EQ(4u, editor.pattern->frameCount);
}

TEST_F(EffectsDialogTest, TheEditedPictureOfTwoPlanesScrollsAcrossBothAndTheOthersStay) {
    SetFrames(4);
    editor.pattern->SetPixel(0, 5, 5);
    editor.pattern->SetPixel(2, 15, 0);
    editor.pattern->SetPixel(3, 0, 1);
    MoveSlider(1);
    RightClick(100, 100);
    ASSERT_EQ(3u, editor.EditedFrame()) << "plane 1 of picture 1";
    std::wstring status, tooMany;
    bool okWhenTooMany = true;
    DialogAnswerer answerer({
        [&](HWND dialog) {
            ChooseEffect(dialog, IDC_EFFECT_IN, Effect::ScrollLeft);
            ChooseEffect(dialog, IDC_EFFECT_OUT, Effect::None);
            SendDlgItemMessageW(dialog, IDC_EFFECT_EDITED_FRAME, BM_CLICK, 0, 0);
            SetDlgItemTextW(dialog, IDC_EFFECT_STEP, L"16");
            SetDlgItemTextW(dialog, IDC_EFFECT_HOLD, L"1022");
            tooMany = Status(dialog);
            okWhenTooMany = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
            SetDlgItemTextW(dialog, IDC_EFFECT_HOLD, L"0");
            status = Status(dialog);
            DialogAnswerer::Press(IDOK)(dialog);
        },
    });
    Command(IDM_FRAME_EFFECTS);
    ASSERT_EQ(1, answerer.Answered());
    // 2 scroll pictures and 1022 held make 2048 frames, which do not fit beside picture 0.
    EXPECT_EQ(L"2050 枚になり、2048 枚を超えます", tooMany);
    EXPECT_FALSE(okWhenTooMany);
    // The 32 columns of picture 1 enter from the right in steps of 16: half in, then whole.
    EXPECT_EQ(L"4 枚", status);
    ASSERT_EQ(6u, editor.pattern->frameCount);
    EXPECT_TRUE(editor.pattern->GetPixel(0, 5, 5)) << "picture 0 stays";
    for (std::uint32_t frame = 1; frame < 6; ++frame) EXPECT_FALSE(editor.pattern->GetPixel(frame, 5, 5));
    EXPECT_FALSE(editor.pattern->GetPixel(2, 15, 0)) << "plane 0 of the first step is still dark";
    EXPECT_TRUE(editor.pattern->GetPixel(3, 15, 0)) << "plane 0's LED has moved into plane 1";
    EXPECT_FALSE(editor.pattern->GetPixel(3, 0, 1)) << "plane 1's LED is still outside";
    EXPECT_TRUE(editor.pattern->GetPixel(4, 15, 0));
    EXPECT_TRUE(editor.pattern->GetPixel(5, 0, 1));
    EXPECT_EQ(2, editor.firstFrame) << "the effect's first picture is shown";
}

}  // namespace
