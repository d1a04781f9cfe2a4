#include "editor/app/MainWindow.h"
#include "tests/editor/EditorSession.h"
#include <cstdint>

namespace {

using ApplicationTest = EditorSession;

TEST_F(ApplicationTest, StartsWithTheFirstPageOfTwoFramesAndTheMenuMarks) {
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    2 ]", Title());
    EXPECT_TRUE(MenuMarked(IDM_EDIT_XOR_MODE));
    EXPECT_FALSE(MenuMarked(IDM_EDIT_OR_MODE));
    EXPECT_TRUE(MenuMarked(IDM_VIEW_TWO_PLANES));
    EXPECT_FALSE(MenuMarked(IDM_VIEW_ONE_PLANE));
    EXPECT_TRUE(MenuMarked(IDM_VIEW_TRANSPARENT));
    EXPECT_FALSE(IsWindowEnabled(Trackbar()));
    EXPECT_EQ(16, editor.pattern->columns);
    EXPECT_EQ(2u, editor.pattern->frameCount);
    EXPECT_FALSE(editor.pattern->modified);
    EXPECT_EQ(0, editor.pattern->header.wait);
    // The views of a 16 x 16 pattern: 20-pixel cells in the two boxes.
    EXPECT_EQ(20, editor.views[0].cellWidth);
    EXPECT_EQ(330, editor.views[0].right);
    EXPECT_EQ(330, editor.views[1].left);
    EXPECT_EQ(650, editor.views[1].right);
    EXPECT_EQ(330, editor.views[1].bottom);
}

TEST_F(ApplicationTest, MenuHasEveryCommandInItsPlace) {
    HMENU file = GetSubMenu(editor.windows.menu, 0);
    HMENU edit = GetSubMenu(editor.windows.menu, 1);
    HMENU view = GetSubMenu(editor.windows.menu, 2);
    wchar_t text[64];
    GetMenuStringW(editor.windows.menu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"&File", text);
    // New and a separator first, as in every editor; then the described items,
    // Export Code in a group of its own after Create Hex File, Preview List
    // in a group of its own before Exit, and Exit last.
    const UINT fileItems[] = {IDM_FILE_NEW,         0, IDM_FILE_LOAD, IDM_FILE_SAVE, IDM_FILE_SAVE_AS, 0,
                              IDM_FILE_ADD_TO_LIST, IDM_FILE_CREATE_HEX, 0, IDM_FILE_EXPORT_CODE, 0,
                              IDM_FILE_PREVIEW_LIST, 0, IDM_FILE_EXIT};
    ASSERT_EQ(14, GetMenuItemCount(file));
    for (int i = 0; i < 14; ++i) EXPECT_EQ(fileItems[i], GetMenuItemID(file, i)) << "File item " << i;
    const UINT editItems[] = {IDM_EDIT_COPY, IDM_EDIT_PASTE, 0, IDM_EDIT_INVERSE, IDM_EDIT_ALL_CLEAR, 0,
                              IDM_EDIT_XOR_MODE, IDM_EDIT_OR_MODE, IDM_EDIT_ERASE_MODE, 0,
                              IDM_EDIT_CHANGE_TARGET, 0, IDM_EDIT_LIST_FILE};
    // The described items first, then Undo and Redo after a separator.
    ASSERT_EQ(16, GetMenuItemCount(edit));
    for (int i = 0; i < 13; ++i) EXPECT_EQ(editItems[i], GetMenuItemID(edit, i)) << "Edit item " << i;
    const UINT undoItems[] = {0, IDM_EDIT_UNDO, IDM_EDIT_REDO};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(undoItems[i], GetMenuItemID(edit, 13 + i)) << "Edit item " << 13 + i;
    GetMenuStringW(editor.windows.menu, IDM_EDIT_UNDO, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"&Undo\tCtrl+Z", text);
    // The described items, then the zoom and the status bar after separators.
    const UINT viewItems[] = {IDM_VIEW_ONE_PLANE, IDM_VIEW_TWO_PLANES, 0, IDM_VIEW_TRANSPARENT, 0, IDM_VIEW_OPTION,
                              0, IDM_VIEW_ZOOM_IN, IDM_VIEW_ZOOM_OUT, IDM_VIEW_FIT_TO_WINDOW, 0, IDM_VIEW_STATUS_BAR};
    ASSERT_EQ(12, GetMenuItemCount(view));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(viewItems[i], GetMenuItemID(view, i)) << "View item " << i;
    GetMenuStringW(editor.windows.menu, IDM_FILE_CREATE_HEX, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"Create &Hex File...", text);
    // The Frame menu, then the Tools menu (DrawingToolsTest).
    ASSERT_EQ(5, GetMenuItemCount(editor.windows.menu));
    GetMenuStringW(editor.windows.menu, 3, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"F&rame", text);
    HMENU frame = GetSubMenu(editor.windows.menu, 3);
    const UINT frameItems[] = {IDM_FRAME_TEXT, 0, IDM_FRAME_IMPORT_PICTURE, IDM_FRAME_EXPORT_PICTURE, 0, IDM_FRAME_SHIFT_UP,
                               IDM_FRAME_SHIFT_DOWN, IDM_FRAME_SHIFT_LEFT, IDM_FRAME_SHIFT_RIGHT, 0,
                               IDM_FRAME_INSERT, IDM_FRAME_DUPLICATE, IDM_FRAME_DELETE, 0,
                               IDM_FRAME_NEXT_PAGE, IDM_FRAME_PREVIOUS_PAGE, 0, IDM_FRAME_PLAY, 0,
                               IDM_FRAME_RESIZE, IDM_FRAME_GO_TO, 0, IDM_FRAME_EFFECTS};
    ASSERT_EQ(23, GetMenuItemCount(frame));
    for (int i = 0; i < 23; ++i) EXPECT_EQ(frameItems[i], GetMenuItemID(frame, i)) << "Frame item " << i;
}

