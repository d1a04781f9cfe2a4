// File > New, Frame > Resize and Frame > Go to Frame, answered as a person
// would answer their dialogs.
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"

#include <string>
#include <utility>
#include <vector>

namespace {

class NewAndResizeTest : public EditorSession {
protected:
    static std::wstring Text(HWND dialog, int id) {
        wchar_t text[32] = L"";
        GetDlgItemTextW(dialog, id, text, 32);
        return text;
    }
    // True when the box has the focus and all its text selected.
    static bool Selected(HWND dialog, int id) {
        DWORD start = 1, end = 0;
        SendDlgItemMessageW(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return GetFocus() == GetDlgItem(dialog, id) && start == 0 && end == Text(dialog, id).size();
    }
    // Fills number boxes and presses OK.
    static DialogAnswerer::Answer Fill(std::vector<std::pair<int, std::wstring>> boxes) {
        return [boxes](HWND dialog) {
            for (const auto& box : boxes) SetDlgItemTextW(dialog, box.first, box.second.c_str());
            DialogAnswerer::Press(IDOK)(dialog);
        };
    }
};

TEST_F(NewAndResizeTest, NewMakesABlankUnnamedPatternAfterTheSaveQuestion) {
    Click(CellX(0, 1), CellY(1));
    Command(IDM_EDIT_COPY);
    std::wstring offered;
    bool columnsSelected = false;
    {
        DialogAnswerer answerer({[&](HWND dialog) {
                                     SetActiveWindow(dialog);
                                     offered = Text(dialog, IDC_NEW_COLUMNS) + L" " + Text(dialog, IDC_NEW_ROWS) +
                                               L" " + Text(dialog, IDC_NEW_FRAMES);
                                     columnsSelected = Selected(dialog, IDC_NEW_COLUMNS);
                                     Fill({{IDC_NEW_COLUMNS, L"128"}, {IDC_NEW_FRAMES, L"2048"}})(dialog);
                                 },
                                 DialogAnswerer::Press(IDNO)});
        Command(IDM_FILE_NEW);
        ASSERT_EQ(2, answerer.Answered());
        EXPECT_EQ(L"新規作成", answerer.Titles()[0]);
        EXPECT_EQ(L"確認", answerer.Titles()[1]) << "the save-changes question after OK";
    }
    EXPECT_EQ(L"16 16 2", offered);
    EXPECT_TRUE(columnsSelected);
    LedPattern& pattern = *editor.pattern;
    EXPECT_EQ(128, pattern.columns);
    EXPECT_EQ(16, pattern.rows);
    EXPECT_EQ(2048u, pattern.frameCount);
    EXPECT_FALSE(pattern.modified);
    EXPECT_FALSE(pattern.fileName);
    EXPECT_EQ(ControlNormal, pattern.header.controlCode);
    EXPECT_EQ(1, pattern.header.wait);
    OpenMenu();
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_UNDO));
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_PASTE)) << "the copied frame was of another size";
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 / 2048 ]", Title());

    // In a large window, zoomed in and scrolled, a click lights exactly the
    // LED under it.
    SetWindowPos(editor.windows.mainWindow, nullptr, 0, 0, 1280, 1024, SWP_NOZORDER);
    EXPECT_GE(editor.views[0].cellWidth, 8);
    Command(IDM_VIEW_ZOOM_IN);
    Command(IDM_VIEW_ZOOM_IN);
    SendMessageW(editor.windows.gridWindow, WM_HSCROLL, SB_BOTTOM, 0);
    const PlaneView& view = editor.views[0];
    POINT led = {view.left + 100 * view.cellWidth + 1, view.top + 15 * view.cellWidth + 1};
    RECT grid;
    GetClientRect(editor.windows.gridWindow, &grid);
    ASSERT_TRUE(PtInRect(&grid, led)) << "on the screen, scrolled to";
    Click(led.x, led.y);
    std::uint8_t frame[16 * 16];
    pattern.CopyFrame(0, frame);
    for (int i = 0; i < 16 * 16; ++i) EXPECT_EQ(i == 15 * 16 + 12 ? 0x08 : 0x00, frame[i]) << "byte " << i;
}

TEST_F(NewAndResizeTest, ANumberOutOfRangeKeepsTheDialogOpenAndEscapeCancels) {
    bool selected = false;
    {
        DialogAnswerer answerer({[&](HWND dialog) {
            SetActiveWindow(dialog);
            SetDlgItemTextW(dialog, IDC_NEW_ROWS, L"256");
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            selected = Selected(dialog, IDC_NEW_ROWS);
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // what Esc sends
        }});
        Command(IDM_FILE_NEW);
    }
    EXPECT_TRUE(selected) << "the refused box, ready to be typed over";
    EXPECT_EQ(16, editor.pattern->rows) << "nothing was made of it, nor of a value clamped into range";
}

TEST_F(NewAndResizeTest, ResizeAgainstAnAnchorIsOneUndoableStep) {
    editor.pattern->SetPixel(0, 0, 0);
    editor.pattern->SetPixel(0, 15, 15);
    {
        DialogAnswerer answerer({[](HWND dialog) {
            EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_RESIZE_ANCHOR_FIRST)) << "the top-left corner";
            SendDlgItemMessageW(dialog, IDC_RESIZE_ANCHOR_LAST, BM_CLICK, 0, 0);
            Fill({{IDC_RESIZE_COLUMNS, L"20"}, {IDC_RESIZE_ROWS, L"18"}})(dialog);
        }});
        Command(IDM_FRAME_RESIZE);
        EXPECT_EQ(L"サイズ変更", answerer.Titles().back());
    }
    LedPattern& pattern = *editor.pattern;
    ASSERT_EQ(20, pattern.columns);
    EXPECT_EQ(18, pattern.rows);
    EXPECT_TRUE(pattern.GetPixel(0, 4, 2) && pattern.GetPixel(0, 19, 17));
    EXPECT_TRUE(pattern.modified);
    EXPECT_EQ(20 * editor.views[0].cellWidth, editor.views[0].right - editor.views[0].left) << "laid out anew";

    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(16, pattern.columns);
    EXPECT_TRUE(pattern.GetPixel(0, 0, 0) && pattern.GetPixel(0, 15, 15));
    EXPECT_TRUE(editor.layout.startUp) << "back to the described layout";
    Command(IDM_EDIT_REDO);
    EXPECT_TRUE(pattern.GetPixel(0, 19, 17));
}

TEST_F(NewAndResizeTest, GoToFrameShowsItsPageWithItsViewAsTheTarget) {
    SetFrames(10);
    std::wstring range;
    {
        DialogAnswerer answerer({[&](HWND dialog) {
            range = Text(dialog, IDC_GO_TO_FRAME_RANGE);
            SetDlgItemTextW(dialog, IDC_GO_TO_FRAME, L"10");
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);  // beyond the last frame: refused
            Fill({{IDC_GO_TO_FRAME, L"7"}})(dialog);
        }});
        Command(IDM_FRAME_GO_TO);
    }
    EXPECT_EQ(L"(0 ～ 9)", range);
    EXPECT_EQ(6, editor.firstFrame);
    EXPECT_EQ(1, editor.targetPlane);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    6 /   10 ]", Title());
}

}  // namespace
