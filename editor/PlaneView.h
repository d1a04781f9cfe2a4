// PlaneView: one on-screen view of one frame of the pattern, a rectangle of
// the grid window divided into one square cell per pixel.
//
// Views are laid out for the pattern's size: the cell is the largest whole
// number of pixels that fits every column and row in the view's box, at least
// one pixel. The 16 x 16 pattern in a 320 x 320 box gets 20 x 20 cells. A
// pattern without rows or columns has no cells: nothing is drawn, nothing is
// hit.
#ifndef LUMIGRID_EDITOR_PLANEVIEW_H
#define LUMIGRID_EDITOR_PLANEVIEW_H

#include <windows.h>

#include <cstdint>

class LedPattern;

// A cell of a view; (-1, -1) is no cell.
struct Cell {
    int column;
    int row;
    bool operator==(const Cell& other) const { return column == other.column && row == other.row; }
    bool IsNone() const { return column < 0; }
};

const Cell NoCell = {-1, -1};

// Colours of the grid.
const COLORREF LitColour = RGB(255, 255, 0);
const COLORREF PreviousPageColour = RGB(192, 192, 127);
const COLORREF UnlitColour = RGB(127, 127, 127);
const COLORREF TargetFrameColour = RGB(0, 255, 0);

class PlaneView {
public:
    PlaneView();
    PlaneView(LedPattern* pattern, int left, int top, int right, int bottom, int frameIndex);

    // Lays the view out anew in the box for its pattern's size: square cells,
    // the rectangle shrunk to whole cells from its top-left corner.
    void Layout(int boxLeft, int boxTop, int boxRight, int boxBottom);
    void Draw(HDC dc, bool highlighted, std::uint8_t previousPageOffset) const;
    Cell HitTest(int x, int y) const;

    LedPattern* pattern;
    int left;
    int top;
    int right;
    int bottom;
    int cellWidth;
    int cellHeight;
    int frameIndex;

private:
    enum LedKind { LitLed, PreviousPageLed, UnlitLed, LedKinds };

    bool HasCells() const;
    // The grid lines, shifted by the origin (0, 0 on the view's own DC).
    void DrawGrid(HDC dc, int originX, int originY) const;
    // The frame dimmed behind this one in transparent mode, -1 for none.
    int PreviousPageFrame(std::uint8_t previousPageOffset) const;
    LedKind KindAt(int column, int row, int previousFrame) const;
    void DrawRoundLeds(HDC dc, const HBRUSH brushes[LedKinds], std::uint8_t previousPageOffset) const;
    void DrawSquareLeds(HDC dc, std::uint8_t previousPageOffset) const;
};

#endif
