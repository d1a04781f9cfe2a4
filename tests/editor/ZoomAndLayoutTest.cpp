// The grid at real sign sizes: laid out to fill the window, zoomed, scrolled,
// with the status bar and the slider across the window.
#include "tests/editor/EditorSession.h"

#include <memory>
#include <string>

#include "editor/grid/GridLayout.h"

namespace {

class ZoomAndLayoutTest : public EditorSession {
protected:
    // A blank pattern of the size in place of the document, as Load puts one.
    static void Show(int columns, int rows) {
        std::unique_ptr<LedPattern> pattern(new LedPattern);
        pattern->Create(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
        pattern->SetFrameCount(2);
        ReplaceDocument(editor, std::move(pattern));
    }
    static bool HasBar(LONG_PTR bar) { return (GetWindowLongPtrW(editor.windows.gridWindow, GWL_STYLE) & bar) != 0; }
    static std::wstring StatusText(int part) {
        wchar_t text[128] = L"";
        SendMessageW(editor.windows.statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
        return text;
    }
    static void Wheel(int notches, UINT keys, POINT client) {
        ClientToScreen(editor.windows.gridWindow, &client);
        SendMessageW(editor.windows.mainWindow, WM_MOUSEWHEEL, MAKEWPARAM(keys, notches * WHEEL_DELTA),
                     MAKELPARAM(client.x, client.y));
    }
};

TEST_F(ZoomAndLayoutTest, ALongSignZoomedAndScrolledByBarsAndWheel) {
    SetWindowPos(editor.windows.mainWindow, nullptr, 0, 0, 1280, 1024, SWP_NOZORDER);
    Show(128, 16);
    const int fitted = editor.views[0].cellWidth;
    EXPECT_GE(fitted, 8) << "LEDs at least 8 pixels apart";
    EXPECT_FALSE(HasBar(WS_HSCROLL) || HasBar(WS_VSCROLL));
    for (int i = 0; i < 3; ++i) Command(IDM_VIEW_ZOOM_IN);
    EXPECT_TRUE(HasBar(WS_HSCROLL));
    SendMessageW(editor.windows.gridWindow, WM_HSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(editor.windows.gridWindow, WM_HSCROLL, SB_LINEDOWN, 0);
    ASSERT_GT(editor.zoom.scrollX, 0);
    EXPECT_EQ(editor.zoom.scrollX, GetScrollPos(editor.windows.gridWindow, SB_HORZ));

    // The LED under a point: content pixel = window pixel + scroll offset.
    const int cell = editor.views[0].cellWidth;
    const int x = 301, y = 47;
    const Cell led = {(x + editor.zoom.scrollX - GridMargin) / cell, (y + editor.zoom.scrollY - GridMargin) / cell};
    Click(x, y);
    EXPECT_TRUE(editor.pattern->GetPixel(0, led.column, led.row));
    // Only that cell is repainted, and shows it lit.
    RECT changed = editor.views[0].CellBox(led);
    UpdateWindow(editor.windows.gridWindow);
    EXPECT_EQ(LitColour, GetPixel(editor.drawing.surface, (changed.left + changed.right) / 2, (changed.top + changed.bottom) / 2));
    EXPECT_EQ(L"Column " + std::to_wstring(led.column) + L", Row " + std::to_wstring(led.row), StatusText(0));
    EXPECT_EQ(L"Frame 0", StatusText(1));
    EXPECT_EQ(L"128 x 16, 2 frames", StatusText(2));

    // Ctrl+wheel zooms around the pointer: the same LED stays under it.
    Wheel(1, MK_CONTROL, {x, y});
    EXPECT_GT(editor.views[0].cellWidth, cell);
    EXPECT_EQ(led, editor.views[0].HitTest(x, y));
    const int scrollX = editor.zoom.scrollX;
    Wheel(-1, MK_SHIFT, {x, y});
    EXPECT_GT(editor.zoom.scrollX, scrollX) << "Shift+wheel scrolls across";

    Command(IDM_VIEW_FIT_TO_WINDOW);
    EXPECT_EQ(fitted, editor.views[0].cellWidth);
    EXPECT_FALSE(HasBar(WS_HSCROLL));
    const int twoPlanes = editor.layout.grid.content.height;
    Command(IDM_VIEW_ONE_PLANE);
    EXPECT_LT(editor.layout.grid.content.height, twoPlanes) << "laid out anew for one plane";
}

TEST_F(ZoomAndLayoutTest, TheLargestPatternAtTheLargestZoomHasASurfaceOnlyAsLargeAsTheWindow) {
    Show(255, 255);
    Command(IDM_VIEW_ONE_PLANE);
    for (int i = 0; i < 30; ++i) Command(IDM_VIEW_ZOOM_IN);
    EXPECT_GE(editor.views[0].cellWidth, 48);
    RECT client;
    GetClientRect(editor.windows.gridWindow, &client);
    EXPECT_EQ(client.right, editor.drawing.width);
    EXPECT_EQ(client.bottom, editor.drawing.height);
    SendMessageW(editor.windows.gridWindow, WM_VSCROLL, SB_BOTTOM, 0);
    SendMessageW(editor.windows.gridWindow, WM_HSCROLL, SB_BOTTOM, 0);
    Click(editor.views[0].right - 2, editor.views[0].bottom - 2);
    EXPECT_TRUE(editor.pattern->GetPixel(0, 254, 254));
    const int half = editor.views[0].cellWidth / 2;
    EXPECT_EQ(LitColour, SurfacePixel(editor.views[0].right - half, editor.views[0].bottom - half));
}

TEST_F(ZoomAndLayoutTest, TheStartUpLayoutHoldsUntilTheUserAsksAndComesBack) {
    RECT trackbar;
    GetWindowRect(Trackbar(), &trackbar);
    const int startUpWidth = trackbar.right - trackbar.left;
    EXPECT_FALSE(IsWindowVisible(editor.windows.statusBar));

    ShowWindow(editor.windows.mainWindow, SW_MAXIMIZE);
    EXPECT_TRUE(IsWindowVisible(editor.windows.statusBar));
    EXPECT_TRUE(MenuMarked(IDM_VIEW_STATUS_BAR));
    EXPECT_GT(editor.views[0].cellWidth, 20) << "16 x 16 fills the larger window";
    RECT slider;
    GetClientRect(editor.windows.sliderWindow, &slider);
    GetWindowRect(Trackbar(), &trackbar);
    EXPECT_EQ(slider.right - 2 * editor.layout.trackbarBox.left, trackbar.right - trackbar.left) << "across the window";
    ShowWindow(editor.windows.mainWindow, SW_RESTORE);
    EXPECT_TRUE(editor.layout.startUp);
    EXPECT_EQ(330, editor.views[1].left);
    EXPECT_FALSE(IsWindowVisible(editor.windows.statusBar));
    GetWindowRect(Trackbar(), &trackbar);
    EXPECT_EQ(startUpWidth, trackbar.right - trackbar.left);

    // Asked for, the status bar shows at the first size too; the user's
    // choice then holds whatever the layout.
    Command(IDM_VIEW_STATUS_BAR);
    EXPECT_TRUE(IsWindowVisible(editor.windows.statusBar));
    Command(IDM_VIEW_STATUS_BAR);
    Show(64, 16);
    EXPECT_FALSE(IsWindowVisible(editor.windows.statusBar));
}

}  // namespace
