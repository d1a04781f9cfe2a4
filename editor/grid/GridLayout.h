// GridLayout: the arithmetic of the LED grid window, with no window system
// in it, so that plain native tests reach it. It answers where the plane
// views go in the grid window and how large their cells are (as large as fit,
// or the zoom's size), the zoom steps, the scroll bars and scroll ranges, the
// cell under a point, the cells a clip rectangle shows and the margins of a
// round LED in its cell.
//
// The views are placed in content pixels: the whole picture of the grid with
// a margin around it, of which the grid window shows the part at the scroll
// offset. The planes lie side by side with a gap between them, or, when side
// by side would leave LEDs less than 8 pixels apart, one above the other if
// that gives larger cells (a long, low sign).
#ifndef LUMIGRID_EDITOR_GRIDLAYOUT_H
#define LUMIGRID_EDITOR_GRIDLAYOUT_H

// A cell of a view, column and row; (-1, -1) is no cell.
struct Cell {
    int column;
    int row;
    bool operator==(const Cell& other) const { return column == other.column && row == other.row; }
    bool operator!=(const Cell& other) const { return !(*this == other); }
    bool IsNone() const { return column < 0; }
};

const Cell NoCell = {-1, -1};

struct Extent {
    int width;
    int height;
};

// Right and bottom are exclusive.
struct Box {
    int left;
    int top;
    int right;
    int bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Space between the window's edge and the views, and between two planes:
// room for the target frame drawn around a view.
const int GridMargin = 10;
const int PlaneGap = 10;
// The cell sizes offered, in pixels.
const int SmallestCell = 1;
const int LargestCell = 64;

enum class PlaneArrangement { SideBySide, Stacked };

struct GridRequest {
    int columns;
    int rows;
    int planes;            // 1 or 2
    Extent window;         // the grid window's client area without scroll bars
    int zoomCell;          // cell size chosen by zooming; 0 for as large as fits
    Extent scrollBar;      // width of a vertical bar, height of a horizontal one
    int scrollX;           // the wanted scroll offsets; kept within range
    int scrollY;
};

struct GridLayout {
    int cell;
    PlaneArrangement arrangement;
    Box views[2];          // in content pixels; the second for two planes
    Extent content;        // the whole picture, margins included
    bool horizontalBar;
    bool verticalBar;
    Extent visible;        // the window's part left beside the scroll bars
    int scrollX;
    int scrollY;

    int ScrollLimitX() const;
    int ScrollLimitY() const;
    // A view's box in the window's client pixels, at the scroll offset.
    Box ViewInWindow(int plane) const;
};

// The largest cell at which a pattern's planes fit the window in one
// arrangement, within SmallestCell .. LargestCell.
int FitCell(int columns, int rows, int planes, Extent window, PlaneArrangement arrangement);
// Side by side, unless its cells would be small and one above the other
// gives larger ones.
PlaneArrangement ArrangementFor(int columns, int rows, int planes, Extent window);
GridLayout LayOutGrid(const GridRequest& request);

// The next cell size up or down the zoom's steps; the ends stay.
int ZoomedIn(int cell);
int ZoomedOut(int cell);
// The scroll offset that keeps the point of the picture under the pointer
// there when the cells change size: the pointer at window pixel pointer, a
// view that began at content pixel oldStart with oldCell pixels a cell and
// now begins at newStart with newCell pixels.
int ScrollKeeping(int pointer, int scroll, int oldStart, int oldCell, int newStart, int newCell);
int ClampScroll(int scroll, int limit);

// The cell of a view at (x, y), all in the same pixels; NoCell outside the
// view's columns and rows.
Cell CellAt(int left, int top, int cellWidth, int cellHeight, int columns, int rows, int x, int y);

// The cells of one line of a view that a clip range shows: first .. end - 1.
struct CellRange {
    int first;
    int end;
};
CellRange VisibleCells(int start, int cell, int count, int clipStart, int clipEnd);

// Where a round LED's bounding box lies in its cell: from before to cell -
// after (3 and 2 in the 20-pixel cell), growing with the cell.
struct LedMargins {
    int before;
    int after;
};
LedMargins RoundLedMargins(int cell);

#endif
