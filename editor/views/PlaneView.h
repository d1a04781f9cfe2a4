// PlaneView: one on-screen view of one frame of the pattern, a rectangle of
// the grid window divided into one square cell per pixel.
//
// Views are laid out for the pattern's size: the cell is the largest whole
// number of pixels that fits every column and row in the view's box, at least
// one pixel (the 16 x 16 pattern in a 320 x 320 box gets 20 x 20 cells), or
// the cell size the grid's layout gives. A pattern without rows or columns
// has no cells: nothing is drawn, nothing is hit.
//
// The rectangle is in grid-window client pixels and may reach far beyond the
// window when zoomed and scrolled; drawing composes only the cells inside the
// device context's clip box.
#ifndef LUMIGRID_EDITOR_PLANEVIEW_H
#define LUMIGRID_EDITOR_PLANEVIEW_H

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "editor/grid/GridLayout.h"
#include "editor/views/GdiObjects.h"

class LedPattern;

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
    // Places the view with its top-left corner at (left, top) and square
    // cells of the given size.
    void Place(int placedLeft, int placedTop, int cell);
    void Draw(HDC dc, bool highlighted, std::uint8_t previousPageOffset) const;
    // The cell under a point of the grid window; NoCell off the pattern.
    Cell HitTest(int x, int y) const;
    // The pixels of the grid window that a cell covers, its grid lines
    // included.
    RECT CellBox(Cell cell) const;

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

    // The cells of the view that a clip box shows: columns and rows; and
    // the most columns and rows a clip box of its size can show, which the
    // pictures the LEDs are composed in are made for, so that they are kept
    // while the view scrolls.
    struct CellBlock {
        CellRange columns;
        CellRange rows;
        int capacityColumns;
        int capacityRows;
        bool IsEmpty() const { return columns.first >= columns.end || rows.first >= rows.end; }
    };

    bool HasCells() const;
    CellBlock VisibleBlock(HDC dc) const;
    // The grid lines, shifted by the origin (0, 0 on the view's own DC).
    void DrawGrid(HDC dc, int originX, int originY, const CellBlock& block) const;
    // The frame dimmed behind this one in transparent mode, -1 for none.
    int PreviousPageFrame(std::uint8_t previousPageOffset) const;
    LedKind KindAt(int column, int row, int previousFrame) const;
    // The pixels one LED of each kind paints in its cell: where, in the
    // composed pictures, and in which colour.
    struct LedStamps {
        std::vector<std::ptrdiff_t> offsets[LedKinds];
        std::vector<std::uint32_t> colours[LedKinds];
    };
    void StampLeds(HDC dc, HDC scratch, const OwnedBrush brushes[LedKinds], int stride, LedStamps& stamps) const;
    void DrawRoundLeds(HDC dc, const OwnedBrush brushes[LedKinds], std::uint8_t previousPageOffset,
                       const CellBlock& block) const;
    void DrawSquareLeds(HDC dc, std::uint8_t previousPageOffset, const CellBlock& block) const;
};

#endif
