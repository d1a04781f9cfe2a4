#include "editor/grid/Zoom.h"

#include <windowsx.h>

#include "editor/app/Application.h"
#include "editor/app/EditorState.h"
#include "editor/grid/GridLayout.h"
#include "editor/views/ViewLayout.h"

namespace {

// The view under a point of the grid window, or view 0.
int ViewAt(POINT point) {
    for (int i = 0; i < editor.planeCount; ++i) {
        const PlaneView& view = editor.views[i];
        if (point.x >= view.left && point.x < view.right && point.y >= view.top && point.y < view.bottom) return i;
    }
    return 0;
}

// Zooms to the cell size keeping the LED under the point where it is.
void ZoomAround(int cell, POINT point) {
    const int oldCell = editor.views[0].cellWidth;
    if (cell == oldCell && editor.zoom.cell != 0) return;
    const int plane = ViewAt(point);
    const int oldScrollX = editor.zoom.scrollX, oldScrollY = editor.zoom.scrollY;
    // In content pixels: the views' places in the window plus the scroll.
    const int oldLeft = editor.views[plane].left + oldScrollX, oldTop = editor.views[plane].top + oldScrollY;
    editor.zoom.cell = cell;
    UpdateLayout();
    const Box& placed = editor.layout.views[plane];
    ScrollGridTo(ScrollKeeping(point.x, oldScrollX, oldLeft, oldCell, placed.left, editor.layout.cell),
                 ScrollKeeping(point.y, oldScrollY, oldTop, oldCell, placed.top, editor.layout.cell));
}

POINT GridCentre() {
    RECT client;
    GetClientRect(editor.gridWindow, &client);
    return {client.right / 2, client.bottom / 2};
}

// Pixels of one step of a scroll bar's arrow, and of one wheel line.
int LineStep() { return editor.views[0].cellWidth > 20 ? editor.views[0].cellWidth : 20; }

}  // namespace

void OnZoomIn() { ZoomAround(ZoomedIn(editor.views[0].cellWidth), GridCentre()); }
void OnZoomOut() { ZoomAround(ZoomedOut(editor.views[0].cellWidth), GridCentre()); }

void OnFitToWindow() {
    editor.zoom.cell = 0;
    editor.zoom.scrollX = 0;
    editor.zoom.scrollY = 0;
    UpdateLayout();
}

void OnGridMouseWheel(WPARAM wParam, LPARAM lParam) {
    // Wheels that turn in finer steps than a notch add up to whole notches.
    static int pending = 0;
    pending += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    const UINT keys = GET_KEYSTATE_WPARAM(wParam);
    if (keys & MK_CONTROL) {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(editor.gridWindow, &point);
        int cell = editor.views[0].cellWidth;
        for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) cell = notches > 0 ? ZoomedIn(cell) : ZoomedOut(cell);
        ZoomAround(cell, point);
        return;
    }
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == WHEEL_PAGESCROLL) lines = 10;
    const int distance = -notches * static_cast<int>(lines) * LineStep();
    if (keys & MK_SHIFT) ScrollGridTo(editor.zoom.scrollX + distance, editor.zoom.scrollY);
    else ScrollGridTo(editor.zoom.scrollX, editor.zoom.scrollY + distance);
}

void OnGridScroll(int bar, WPARAM wParam) {
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(editor.gridWindow, bar, &info)) return;
    int position = info.nPos;
    const int page = static_cast<int>(info.nPage) > LineStep() ? static_cast<int>(info.nPage) - LineStep() : LineStep();
    switch (LOWORD(wParam)) {
    case SB_LINEUP: position -= LineStep(); break;
    case SB_LINEDOWN: position += LineStep(); break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ) ScrollGridTo(position, editor.zoom.scrollY);
    else ScrollGridTo(editor.zoom.scrollX, position);
}
