#include "editor/views/PlaneView.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "pattern/document/LedPattern.h"

namespace {

// The target frame lies this far outside the view's rectangle.
const int TargetFrameMargin = 2;
const int TargetFrameWidth = 3;
// Below this cell size the round LED with its outline would be a smudge; a
// plain square keeps each LED recognisable.
const int SmallestRoundLed = 8;
// Below this even the grid lines would hide the LEDs.
const int SmallestGridCell = 4;
// Below this a black outline would leave little of a round LED's colour:
// the LED is outlined in its own colour instead.
const int SmallestOutlinedLed = 12;

// The pictures the LEDs are composed in: 32-bit top-down DIB sections
// (0x00RRGGBB), kept from paint to paint while the view's size stays, since
// a fresh one costs a page fault for every 4 KiB of it the first time it is
// written, more than the composing itself. Released at the end of the
// program.
class ScratchPicture {
public:
    // The picture of this size, or null when none can be made.
    HBITMAP Bitmap(HDC dc, int width, int height) {
        if (bitmap_ && width == width_ && height == height_) return bitmap_;
        bitmap_.Reset();
        pixels_ = nullptr;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = OwnedBitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels_ = bitmap_ ? static_cast<std::uint32_t*>(bits) : nullptr;
        width_ = width;
        height_ = height;
        return bitmap_;
    }
    std::uint32_t* Pixels() const { return pixels_; }

private:
    OwnedBitmap bitmap_;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

ScratchPicture squareLedPicture;
ScratchPicture roundLedStamp;
ScratchPicture roundLedMask;
ScratchPicture roundLedColours;

// Where a LED drawn on its own leaves its cell alone: no colour of the grid.
const std::uint32_t UntouchedPixel = 0x00010203;
const std::uint32_t WhitePixel = 0x00FFFFFF;

// A colour as a pixel of a 32-bit DIB: 0x00RRGGBB.
std::uint32_t DibPixel(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 | static_cast<std::uint32_t>(GetGValue(colour)) << 8 |
           GetBValue(colour);
}

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
    const int columns = pattern ? pattern->columns : 0;
    const int rows = pattern ? pattern->rows : 0;
    int cell = 1;
    if (columns > 0 && rows > 0) cell = std::max(1, std::min((boxRight - boxLeft) / columns, (boxBottom - boxTop) / rows));
    Place(boxLeft, boxTop, cell);
}

void PlaneView::Place(int placedLeft, int placedTop, int cell) {
    left = placedLeft;
    top = placedTop;
    cellWidth = cell;
    cellHeight = cell;
    right = left + (pattern ? pattern->columns : 0) * cellWidth;
    bottom = top + (pattern ? pattern->rows : 0) * cellHeight;
}

bool PlaneView::HasCells() const { return pattern && pattern->columns > 0 && pattern->rows > 0; }

PlaneView::CellBlock PlaneView::VisibleBlock(HDC dc) const {
    const int columns = pattern->columns, rows = pattern->rows;
    RECT clip;
    switch (GetClipBox(dc, &clip)) {
    case NULLREGION:
        return {{0, 0}, {0, 0}, 0, 0};
    case ERROR:
        return {{0, columns}, {0, rows}, columns, rows};
    default:
        return {VisibleCells(left, cellWidth, columns, clip.left, clip.right),
                VisibleCells(top, cellHeight, rows, clip.top, clip.bottom),
                std::min(columns, static_cast<int>(clip.right - clip.left) / cellWidth + 2),
                std::min(rows, static_cast<int>(clip.bottom - clip.top) / cellHeight + 2)};
    }
}

// The lines of the cells shown, as far as those cells reach: within the
// clip they are the pixels of the whole view's lines.
void PlaneView::DrawGrid(HDC dc, int originX, int originY, const CellBlock& block) const {
    // All the lines in one call: a small cell size means hundreds of them.
    const int verticals = block.columns.end - block.columns.first + 1;
    const int horizontals = block.rows.end - block.rows.first + 1;
    const int x0 = left - originX, y0 = top - originY;
    const int lineTop = y0 + block.rows.first * cellHeight, lineBottom = y0 + block.rows.end * cellHeight;
    const int lineLeft = x0 + block.columns.first * cellWidth, lineRight = x0 + block.columns.end * cellWidth;
    std::vector<POINT> ends;
    ends.reserve(2 * static_cast<std::size_t>(verticals + horizontals));
    for (int c = block.columns.first; c <= block.columns.end; ++c) {
        int x = x0 + c * cellWidth;
        ends.push_back({x, lineTop});
        ends.push_back({x, lineBottom});
    }
    for (int r = block.rows.first; r <= block.rows.end; ++r) {
        int y = y0 + r * cellHeight;
        ends.push_back({lineLeft, y});
        ends.push_back({lineRight, y});
    }
    std::vector<DWORD> pointCounts(static_cast<std::size_t>(verticals + horizontals), 2);
    PolyPolyline(dc, ends.data(), pointCounts.data(), static_cast<DWORD>(pointCounts.size()));
}

int PlaneView::PreviousPageFrame(std::uint8_t previousPageOffset) const {
    if (frameIndex < 0 || previousPageOffset == 0 || frameIndex - previousPageOffset < 0) return -1;
    return frameIndex - previousPageOffset;
}

PlaneView::LedKind PlaneView::KindAt(int column, int row, int previousFrame) const {
    if (frameIndex >= 0 && pattern->GetPixel(static_cast<std::uint32_t>(frameIndex), column, row)) return LitLed;
    if (previousFrame >= 0 && pattern->GetPixel(static_cast<std::uint32_t>(previousFrame), column, row))
        return PreviousPageLed;
    return UnlitLed;
}

// Draws one LED of each kind, with the same call and pen as in place, into a
// cell of its own, and notes the pixels it painted: their offsets in the
// composed pictures, whose rows are stride pixels long, and their colours.
void PlaneView::StampLeds(HDC dc, HDC scratch, const OwnedBrush brushes[LedKinds], int stride,
                          LedStamps& stamps) const {
    const COLORREF kindColours[LedKinds] = {LitColour, PreviousPageColour, UnlitColour};
    const LedMargins margins = RoundLedMargins(cellWidth);
    SelectedObject keptPen(scratch, GetCurrentObject(dc, OBJ_PEN));
    SelectedObject keptBrush(scratch, brushes[LitLed]);
    std::uint32_t* stampPixels = roundLedStamp.Pixels();
    for (int kind = 0; kind < LedKinds; ++kind) {
        GdiFlush();
        std::fill(stampPixels, stampPixels + static_cast<std::ptrdiff_t>(cellWidth) * cellHeight, UntouchedPixel);
        OwnedPen ownColour;
        SelectedObject outline;
        if (cellWidth < SmallestOutlinedLed) {
            ownColour = OwnedPen(CreatePen(PS_SOLID, 1, kindColours[kind]));
            outline = SelectedObject(scratch, ownColour);
        }
        SelectObject(scratch, brushes[kind]);
        Ellipse(scratch, margins.before, margins.before, cellWidth - margins.after, cellHeight - margins.after);
        GdiFlush();
        outline.Restore();
        for (int y = 0; y < cellHeight; ++y)
            for (int x = 0; x < cellWidth; ++x) {
                std::uint32_t pixel = stampPixels[y * cellWidth + x];
                if (pixel == UntouchedPixel) continue;
                stamps.offsets[kind].push_back(static_cast<std::ptrdiff_t>(y) * stride + x);
                stamps.colours[kind].push_back(pixel);
            }
    }
}

// One Ellipse per LED is slow once there are hundreds of them. Each kind of
// LED is stamped once (StampLeds). The stamps of the LEDs shown make a mask
// (black where a LED paints) and a picture of their colours, laid over the
// view with AND and then OR: the pixels the LEDs paint take their colours
// and every other pixel stays as it was, as drawing each LED in place leaves
// it.
void PlaneView::DrawRoundLeds(HDC dc, const OwnedBrush brushes[LedKinds], std::uint8_t previousPageOffset,
                              const CellBlock& block) const {
    const int width = (block.columns.end - block.columns.first) * cellWidth;
    const int height = (block.rows.end - block.rows.first) * cellHeight;
    const int stride = block.capacityColumns * cellWidth;
    const int blockLeft = left + block.columns.first * cellWidth;
    const int blockTop = top + block.rows.first * cellHeight;
    MemoryDc scratch(dc);
    if (!scratch) return;
    HBITMAP stamp = roundLedStamp.Bitmap(scratch, cellWidth, cellHeight);
    HBITMAP mask = roundLedMask.Bitmap(scratch, stride, block.capacityRows * cellHeight);
    HBITMAP colours = roundLedColours.Bitmap(scratch, stride, block.capacityRows * cellHeight);
    if (!stamp || !mask || !colours) return;
    SelectedObject keptBitmap(scratch, stamp);
    LedStamps stamps;
    StampLeds(dc, scratch, brushes, stride, stamps);

    std::uint32_t* maskPixels = roundLedMask.Pixels();
    std::uint32_t* colourPixels = roundLedColours.Pixels();
    const std::ptrdiff_t size = static_cast<std::ptrdiff_t>(stride) * height;
    std::fill(maskPixels, maskPixels + size, WhitePixel);
    std::fill(colourPixels, colourPixels + size, 0u);
    const int previousFrame = PreviousPageFrame(previousPageOffset);
    for (int row = block.rows.first; row < block.rows.end; ++row)
        for (int column = block.columns.first; column < block.columns.end; ++column) {
            const int kind = KindAt(column, row, previousFrame);
            const std::ptrdiff_t cell = static_cast<std::ptrdiff_t>(row - block.rows.first) * cellHeight * stride +
                                        static_cast<std::ptrdiff_t>(column - block.columns.first) * cellWidth;
            const std::vector<std::ptrdiff_t>& offsets = stamps.offsets[kind];
            const std::vector<std::uint32_t>& stampColours = stamps.colours[kind];
            for (std::size_t i = 0; i < offsets.size(); ++i) {
                maskPixels[cell + offsets[i]] = 0;
                colourPixels[cell + offsets[i]] = stampColours[i];
            }
        }
    SelectObject(scratch, mask);
    BitBlt(dc, blockLeft, blockTop, width, height, scratch, 0, 0, SRCAND);
    SelectObject(scratch, colours);
    BitBlt(dc, blockLeft, blockTop, width, height, scratch, 0, 0, SRCPAINT);
}

// Square LEDs and their grid lines fill every pixel of the cells shown, so
// those cells are composed in memory and copied in one block: one drawing
// call per LED is far too slow once there are tens of thousands of them. The
// grid lines are drawn into it with the same pen and calls as on the surface,
// the LEDs filled as FillRect would, so the picture is the same.
void PlaneView::DrawSquareLeds(HDC dc, std::uint8_t previousPageOffset, const CellBlock& block) const {
    const int width = (block.columns.end - block.columns.first) * cellWidth;
    const int height = (block.rows.end - block.rows.first) * cellHeight;
    const int stride = block.capacityColumns * cellWidth;
    const int blockLeft = left + block.columns.first * cellWidth;
    const int blockTop = top + block.rows.first * cellHeight;
    MemoryDc scratch(dc);
    if (!scratch) return;
    HBITMAP picture = squareLedPicture.Bitmap(scratch, stride, block.capacityRows * cellHeight);
    if (!picture) return;
    SelectedObject keptBitmap(scratch, picture);
    // Drawing of an earlier paint may still be pending on it.
    GdiFlush();
    const std::uint32_t colours[LedKinds] = {DibPixel(LitColour), DibPixel(PreviousPageColour), DibPixel(UnlitColour)};
    // With grid lines the LED leaves its cell's top row and left column to them.
    const int inset = cellWidth >= SmallestGridCell ? 1 : 0;
    std::uint32_t* pixels = squareLedPicture.Pixels();
    const LedPattern& shown = *pattern;
    const std::uint8_t* frame = frameIndex >= 0 ? shown.Frame(static_cast<std::uint32_t>(frameIndex)) : nullptr;
    const int previousFrame = PreviousPageFrame(previousPageOffset);
    const std::uint8_t* previous = previousFrame >= 0 ? shown.Frame(static_cast<std::uint32_t>(previousFrame)) : nullptr;
    for (int row = block.rows.first; row < block.rows.end; ++row) {
        // The first pixel row of the LEDs of this row of cells; the others
        // are copies of it.
        std::uint32_t* first =
            pixels + static_cast<std::ptrdiff_t>((row - block.rows.first) * cellHeight + inset) * stride;
        const std::size_t rowOffset = static_cast<std::size_t>(row) * shown.rowBytes;
        for (int column = block.columns.first; column < block.columns.end; ++column) {
            const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (column & 7));
            const std::size_t at = rowOffset + static_cast<std::size_t>(column >> 3);
            int kind = UnlitLed;
            if (frame && (frame[at] & bit)) kind = LitLed;
            else if (previous && (previous[at] & bit)) kind = PreviousPageLed;
            const int x = (column - block.columns.first) * cellWidth;
            std::fill(first + x + inset, first + x + cellWidth, colours[kind]);
        }
        for (int y = inset + 1; y < cellHeight; ++y)
            std::copy(first, first + width, first + static_cast<std::ptrdiff_t>(y - inset) * stride);
    }
    if (inset) {
        GdiFlush();
        SelectedObject keptPen(scratch, GetCurrentObject(dc, OBJ_PEN));
        DrawGrid(scratch, blockLeft, blockTop, block);
    }
    BitBlt(dc, blockLeft, blockTop, width, height, scratch, 0, 0, SRCCOPY);
}

