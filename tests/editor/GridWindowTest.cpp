#include "editor/grid/GridLayout.h"
#include "editor/views/PlaneView.h"
#include "tests/editor/EditorSession.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

using GridWindowTest = EditorSession;

bool Lit(int frame, int column, int row) { return editor.pattern->GetPixel(frame, column, row); }

// The picture of a view drawn the plain way: one call per grid line and one
// per LED, round from 8 pixels a cell (outlined in black from 12, in their
// own colour below), square below 8, grid lines from 4.
void DrawPlainly(HDC dc, const PlaneView& view, bool highlighted, int offset) {
    const LedPattern& pattern = *view.pattern;
    const int cell = view.cellWidth;
    if (cell >= 4) {
        for (int c = 0; c <= pattern.columns; ++c) {
            MoveToEx(dc, view.left + c * cell, view.top, nullptr);
            LineTo(dc, view.left + c * cell, view.bottom);
        }
        for (int r = 0; r <= pattern.rows; ++r) {
            MoveToEx(dc, view.left, view.top + r * cell, nullptr);
            LineTo(dc, view.right, view.top + r * cell);
        }
    }
    if (highlighted) {
        HPEN green = CreatePen(PS_SOLID, 3, TargetFrameColour);
        HGDIOBJ kept = SelectObject(dc, green);
        POINT outline[] = {{view.left - 2, view.top - 2}, {view.right + 2, view.top - 2},
                           {view.right + 2, view.bottom + 2}, {view.left - 2, view.bottom + 2},
                           {view.left - 2, view.top - 2}};
        Polyline(dc, outline, 5);
        SelectObject(dc, kept);
        DeleteObject(green);
    }
    const COLORREF colours[] = {LitColour, PreviousPageColour, UnlitColour};
    HBRUSH brushes[] = {CreateSolidBrush(LitColour), CreateSolidBrush(PreviousPageColour), CreateSolidBrush(UnlitColour)};
    HGDIOBJ keptBrush = GetCurrentObject(dc, OBJ_BRUSH);
    for (int row = 0; row < pattern.rows; ++row)
        for (int column = 0; column < pattern.columns; ++column) {
            int kind = 2;
            if (pattern.GetPixel(view.frameIndex, column, row)) kind = 0;
            else if (offset && view.frameIndex >= offset && pattern.GetPixel(view.frameIndex - offset, column, row))
                kind = 1;
            int x0 = view.left + column * cell, y0 = view.top + row * cell;
            SelectObject(dc, brushes[kind]);
            if (cell >= 8) {
                LedMargins margins = RoundLedMargins(cell);
                HPEN own = cell < 12 ? CreatePen(PS_SOLID, 1, colours[kind]) : nullptr;
                HGDIOBJ keptPen = own ? SelectObject(dc, own) : nullptr;
                Ellipse(dc, x0 + margins.before, y0 + margins.before, x0 + cell - margins.after,
                        y0 + cell - margins.after);
                if (own) {
                    SelectObject(dc, keptPen);
                    DeleteObject(own);
                }
            } else {
                RECT led = {x0 + (cell >= 4), y0 + (cell >= 4), x0 + cell, y0 + cell};
                FillRect(dc, &led, brushes[kind]);
            }
        }
    SelectObject(dc, keptBrush);
    for (HBRUSH brush : brushes) DeleteObject(brush);
}

