#include "PlaneView.h"

#include <algorithm>

#include "LedPattern.h"

namespace {

// The target frame lies this far outside the view's rectangle.
const int TargetFrameMargin = 2;
const int TargetFrameWidth = 3;
// Below this cell size the round LED with its outline would be a smudge; a
// plain square keeps each LED recognisable.
const int SmallestRoundLed = 8;
// Below this even the grid lines would hide the LEDs.
const int SmallestGridCell = 4;

}  // namespace

PlaneView::PlaneView()
    : pattern(nullptr), left(0), top(0), right(0), bottom(0), cellWidth(1), cellHeight(1), frameIndex(0) {}

PlaneView::PlaneView(LedPattern* viewPattern, int boxLeft, int boxTop, int boxRight, int boxBottom,
                     int viewFrameIndex)
    : pattern(viewPattern), frameIndex(viewFrameIndex) {
    Layout(boxLeft, boxTop, boxRight, boxBottom);
}

void PlaneView::Layout(int boxLeft, int boxTop, int boxRight, int boxBottom) {
    left = boxLeft;
    top = boxTop;
    int columns = pattern ? pattern->columns : 0;
    int rows = pattern ? pattern->rows : 0;
    int cell = 1;
    if (columns > 0 && rows > 0) cell = std::max(1, std::min((boxRight - boxLeft) / columns, (boxBottom - boxTop) / rows));
    cellWidth = cell;
    cellHeight = cell;
    right = left + columns * cellWidth;
    bottom = top + rows * cellHeight;
}

bool PlaneView::HasCells() const { return pattern && pattern->columns > 0 && pattern->rows > 0; }

void PlaneView::DrawGrid(HDC dc) const {
    for (int c = 0; c <= pattern->columns; ++c) {
        int x = left + c * cellWidth;
        MoveToEx(dc, x, top, nullptr);
        LineTo(dc, x, bottom);
    }
    for (int r = 0; r <= pattern->rows; ++r) {
        int y = top + r * cellHeight;
        MoveToEx(dc, left, y, nullptr);
        LineTo(dc, right, y);
    }
}

void PlaneView::DrawLed(HDC dc, int column, int row, HBRUSH brush) const {
    int x0 = left + column * cellWidth;
    int y0 = top + row * cellHeight;
    if (cellWidth >= SmallestRoundLed) {
        SelectObject(dc, brush);
        Ellipse(dc, x0 + 3, y0 + 3, x0 + cellWidth - 2, y0 + cellHeight - 2);
    } else if (cellWidth >= SmallestGridCell) {
        RECT led = {x0 + 1, y0 + 1, x0 + cellWidth, y0 + cellHeight};
        FillRect(dc, &led, brush);
    } else {
        RECT led = {x0, y0, x0 + cellWidth, y0 + cellHeight};
        FillRect(dc, &led, brush);
    }
}

void PlaneView::Draw(HDC dc, bool highlighted, std::uint8_t previousPageOffset) const {
    if (!HasCells()) return;
    HBRUSH lit = CreateSolidBrush(LitColour);
    HBRUSH previousPage = CreateSolidBrush(PreviousPageColour);
    HBRUSH unlit = CreateSolidBrush(UnlitColour);
    HGDIOBJ keptBrush = GetCurrentObject(dc, OBJ_BRUSH);

    if (cellWidth >= SmallestGridCell) DrawGrid(dc);

    if (highlighted) {
        HPEN green = CreatePen(PS_SOLID, TargetFrameWidth, TargetFrameColour);
        HGDIOBJ keptPen = SelectObject(dc, green);
        const int m = TargetFrameMargin;
        POINT outline[] = {{left - m, top - m}, {right + m, top - m}, {right + m, bottom + m},
                           {left - m, bottom + m}, {left - m, top - m}};
        Polyline(dc, outline, 5);
        SelectObject(dc, keptPen);
        DeleteObject(green);
    }

    std::uint32_t frame = static_cast<std::uint32_t>(frameIndex);
    bool hasPreviousPage = frameIndex >= 0 && previousPageOffset != 0 && frameIndex - previousPageOffset >= 0;
    std::uint32_t previous = hasPreviousPage ? frame - previousPageOffset : 0;
    for (int row = 0; row < pattern->rows; ++row) {
        for (int column = 0; column < pattern->columns; ++column) {
            HBRUSH brush = unlit;
            if (frameIndex >= 0 && pattern->GetPixel(frame, column, row)) brush = lit;
            else if (hasPreviousPage && pattern->GetPixel(previous, column, row)) brush = previousPage;
            DrawLed(dc, column, row, brush);
        }
    }

    SelectObject(dc, keptBrush);
    DeleteObject(lit);
    DeleteObject(previousPage);
    DeleteObject(unlit);
}

Cell PlaneView::HitTest(int x, int y) const {
    if (!HasCells() || x < left || x >= right || y < top || y >= bottom) return NoCell;
    Cell cell = {(x - left) / cellWidth, (y - top) / cellHeight};
    if (cell.column >= pattern->columns || cell.row >= pattern->rows) return NoCell;
    return cell;
}