TEST_F(ApplicationTest, LayoutPutsTheSliderAlongTheBottom) {
    SetWindowPos(editor.windows.mainWindow, nullptr, 0, 0, 700, 600, SWP_NOZORDER | SWP_NOMOVE);
    RECT client, slider, grid;
    GetClientRect(editor.windows.mainWindow, &client);
    GetWindowRect(editor.windows.sliderWindow, &slider);
    GetWindowRect(editor.windows.gridWindow, &grid);
    MapWindowPoints(nullptr, editor.windows.mainWindow, reinterpret_cast<POINT*>(&slider), 2);
    MapWindowPoints(nullptr, editor.windows.mainWindow, reinterpret_cast<POINT*>(&grid), 2);
    int sliderHeight = slider.bottom - slider.top;
    // Out of the first window size the status bar shows below the slider.
    RECT status;
    GetWindowRect(editor.windows.statusBar, &status);
    int statusHeight = status.bottom - status.top;
    EXPECT_TRUE(IsWindowVisible(editor.windows.statusBar));
    EXPECT_GT(sliderHeight, 0);
    EXPECT_EQ(0, slider.left);
    EXPECT_EQ(client.right, slider.right);
    EXPECT_EQ(client.bottom - statusHeight, slider.bottom);
    EXPECT_EQ(0, grid.left);
    EXPECT_EQ(0, grid.top);
    EXPECT_EQ(client.right, grid.right);
    EXPECT_EQ(client.bottom - statusHeight - sliderHeight, grid.bottom);

    // Minimised, the children stay; restored, they are laid out anew.
    ShowWindow(editor.windows.mainWindow, SW_MINIMIZE);
    RECT minimisedGrid;
    GetWindowRect(editor.windows.gridWindow, &minimisedGrid);
    MapWindowPoints(nullptr, editor.windows.mainWindow, reinterpret_cast<POINT*>(&minimisedGrid), 2);
    EXPECT_EQ(grid.right, minimisedGrid.right);
    ShowWindow(editor.windows.mainWindow, SW_RESTORE);
    GetClientRect(editor.windows.mainWindow, &client);
    GetWindowRect(editor.windows.gridWindow, &grid);
    EXPECT_EQ(client.right, grid.right - grid.left);
}

TEST_F(ApplicationTest, DraggingBelowTheMinimumPushesTheRightAndBottomEdges) {
    RECT dragged = {200, 100, 300, 200};
    SendMessageW(editor.windows.mainWindow, WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&dragged));
    EXPECT_EQ(200, dragged.left);
    EXPECT_EQ(200 + MinimumWindowWidth, dragged.right);
    EXPECT_EQ(100, dragged.top);
    EXPECT_EQ(100 + MinimumWindowHeight, dragged.bottom);
    RECT large = {0, 0, 800, 700};
    SendMessageW(editor.windows.mainWindow, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&large));
    EXPECT_EQ(800, large.right);
    EXPECT_EQ(700, large.bottom);
}

TEST_F(ApplicationTest, ClosingAnUnmodifiedPatternAsksNothing) {
    SendMessageW(editor.windows.mainWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(editor.windows.mainWindow));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, message.wParam);
}

TEST_F(ApplicationTest, PlaneAndTargetCommands) {
    Command(IDM_EDIT_CHANGE_TARGET);
    EXPECT_EQ(1, editor.targetPlane);
    Command(IDM_EDIT_CHANGE_TARGET);
    EXPECT_EQ(0, editor.targetPlane);
    Command(IDM_EDIT_CHANGE_TARGET);
    Command(IDM_VIEW_ONE_PLANE);
    EXPECT_EQ(1, editor.planeCount);
    EXPECT_EQ(0, editor.targetPlane) << "the target view 1 is gone";
    EXPECT_TRUE(MenuMarked(IDM_VIEW_ONE_PLANE));
    EXPECT_FALSE(MenuMarked(IDM_VIEW_TWO_PLANES));
    Command(IDM_EDIT_CHANGE_TARGET);
    EXPECT_EQ(0, editor.targetPlane) << "one plane: nothing to change to";

    Command(IDM_EDIT_ERASE_MODE);
    EXPECT_EQ(EditErase, editor.editMode);
    EXPECT_TRUE(MenuMarked(IDM_EDIT_ERASE_MODE));
    EXPECT_FALSE(MenuMarked(IDM_EDIT_XOR_MODE));
    Command(IDM_EDIT_OR_MODE);
    EXPECT_EQ(EditOr, editor.editMode);

    Command(IDM_VIEW_TRANSPARENT);
    EXPECT_EQ(0, editor.transparent);
    EXPECT_FALSE(MenuMarked(IDM_VIEW_TRANSPARENT));
    Command(IDM_VIEW_TRANSPARENT);
    EXPECT_EQ(1, editor.transparent);
    EXPECT_TRUE(MenuMarked(IDM_VIEW_TRANSPARENT));
}