// Every pixel of a surface-sized picture made by draw.
std::vector<std::uint32_t> Picture(const std::function<void(HDC)>& draw) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, SurfaceWidth, SurfaceHeight);
    HGDIOBJ kept = SelectObject(dc, bitmap);
    RECT whole = {0, 0, SurfaceWidth, SurfaceHeight};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(dc);
    SelectObject(dc, kept);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = SurfaceWidth;
    info.bmiHeader.biHeight = -SurfaceHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(SurfaceWidth * SurfaceHeight);
    GetDIBits(dc, bitmap, 0, SurfaceHeight, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(GridWindowTest, ClickLightsACellExactlyOnce) {
    Press(CellX(0, 3), CellY(4));
    EXPECT_TRUE(Lit(0, 3, 4));
    Move(CellX(0, 3) + 5, CellY(4) - 5);  // still the same cell
    Release(CellX(0, 3), CellY(4));
    EXPECT_TRUE(Lit(0, 3, 4));
    EXPECT_TRUE(editor.pattern->modified);
    // A double click is two presses: the cell toggles back.
    Click(CellX(0, 3), CellY(4));
    EXPECT_FALSE(Lit(0, 3, 4));
}

TEST_F(GridWindowTest, DraggingToggledEachCellEnteredIncludingOneLeftAndReentered) {
    Press(CellX(0, 0), CellY(0));
    Move(CellX(0, 1), CellY(0));
    EXPECT_TRUE(Lit(0, 0, 0));
    EXPECT_TRUE(Lit(0, 1, 0));
    Move(CellX(0, 0), CellY(0));  // back to A: toggled again
    EXPECT_FALSE(Lit(0, 0, 0));
    // Out of the view's cells and back into the cell just left.
    Move(5, 5);
    Move(CellX(0, 0), CellY(0));
    EXPECT_TRUE(Lit(0, 0, 0));
    Release(CellX(0, 0), CellY(0));
    Move(CellX(0, 5), CellY(5));
    EXPECT_FALSE(Lit(0, 5, 5)) << "the pen is up";
}

TEST_F(GridWindowTest, OrAndEraseModes) {
    Command(IDM_EDIT_ERASE_MODE);
    Click(CellX(0, 2), CellY(2));
    EXPECT_FALSE(Lit(0, 2, 2));
    EXPECT_FALSE(editor.pattern->modified) << "erasing a dark LED changes nothing";
    Command(IDM_EDIT_OR_MODE);
    Click(CellX(0, 2), CellY(2));
    EXPECT_TRUE(Lit(0, 2, 2));
    editor.pattern->modified = false;
    Click(CellX(0, 2), CellY(2));
    EXPECT_TRUE(Lit(0, 2, 2));
    EXPECT_TRUE(editor.pattern->modified) << "Or on a lit LED still counts as a change";
    Command(IDM_EDIT_ERASE_MODE);
    editor.pattern->modified = false;
    Click(CellX(0, 2), CellY(2));
    EXPECT_FALSE(Lit(0, 2, 2));
    EXPECT_TRUE(editor.pattern->modified);
}

TEST_F(GridWindowTest, OnlyTheTargetViewIsEdited) {
    Click(CellX(1, 0), CellY(4));
    EXPECT_FALSE(Lit(1, 0, 4));
    EXPECT_FALSE(editor.pattern->modified);
    RightClick(100, 100);
    EXPECT_EQ(1, editor.targetPlane);
    Click(CellX(1, 0), CellY(4));
    EXPECT_TRUE(Lit(1, 0, 4));
    // A double right click switches twice.
    RightClick(100, 100);
    RightClick(100, 100);
    EXPECT_EQ(1, editor.targetPlane);
}

TEST_F(GridWindowTest, PenStaysDownUntilTheRelease) {
    Press(CellX(0, 0), CellY(0));
    // Held: moving on draws, until the release (seen wherever it happens).
    Move(CellX(0, 7), CellY(7));
    EXPECT_TRUE(Lit(0, 7, 7));
    Release(CellX(0, 7), CellY(7));
    EXPECT_EQ(0, editor.penDown);
}

TEST_F(GridWindowTest, HitTestingAtTheViewEdges) {
    Cell cell = editor.views[1].HitTest(330, 100);
    EXPECT_EQ(0, cell.column);
    EXPECT_EQ(4, cell.row);
    EXPECT_TRUE(editor.views[0].HitTest(330, 100).IsNone());
    EXPECT_TRUE(editor.views[0].HitTest(100, 330).IsNone());
    EXPECT_TRUE(editor.views[1].HitTest(100, 330).IsNone());
    EXPECT_TRUE(editor.views[0].HitTest(-5, 20).IsNone());
    Cell last = editor.views[0].HitTest(329, 329);
    EXPECT_EQ(15, last.column);
    EXPECT_EQ(15, last.row);
}

TEST_F(GridWindowTest, LedColoursOnTheSurface) {
    editor.pattern->SetPixel(0, 0, 0);
    EXPECT_EQ(LitColour, SurfacePixel(CellX(0, 0), CellY(0)));
    EXPECT_EQ(UnlitColour, SurfacePixel(CellX(0, 1), CellY(0)));
    EXPECT_EQ(RGB(0, 0, 0), SurfacePixel(10, 100)) << "grid line";
    EXPECT_EQ(TargetFrameColour, SurfacePixel(8, 100)) << "target frame around view 0";
    EXPECT_NE(TargetFrameColour, SurfacePixel(650 + 2, 100)) << "view 1 is not the target";
    EXPECT_EQ(RGB(255, 255, 255), SurfacePixel(670, 400)) << "background";
    RightClick(100, 100);
    EXPECT_EQ(TargetFrameColour, SurfacePixel(652, 100));

    // One plane: view 1's area stays white.
    Command(IDM_VIEW_ONE_PLANE);
    EXPECT_EQ(RGB(255, 255, 255), SurfacePixel(CellX(1, 0), CellY(0)));
    EXPECT_EQ(TargetFrameColour, SurfacePixel(8, 100));
}

TEST_F(GridWindowTest, TransparentModeDimsThePreviousPage) {
    SetFrames(4);
    editor.pattern->SetPixel(0, 0, 0);  // frame 0: lit, frame 2: dark
    editor.pattern->SetPixel(1, 1, 0);  // frame 1: lit, frame 3: dark
    editor.pattern->SetPixel(2, 2, 0);  // frame 2: lit
    // First page: there is no page before it.
    EXPECT_EQ(LitColour, SurfacePixel(CellX(0, 0), CellY(0)));
    EXPECT_EQ(UnlitColour, SurfacePixel(CellX(0, 2), CellY(0)));
    MoveSlider(1);
    EXPECT_EQ(PreviousPageColour, SurfacePixel(CellX(0, 0), CellY(0)));
    EXPECT_EQ(LitColour, SurfacePixel(CellX(0, 2), CellY(0)));
    EXPECT_EQ(PreviousPageColour, SurfacePixel(CellX(1, 1), CellY(0)));
    EXPECT_EQ(UnlitColour, SurfacePixel(CellX(1, 0), CellY(0)));
    Command(IDM_VIEW_TRANSPARENT);
    EXPECT_EQ(UnlitColour, SurfacePixel(CellX(0, 0), CellY(0)));
}

TEST_F(GridWindowTest, EverySizeIsDrawnAsOneCallPerLineAndLedWouldDrawIt) {
    // Columns, rows, and a zoom with a scroll offset (0: as large as fits),
    // so that views reach past the picture's edges on every side.
    const int sizes[][5] = {{16, 16, 0, 0, 0},     {40, 8, 0, 0, 0},       {64, 32, 0, 0, 0},
                            {80, 80, 0, 0, 0},     {100, 100, 0, 0, 0},    {255, 255, 0, 0, 0},
                            {128, 16, 10, 333, 7}, {255, 255, 48, 5000, 6001}, {24, 24, 9, 0, 0},
                            {32, 16, 5, 17, 0}};
    for (const auto& size : sizes) {
        std::unique_ptr<LedPattern> pattern(new LedPattern);
        pattern->Create(static_cast<std::uint8_t>(size[0]), static_cast<std::uint8_t>(size[1]));
        pattern->SetFrameCount(4);
        std::uint32_t seed = 7;
        for (std::uint32_t frame = 0; frame < 4; ++frame)
            for (int row = 0; row < size[1]; ++row)
                for (int column = 0; column < size[0]; ++column)
                    if (((seed = seed * 1103515245u + 12345u) >> 16) % 3 == 0) pattern->SetPixel(frame, column, row);
        ShowPattern(editor, pattern.get());
        editor.zoom.cell = size[2];
        editor.zoom.scrollX = size[3];
        editor.zoom.scrollY = size[4];
        Refresh(editor, RefreshPart::Layout);
        editor.views[0].frameIndex = 2;
        editor.views[1].frameIndex = 3;
        // View 0's target frame reaches into view 1, which is drawn after it.
        std::vector<std::uint32_t> drawn = Picture([](HDC dc) {
            editor.views[0].Draw(dc, true, 2);
            editor.views[1].Draw(dc, false, 2);
        });
        std::vector<std::uint32_t> plain = Picture([](HDC dc) {
            DrawPlainly(dc, editor.views[0], true, 2);
            DrawPlainly(dc, editor.views[1], false, 2);
        });
        int differing = 0;
        for (std::size_t i = 0; i < drawn.size(); ++i) differing += drawn[i] != plain[i];
        EXPECT_EQ(0, differing) << size[0] << " x " << size[1] << ", cells of " << editor.views[0].cellWidth;
        ShowPattern(editor, editor.pattern.get());
    }
}

TEST_F(GridWindowTest, PatternsOfAnotherSizeAreLaidOutToFit) {
    std::unique_ptr<LedPattern> wide(new LedPattern);
    wide->Create(40, 8);
    wide->SetFrameCount(2);
    ShowPattern(editor, wide.get());
    const PlaneView& view = editor.views[0];
    RECT grid;
    GetClientRect(editor.windows.gridWindow, &grid);
    EXPECT_EQ(view.cellWidth, view.cellHeight);
    EXPECT_EQ(10, view.left);
    EXPECT_EQ(10 + 40 * view.cellWidth, view.right);
    EXPECT_EQ(10 + 8 * view.cellWidth, view.bottom);
    EXPECT_LE(view.right + 10, grid.right) << "the whole of the grid window, with margins";
    const int larger = view.cellWidth + 1;
    EXPECT_EQ(view.right + PlaneGap, editor.views[1].left);
    EXPECT_TRUE(2 * 40 * larger + 30 > grid.right || 8 * larger + 20 > grid.bottom) << "and cells as large as fit";
    Press(view.right - 1, view.bottom - 1);
    Release(view.right - 1, view.bottom - 1);
    EXPECT_TRUE(wide->GetPixel(0, 39, 7));
    Click(view.right - 1, view.bottom + 3);  // below the pattern's last row
    int cell = view.cellWidth;
    EXPECT_EQ(UnlitColour, SurfacePixel(10 + cell * 38 + cell / 2, 10 + cell * 7 + cell / 2));

    std::unique_ptr<LedPattern> huge(new LedPattern);
    huge->Create(255, 255);
    ShowPattern(editor, huge.get());
    EXPECT_EQ(1, editor.views[0].cellWidth);
    Click(10 + 254, 10 + 254);
    EXPECT_TRUE(huge->GetPixel(0, 254, 254));
    EXPECT_EQ(LitColour, SurfacePixel(10 + 254, 10 + 254));
    Click(10 + 255, 10 + 100);
    EXPECT_FALSE(huge->GetPixel(0, 254, 100));

    std::unique_ptr<LedPattern> empty(new LedPattern);
    empty->Create(0, 0);
    ShowPattern(editor, empty.get());
    Click(20, 20);
    EXPECT_EQ(RGB(255, 255, 255), SurfacePixel(20, 20));
    ShowPattern(editor, editor.pattern.get());
}

}  // namespace
