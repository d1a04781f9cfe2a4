// Times the editor's full repaint of the grid window: both views composed
// into the drawing surface and the surface copied to the window, the way a
// WM_PAINT does it: the start-up pattern in the window's first size, two
// patterns laid out as a loaded pattern of that size is in a 760 x 640
// window, a long sign as large as fits a
// 1280 x 1024 window, and the largest pattern zoomed to 16-pixel cells and
// scrolled into its middle. Two planes, transparent on, the second page
// shown (so the previous page is dimmed), about a third of the LEDs lit.
//
// Prints one line a case, "repaint 16x16: 0.84 ms" (the median of
// Repaints), then whether every case is under its target.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "editor/app/Application.h"
#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/document/DocumentChange.h"

namespace {

const int Repaints = 101;
// Within a 60 Hz frame at every size; the start-up size much faster.
const double FrameTargetMs = 16.0;
const double StartUpSizeTargetMs = 2.0;

struct Size {
    int columns;
    int rows;
};

// A pattern in a window of a size, as large as fits or zoomed and scrolled.
struct Case {
    const char* name;
    Size size;
    int windowWidth;    // 0: the window's first size
    int windowHeight;
    int zoomCell;   // 0: as large as fits
    int scrollX;
    int scrollY;
};

std::unique_ptr<LedPattern> LitPattern(Size size) {
    std::unique_ptr<LedPattern> pattern(new LedPattern);
    pattern->Create(static_cast<std::uint8_t>(size.columns), static_cast<std::uint8_t>(size.rows));
    pattern->SetFrameCount(4);
    std::uint32_t seed = 12345;
    for (std::uint32_t frame = 0; frame < 4; ++frame)
        for (int row = 0; row < size.rows; ++row)
            for (int column = 0; column < size.columns; ++column) {
                seed = seed * 1103515245u + 12345u;
                if ((seed >> 16) % 3 == 0) pattern->SetPixel(frame, column, row);
            }
    pattern->modified = false;
    return pattern;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The median time of one full repaint of the grid window.
double MedianRepaint(const Case& shown) {
    if (shown.windowWidth)
        SetWindowPos(editor.windows.mainWindow, nullptr, 0, 0, shown.windowWidth, shown.windowHeight, SWP_NOZORDER);
    // As Load does: the pattern replaces the editor's, the views are laid
    // out for it, then the page of frames 2 and 3 is chosen on the slider.
    editor.pattern = LitPattern(shown.size);
    ShowPattern(editor, editor.pattern.get());
    editor.zoom.cell = shown.zoomCell;
    editor.zoom.scrollX = shown.scrollX;
    editor.zoom.scrollY = shown.scrollY;
    Refresh(editor, RefreshPart::Layout);
    editor.frameCount = 4;
    editor.firstFrame = 2;
    editor.planeCount = 2;
    editor.transparent = 1;
    Refresh(editor, RefreshPart::Slider);

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < Repaints + 1; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        RedrawWindow(editor.windows.gridWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
        QueryPerformanceCounter(&end);
        if (i > 0) times.push_back(Milliseconds(start, end, frequency));  // the first warms the caches
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    if (!StartUp(GetModuleHandleW(nullptr))) {
        std::fprintf(stderr, "repaint: the editor's windows could not be created\n");
        return 1;
    }
    const Case cases[] = {
        {"16x16", {16, 16}, 0, 0, 0, 0, 0},
        {"64x32", {64, 32}, 760, 640, 0, 0, 0},
        {"255x255", {255, 255}, 760, 640, 0, 0, 0},
        {"128x16 fit 1280x1024", {128, 16}, 1280, 1024, 0, 0, 0},
        {"255x255 16px scrolled", {255, 255}, 1280, 1024, 16, 2500, 1500},
    };
    bool allUnder = true;
    for (const Case& shown : cases) {
        double median = MedianRepaint(shown);
        double target = shown.size.columns == 16 && shown.size.rows == 16 ? StartUpSizeTargetMs : FrameTargetMs;
        if (median >= target) allUnder = false;
        std::printf("repaint %s: %.2f ms\n", shown.name, median);
    }
    std::printf("repaint: %s\n", allUnder ? "all under target" : "over target");

    DestroyWindow(editor.windows.mainWindow);
    TearDown();
    return 0;
}
