// The Tools menu's tools in the editor, through mouse messages on the grid
// window, each change undone as one step.
#include <windowsx.h>

#include <algorithm>

#include "editor/document/DocumentChange.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/CellPictures.h"

namespace {

class DrawingToolsTest : public EditorSession {
protected:
    // A blank pattern of this size, laid out as the editor lays it out.
    static void UsePattern(int columns, int rows) {
        LedPattern blank;
        blank.Create(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
        blank.SetFrameCount(2);
        ReplacePatternFrames(editor, blank);
        editor.history.Clear();
    }
    static LPARAM At(GridCell cell) {
        const PlaneView& view = editor.TargetView();
        return MAKELPARAM(view.left + cell.column * view.cellWidth + view.cellWidth / 2,
                          view.top + cell.row * view.cellHeight + view.cellHeight / 2);
    }
    static void Mouse(UINT message, GridCell cell, WPARAM keys = 0) {
        SendMessageW(editor.windows.gridWindow, message, keys, At(cell));
    }
    static void Drag(GridCell from, GridCell to, WPARAM keys = 0) {
        Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON | keys);
        Mouse(WM_MOUSEMOVE, to, MK_LBUTTON | keys);
        Mouse(WM_LBUTTONUP, to, keys);
    }
    static void ClickCell(GridCell cell) { Drag(cell, cell); }
    static Picture Frame() { return PictureOf(*editor.pattern, 0); }
    static Picture Blank() { return Picture(editor.pattern->rows, std::string(editor.pattern->columns, '.')); }
    static COLORREF Shown(GridCell cell) {
        const LPARAM point = At(cell);
        return SurfacePixel(GET_X_LPARAM(point), GET_Y_LPARAM(point));
    }
};

TEST_F(DrawingToolsTest, ThePencilIsTheToolAtStartUpAndTheChosenToolIsMarked) {
    wchar_t text[64];
    GetMenuStringW(editor.windows.menu, 4, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"&Tools", text);
    const wchar_t* const items[] = {
        L"&Pencil\tP", L"Freehan&d\tD", L"&Line\tL", L"&Rectangle\tR", L"Filled Recta&ngle\tShift+R",
        L"&Ellipse\tE", L"Filled Ell&ipse\tShift+E", L"&Flood Fill\tF", L"&Select\tS", L"Selec&t All\tCtrl+A", L"",
        L"Flip &Horizontal\tShift+H", L"Flip &Vertical\tShift+V", L"Rotate &Clockwise\tShift+C",
        L"Rotate &Anticlockwise\tShift+A"};
    HMENU tools = GetSubMenu(editor.windows.menu, 4);
    ASSERT_EQ(15, GetMenuItemCount(tools));
    for (int i = 0; i < 15; ++i) {
        GetMenuStringW(tools, i, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(items[i], text);
    }
    EXPECT_TRUE(MenuMarked(IDM_TOOLS_PENCIL));
    EXPECT_EQ(Tool::Pencil, editor.tools.tool);
    MSG key = {editor.windows.mainWindow, WM_KEYDOWN, 'L', 0, 0, {0, 0}};
    ASSERT_TRUE(TranslateAcceleratorW(editor.windows.mainWindow, editor.windows.accelerators, &key));
    EXPECT_EQ(Tool::Line, editor.tools.tool);
    EXPECT_TRUE(MenuMarked(IDM_TOOLS_LINE));
    EXPECT_FALSE(MenuMarked(IDM_TOOLS_PENCIL));
    Command(IDM_TOOLS_PENCIL);
    Click(CellX(0, 3), CellY(2));
    EXPECT_TRUE(editor.pattern->GetPixel(0, 3, 2)) << "the described pen again";
}

// The line, rectangle, fill, freehand and flip of a 32 x 16 pattern, undone
// one by one, are drawn with the real mouse in the end-to-end test.
TEST_F(DrawingToolsTest, AShapeIsOnlyPreviewedWhileDraggedAndDrawnOnRelease) {
    UsePattern(32, 16);
    Command(IDM_TOOLS_ELLIPSE);
    Mouse(WM_LBUTTONDOWN, {0, 0}, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, {31, 15}, MK_LBUTTON);
    EXPECT_EQ(Blank(), Frame()) << "not yet in the frame";
    EXPECT_EQ(LitColour, Shown({0, 7}));
    EXPECT_EQ(UnlitColour, Shown({15, 7}));
    Mouse(WM_LBUTTONUP, {31, 15});
    EXPECT_EQ('#', Frame()[7][0]);
    EXPECT_EQ('#', Frame()[8][31]);
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(Blank(), Frame());
}

TEST_F(DrawingToolsTest, ASelectionMovedCopiedPastedAndCleared) {
    UsePattern(32, 16);
    editor.pattern->SetPixel(0, 0, 0);
    editor.pattern->SetPixel(0, 2, 1);
    const Picture before = Frame();
    Command(IDM_TOOLS_SELECT);
    Drag({0, 0}, {2, 1});
    Drag({1, 1}, {11, 6});
    EXPECT_EQ(Blank(), Frame()) << "lifted: the vacated cells go dark";
    EXPECT_EQ(LitColour, Shown({10, 5})) << "and the content floats where it was dragged";
    Command(IDM_TOOLS_DROP_SELECTION);
    Picture moved = Blank();
    moved[5][10] = moved[6][12] = '#';
    EXPECT_EQ(moved, Frame());
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(before, Frame()) << "the move is one step";

    Drag({0, 0}, {2, 1});
    Command(IDM_EDIT_COPY);
    Command(IDM_EDIT_PASTE);
    Drag({0, 0}, {29, 14});
    ClickCell({5, 10});   // outside: drops it
    Picture pasted = before;
    pasted[14][29] = pasted[15][31] = '#';
    EXPECT_EQ(pasted, Frame()) << "clipped at the frame's edge";
    Drag({0, 0}, {31, 15});
    Command(IDM_TOOLS_CLEAR_SELECTION);
    EXPECT_EQ(Blank(), Frame());
    Command(IDM_EDIT_UNDO);
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(before, Frame());
}

TEST_F(DrawingToolsTest, FlipsAndTurnsActOnTheSelectionOrTheWholeFrame) {
    UsePattern(32, 16);
    editor.pattern->SetPixel(0, 0, 0);
    editor.pattern->SetPixel(0, 1, 0);
    Command(IDM_TOOLS_FLIP_HORIZONTAL);
    Picture mirrored = Blank();
    mirrored[0][31] = mirrored[0][30] = '#';
    EXPECT_EQ(mirrored, Frame());
    Command(IDM_TOOLS_SELECT);
    Drag({30, 0}, {31, 1});
    Command(IDM_TOOLS_ROTATE_CLOCKWISE);
    Picture turned = Blank();
    turned[0][31] = turned[1][31] = '#';
    EXPECT_EQ(turned, Frame());
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(mirrored, Frame());
    Command(IDM_EDIT_UNDO);
    EXPECT_TRUE(editor.pattern->GetPixel(0, 0, 0) && editor.pattern->GetPixel(0, 1, 0));
}

TEST_F(DrawingToolsTest, ASquareInTheSecondPlaneZoomedAndScrolledWithItsSizeInTheStatusBar) {
    SetWindowPos(editor.windows.mainWindow, nullptr, 0, 0, 1280, 1024, SWP_NOZORDER);
    UsePattern(128, 16);
    Command(IDM_VIEW_ZOOM_IN);
    Command(IDM_VIEW_ZOOM_IN);
    SendMessageW(editor.windows.gridWindow, WM_HSCROLL, SB_PAGEDOWN, 0);
    ASSERT_GT(editor.zoom.scrollX, 0);
    Command(IDM_EDIT_CHANGE_TARGET);
    ASSERT_EQ(1, editor.targetPlane);
    // Cells of the second view in sight: from its first whole cell on.
    const PlaneView& view = editor.TargetView();
    const GridCell first = {std::max(0, (view.cellWidth - 1 - view.left) / view.cellWidth),
                            std::max(0, (view.cellHeight - 1 - view.top) / view.cellHeight)};
    Command(IDM_TOOLS_FILLED_RECTANGLE);
    // Shift held: a square as large as the longer side.
    Mouse(WM_LBUTTONDOWN, first, MK_LBUTTON | MK_SHIFT);
    Mouse(WM_MOUSEMOVE, {first.column + 3, first.row + 1}, MK_LBUTTON | MK_SHIFT);
    wchar_t status[64] = L"";
    SendMessageW(editor.windows.statusBar, SB_GETTEXTW, 4, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(L"Shape 4 x 4", status);
    Mouse(WM_LBUTTONUP, {first.column + 3, first.row + 1}, MK_SHIFT);
    int lit = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 128; ++x) lit += editor.pattern->GetPixel(1, x, y);
    EXPECT_EQ(16, lit);
    EXPECT_TRUE(editor.pattern->GetPixel(1, first.column + 3, first.row + 3));
    EXPECT_EQ(Blank(), Frame()) << "the first plane is untouched";
    Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(editor.pattern->GetPixel(1, first.column + 3, first.row + 3));
}

}  // namespace