TEST_F(ApplicationTest, MainWindowHasTheProgramsIconInBothSizes) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LUMIGRID));
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, reinterpret_cast<HICON>(GetClassLongPtrW(editor.windows.mainWindow, GCLP_HICON)));
    HICON small = reinterpret_cast<HICON>(GetClassLongPtrW(editor.windows.mainWindow, GCLP_HICONSM));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(small, &info));
    BITMAP colour = {};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), colour.bmWidth);
    EXPECT_EQ(0, GetClassLongPtrW(editor.windows.gridWindow, GCLP_HICON));
}

}  // namespace

namespace {

// FNV-1a over the pixels of the main window's client area as it is on the
// screen: the grid with its views, the slider and the edges between them.
std::uint64_t ClientAreaChecksum() {
    RedrawWindow(editor.windows.mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    RECT client;
    GetClientRect(editor.windows.mainWindow, &client);
    HDC windowDc = GetDC(editor.windows.mainWindow);
    HDC copy = CreateCompatibleDC(windowDc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ kept = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    GdiFlush();
    std::uint64_t hash = 14695981039346656037ull;
    const std::uint32_t* pixels = static_cast<const std::uint32_t*>(bits);
    for (long i = 0; i < static_cast<long>(client.right) * client.bottom; ++i) {
        hash ^= pixels[i] & 0x00FFFFFF;
        hash *= 1099511628211ull;
    }
    SelectObject(copy, kept);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(editor.windows.mainWindow, windowDc);
    return hash;
}

// Recorded from the editor before it could lay patterns out in the whole
// window, on the test's 1280 x 1024 virtual screen.
TEST_F(ApplicationTest, TheStartUpScreenIsPixelForPixelAsDescribed) {
    RECT client;
    GetClientRect(editor.windows.mainWindow, &client);
    ASSERT_EQ(952, client.right) << "the reference is for the first window size on a 1280 x 1024 screen";
    ASSERT_EQ(722, client.bottom);
    EXPECT_EQ(10831533953112979014ull, ClientAreaChecksum());
    // Switching to one plane and back keeps the described views.
    Command(IDM_VIEW_ONE_PLANE);
    Command(IDM_VIEW_TWO_PLANES);
    EXPECT_EQ(10831533953112979014ull, ClientAreaChecksum());
}

TEST_F(ApplicationTest, ASecondSessionStartsAsTheFirstDid) {
    Command(IDM_VIEW_ONE_PLANE);
    Command(IDM_VIEW_TRANSPARENT);
    Command(IDM_EDIT_ERASE_MODE);
    Command(IDM_TOOLS_LINE);
    Command(IDM_VIEW_ZOOM_IN);
    Command(IDM_EDIT_COPY);
    SetFrames(9);
    MoveSlider(4);
    DestroyWindow(editor.windows.mainWindow);
    DrainMessages();
    ::TearDown();
    ASSERT_TRUE(StartUp(GetModuleHandleW(nullptr)));

    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    2 ]", Title());
    EXPECT_EQ(2, editor.planeCount);
    EXPECT_EQ(1, editor.transparent);
    EXPECT_EQ(EditXor, editor.editMode);
    EXPECT_EQ(Tool::Pencil, editor.tools.tool);
    EXPECT_EQ(0, editor.zoom.cell);
    EXPECT_TRUE(editor.layout.startUp);
    EXPECT_FALSE(IsWindowVisible(editor.windows.statusBar));
    EXPECT_EQ(20, editor.views[0].cellWidth);
    EXPECT_FALSE(IsWindowEnabled(Trackbar()));
    OpenMenu();
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_PASTE)) << "nothing copied in this session";
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_UNDO));
    EXPECT_TRUE(MenuMarked(IDM_VIEW_TWO_PLANES));
    EXPECT_TRUE(MenuMarked(IDM_VIEW_TRANSPARENT));
    EXPECT_TRUE(MenuMarked(IDM_EDIT_XOR_MODE));
    EXPECT_TRUE(MenuMarked(IDM_TOOLS_PENCIL));
    EXPECT_EQ(10831533953112979014ull, ClientAreaChecksum()) << "the described start-up screen";
}

}  // namespace
