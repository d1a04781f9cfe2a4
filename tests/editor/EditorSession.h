// Starts the editor's windows in the test process for one test and closes
// them afterwards, as the program's entry would.
#ifndef LUMIGRID_TESTS_EDITORSESSION_H
#define LUMIGRID_TESTS_EDITORSESSION_H

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/app/Application.h"
#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/document/DocumentChange.h"
#include "resources/resource.h"

class EditorSession : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartUp(GetModuleHandleW(nullptr))); }
    void TearDown() override {
        if (IsWindow(editor.windows.mainWindow)) DestroyWindow(editor.windows.mainWindow);
        DrainMessages();
        ::TearDown();
    }

    static void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    static std::wstring Title() {
        wchar_t text[256] = L"";
        GetWindowTextW(editor.windows.mainWindow, text, 256);
        return text;
    }
    static void Command(UINT id) { SendMessageW(editor.windows.mainWindow, WM_COMMAND, id, 0); }
    static bool MenuMarked(UINT id) { return (GetMenuState(editor.windows.menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
    static bool MenuGreyed(UINT id) { return (GetMenuState(editor.windows.menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }
    static void OpenMenu() { SendMessageW(editor.windows.mainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(editor.windows.menu), 0); }

    // The pen, in grid-window client pixels.
    static void Press(int x, int y) { SendMessageW(editor.windows.gridWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    static void Move(int x, int y) { SendMessageW(editor.windows.gridWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    static void Release(int x, int y) { SendMessageW(editor.windows.gridWindow, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    static void Click(int x, int y) { Press(x, y); Release(x, y); }
    static void RightClick(int x, int y) { SendMessageW(editor.windows.gridWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y)); }
    // Centre of a cell of a view laid out for the 16 x 16 pattern.
    static int CellX(int view, int column) { return (view == 0 ? 10 : 330) + column * 20 + 10; }
    static int CellY(int row) { return 10 + row * 20 + 10; }

    // Paints the grid now and reads a pixel of the drawing surface.
    static COLORREF SurfacePixel(int x, int y) {
        RedrawWindow(editor.windows.gridWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return GetPixel(editor.drawing.surface, x, y);
    }

    static HWND Trackbar() { return GetDlgItem(editor.windows.sliderWindow, IDC_FRAME_SLIDER); }
    static int SliderMax() { return static_cast<int>(SendMessageW(Trackbar(), TBM_GETRANGEMAX, 0, 0)); }
    static int SliderPosition() { return static_cast<int>(SendMessageW(Trackbar(), TBM_GETPOS, 0, 0)); }
    static void MoveSlider(int position) {
        SendMessageW(Trackbar(), TBM_SETPOS, TRUE, position);
        SendMessageW(editor.windows.sliderWindow, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(Trackbar()));
    }
    // Gives the pattern a new frame count the way the options dialog's OK does.
    static void SetFrames(int count) {
        editor.frameCount = count;
        editor.pattern->SetFrameCount(static_cast<std::uint32_t>(count));
        editor.targetPlane = 0;
        editor.firstFrame = 0;
        Refresh(editor, RefreshPart::Slider);
    }
};

#endif
