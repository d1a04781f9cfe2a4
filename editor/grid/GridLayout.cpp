#include "editor/grid/GridLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Side by side, the planes' LEDs should be at least this far apart; below
// it they go one above the other if that makes them larger.
const int ReadableCell = 8;

// Steps from one pixel up: fine where cells are small, coarser above.
const int ZoomSteps[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 20, 24, 28, 32, 40, 48, 56, 64};

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// Rounding towards minus infinity, for clip edges left of a view.
int FloorDivide(int value, int divisor) {
    int quotient = value / divisor;
    return value % divisor != 0 && value < 0 ? quotient - 1 : quotient;
}

Extent ContentFor(int columns, int rows, int planes, int cell, PlaneArrangement arrangement) {
    const int gaps = (planes - 1) * PlaneGap;
    if (arrangement == PlaneArrangement::SideBySide)
        return {2 * GridMargin + planes * columns * cell + gaps, 2 * GridMargin + rows * cell};
    return {2 * GridMargin + columns * cell, 2 * GridMargin + planes * rows * cell + gaps};
}

}  // namespace

int GridLayout::ScrollLimitX() const { return std::max(0, content.width - visible.width); }
int GridLayout::ScrollLimitY() const { return std::max(0, content.height - visible.height); }

Box GridLayout::ViewInWindow(int plane) const {
    const Box& view = views[plane];
    return {view.left - scrollX, view.top - scrollY, view.right - scrollX, view.bottom - scrollY};
}

int FitCell(int columns, int rows, int planes, Extent window, PlaneArrangement arrangement) {
    if (columns <= 0 || rows <= 0 || planes <= 0) return SmallestCell;
    const int gaps = (planes - 1) * PlaneGap;
    int across = window.width - 2 * GridMargin;
    int down = window.height - 2 * GridMargin;
    if (arrangement == PlaneArrangement::SideBySide) across = (across - gaps) / planes;
    else down = (down - gaps) / planes;
    return Clamp(std::min(across / columns, down / rows), SmallestCell, LargestCell);
}

PlaneArrangement ArrangementFor(int columns, int rows, int planes, Extent window) {
    if (planes < 2) return PlaneArrangement::SideBySide;
    int sideBySide = FitCell(columns, rows, planes, window, PlaneArrangement::SideBySide);
    if (sideBySide >= ReadableCell) return PlaneArrangement::SideBySide;
    int stacked = FitCell(columns, rows, planes, window, PlaneArrangement::Stacked);
    return stacked > sideBySide ? PlaneArrangement::Stacked : PlaneArrangement::SideBySide;
}

GridLayout LayOutGrid(const GridRequest& request) {
    GridLayout layout = {};
    const int columns = std::max(0, request.columns);
    const int rows = std::max(0, request.rows);
    const int planes = Clamp(request.planes, 1, 2);
    layout.arrangement = ArrangementFor(columns, rows, planes, request.window);
    layout.cell = request.zoomCell > 0 ? Clamp(request.zoomCell, SmallestCell, LargestCell)
                                       : FitCell(columns, rows, planes, request.window, layout.arrangement);
    const int width = columns * layout.cell;
    const int height = rows * layout.cell;
    for (int plane = 0; plane < 2; ++plane) {
        // The second view's place is kept with one plane too; it is not shown.
        int left = GridMargin, top = GridMargin;
        if (layout.arrangement == PlaneArrangement::SideBySide) left += plane * (width + PlaneGap);
        else top += plane * (height + PlaneGap);
        layout.views[plane] = {left, top, left + width, top + height};
    }
    layout.content = ContentFor(columns, rows, planes, layout.cell, layout.arrangement);

    // A bar takes room from the other direction, which may then need its own.
    const Extent window = {std::max(0, request.window.width), std::max(0, request.window.height)};
    layout.verticalBar = layout.content.height > window.height;
    layout.horizontalBar = layout.content.width > window.width - (layout.verticalBar ? request.scrollBar.width : 0);
    if (layout.horizontalBar && !layout.verticalBar)
        layout.verticalBar = layout.content.height > window.height - request.scrollBar.height;
    layout.visible = {std::max(0, window.width - (layout.verticalBar ? request.scrollBar.width : 0)),
                      std::max(0, window.height - (layout.horizontalBar ? request.scrollBar.height : 0))};
    layout.scrollX = ClampScroll(request.scrollX, layout.ScrollLimitX());
    layout.scrollY = ClampScroll(request.scrollY, layout.ScrollLimitY());
    return layout;
}

int ZoomedIn(int cell) {
    for (int step : ZoomSteps)
        if (step > cell) return step;
    return LargestCell;
}

int ZoomedOut(int cell) {
    int smaller = SmallestCell;
    for (int step : ZoomSteps)
        if (step < cell) smaller = step;
    return smaller;
}

int ScrollKeeping(int pointer, int scroll, int oldStart, int oldCell, int newStart, int newCell) {
    if (oldCell <= 0) return scroll;
    const double cells = static_cast<double>(scroll + pointer - oldStart) / oldCell;
    return static_cast<int>(std::lround(newStart + cells * newCell - pointer));
}

int ClampScroll(int scroll, int limit) { return Clamp(scroll, 0, std::max(0, limit)); }

Cell CellAt(int left, int top, int cellWidth, int cellHeight, int columns, int rows, int x, int y) {
    if (cellWidth <= 0 || cellHeight <= 0 || x < left || y < top) return NoCell;
    Cell cell = {(x - left) / cellWidth, (y - top) / cellHeight};
    if (cell.column >= columns || cell.row >= rows) return NoCell;
    return cell;
}

CellRange VisibleCells(int start, int cell, int count, int clipStart, int clipEnd) {
    if (cell <= 0 || count <= 0 || clipEnd <= clipStart) return {0, 0};
    int first = Clamp(FloorDivide(clipStart - start, cell), 0, count);
    int end = Clamp(FloorDivide(clipEnd - start + cell - 1, cell), 0, count);
    return {first, std::max(first, end)};
}

LedMargins RoundLedMargins(int cell) { return {(cell * 3 + 10) / 20, (cell * 2 + 10) / 20}; }
