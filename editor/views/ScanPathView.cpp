#include "editor/views/ScanPathView.h"

#include <algorithm>
#include <vector>

#include "editor/views/GdiObjects.h"

namespace {

const COLORREF Background = RGB(32, 32, 32);
const COLORREF LitLed = RGB(255, 64, 32);
const COLORREF DarkLed = RGB(72, 72, 72);
const COLORREF PathColour = RGB(80, 200, 255);
const COLORREF MarkColour = RGB(255, 255, 80);
// The start of the path tells the order; past this many LEDs its lines
// would only bury the picture.
const std::size_t MostPathPoints = 1024;

struct Grid {
    int left, top, cell;

    POINT Centre(Cell led) const { return POINT{left + static_cast<int>(led.x) * cell + cell / 2, top + static_cast<int>(led.y) * cell + cell / 2}; }
};

void DrawLeds(HDC dc, const Grid& grid, const PictureCanvas& picture) {
    OwnedBrush lit(CreateSolidBrush(LitLed)), dark(CreateSolidBrush(DarkLed));
    const int gap = grid.cell >= 4 ? 1 : 0;
    for (unsigned y = 0; y < picture.Height(); ++y)
        for (unsigned x = 0; x < picture.Width(); ++x) {
            const RECT cell = {grid.left + static_cast<int>(x) * grid.cell, grid.top + static_cast<int>(y) * grid.cell,
                               grid.left + static_cast<int>(x + 1) * grid.cell - gap,
                               grid.top + static_cast<int>(y + 1) * grid.cell - gap};
            FillRect(dc, &cell, picture.Get(x, y) ? lit : dark);
        }
}

void DrawPath(HDC dc, const Grid& grid, const std::vector<Cell>& path) {
    std::vector<POINT> points;
    const std::size_t count = std::min(path.size(), MostPathPoints);
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) points.push_back(grid.Centre(path[i]));
    OwnedPen pen(CreatePen(PS_SOLID, 1, PathColour));
    SelectedObject selected(dc, pen);
    if (points.size() > 1) Polyline(dc, points.data(), static_cast<int>(points.size()));
}

// Bit 7 of the first byte as a filled ring, bit 0 as an open one.
void DrawFirstByte(HDC dc, const Grid& grid, const FrameCoder& coder) {
    const int radius = std::max(2, grid.cell / 2);
    OwnedPen pen(CreatePen(PS_SOLID, 2, MarkColour));
    OwnedBrush fill(CreateSolidBrush(MarkColour));
    SelectedObject selectedPen(dc, pen);
    for (unsigned bit : {7u, 0u}) {
        Cell led{0, 0};
        if (!coder.SourceOfBit(0, bit, &led)) continue;
        const POINT centre = grid.Centre(led);
        SelectedObject selectedBrush(dc, bit == 7 ? static_cast<HGDIOBJ>(fill) : GetStockObject(NULL_BRUSH));
        Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
    }
}

}  // namespace

void DrawScanPath(const DRAWITEMSTRUCT& item, const PictureCanvas& picture, const FrameCoder& coder) {
    HDC dc = item.hDC;
    const RECT& box = item.rcItem;
    OwnedBrush ground(CreateSolidBrush(Background));
    FillRect(dc, &box, ground);
    if (picture.Width() == 0 || picture.Height() == 0) return;
    const int width = box.right - box.left, height = box.bottom - box.top;
    const int cell = std::max(1, std::min(width / static_cast<int>(picture.Width()), height / static_cast<int>(picture.Height())));
    const Grid grid = {box.left + std::max(0, (width - cell * static_cast<int>(picture.Width())) / 2),
                       box.top + std::max(0, (height - cell * static_cast<int>(picture.Height())) / 2), cell};
    DrawLeds(dc, grid, picture);
    DrawPath(dc, grid, coder.ScanPath());
    DrawFirstByte(dc, grid, coder);
}