void PlaneView::Draw(HDC dc, bool highlighted, std::uint8_t previousPageOffset) const {
    if (!HasCells()) return;
    const CellBlock block = VisibleBlock(dc);
    const OwnedBrush brushes[LedKinds] = {OwnedBrush(CreateSolidBrush(LitColour)),
                                          OwnedBrush(CreateSolidBrush(PreviousPageColour)),
                                          OwnedBrush(CreateSolidBrush(UnlitColour))};

    if (cellWidth >= SmallestGridCell && !block.IsEmpty()) DrawGrid(dc, 0, 0, block);

    if (highlighted) {
        OwnedPen green(CreatePen(PS_SOLID, TargetFrameWidth, TargetFrameColour));
        SelectedObject keptPen(dc, green);
        const int m = TargetFrameMargin;
        POINT outline[] = {{left - m, top - m}, {right + m, top - m}, {right + m, bottom + m},
                           {left - m, bottom + m}, {left - m, top - m}};
        Polyline(dc, outline, 5);
    }

    if (!block.IsEmpty()) {
        if (cellWidth >= SmallestRoundLed) DrawRoundLeds(dc, brushes, previousPageOffset, block);
        else DrawSquareLeds(dc, previousPageOffset, block);
    }
}

RECT PlaneView::CellBox(Cell cell) const {
    const int x = left + cell.column * cellWidth, y = top + cell.row * cellHeight;
    return {x, y, x + cellWidth + 1, y + cellHeight + 1};
}

Cell PlaneView::HitTest(int x, int y) const {
    if (!HasCells()) return NoCell;
    return CellAt(left, top, cellWidth, cellHeight, pattern->columns, pattern->rows, x, y);
}
