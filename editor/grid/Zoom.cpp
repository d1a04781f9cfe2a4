#include "editor/grid/Zoom.h"

#include <windowsx.h>

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/grid/GridLayout.h"

namespace {

// The view under a point of the grid window, or view 0.
int ViewAt(const EditorState& state, POINT point) {
    for (int i = 0; i < state.planeCount; ++i) {
        const PlaneView& view = state.views[i];
        if (point.x >= view.left && point.x < view.right && point.y >= view.top && point.y < view.bottom) return i;
    }
    return 0;
}

// Zooms to the cell size keeping the LED under the point where it is.
void ZoomAround(EditorState& state, int cell, POINT point) {
    const int oldCell = state.views[0].cellWidth;
    if (cell == oldCell && state.zoom.cell != 0) return;
    const int plane = ViewAt(state, point);
    const int oldScrollX = state.zoom.scrollX, oldScrollY = state.zoom.scrollY;
    // In content pixels: the views' places in the window plus the scroll.
    const int oldLeft = state.views[plane].left + oldScrollX, oldTop = state.views[plane].top + oldScrollY;
    state.zoom.cell = cell;
    Refresh(state, RefreshPart::Layout);
    const GridLayout& layout = state.layout.grid;
    const Box& placed = layout.views[plane];
    ScrollGridTo(state, ScrollKeeping(point.x, oldScrollX, oldLeft, oldCell, placed.left, layout.cell),
                 ScrollKeeping(point.y, oldScrollY, oldTop, oldCell, placed.top, layout.cell));
}

POINT GridCentre(const EditorState& state) {
    RECT client;
    GetClientRect(state.windows.gridWindow, &client);
    return {client.right / 2, client.bottom / 2};
}

// Pixels of one step of a scroll bar's arrow, and of one wheel line.
int LineStep(const EditorState& state) { return state.views[0].cellWidth > 20 ? state.views[0].cellWidth : 20; }

}  // namespace

void ZoomIn(EditorState& state) { ZoomAround(state, ZoomedIn(state.views[0].cellWidth), GridCentre(state)); }
void ZoomOut(EditorState& state) { ZoomAround(state, ZoomedOut(state.views[0].cellWidth), GridCentre(state)); }

void FitToWindow(EditorState& state) {
    state.zoom = ZoomState();
    Refresh(state, RefreshPart::Layout);
}

void OnGridMouseWheel(EditorState& state, WPARAM wParam, LPARAM lParam) {
    // Wheels that turn in finer steps than a notch add up to whole notches.
    static int pending = 0;
    pending += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    const UINT keys = GET_KEYSTATE_WPARAM(wParam);
    if (keys & MK_CONTROL) {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(state.windows.gridWindow, &point);
        int cell = state.views[0].cellWidth;
        for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) cell = notches > 0 ? ZoomedIn(cell) : ZoomedOut(cell);
        ZoomAround(state, cell, point);
        return;
    }
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == WHEEL_PAGESCROLL) lines = 10;
    const int distance = -notches * static_cast<int>(lines) * LineStep(state);
    if (keys & MK_SHIFT) ScrollGridTo(state, state.zoom.scrollX + distance, state.zoom.scrollY);
    else ScrollGridTo(state, state.zoom.scrollX, state.zoom.scrollY + distance);
}

void OnGridScroll(EditorState& state, int bar, WPARAM wParam) {
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(state.windows.gridWindow, bar, &info)) return;
    int position = info.nPos;
    const int step = LineStep(state);
    const int page = static_cast<int>(info.nPage) > step ? static_cast<int>(info.nPage) - step : step;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: position -= step; break;
    case SB_LINEDOWN: position += step; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ) ScrollGridTo(state, position, state.zoom.scrollY);
    else ScrollGridTo(state, state.zoom.scrollX, position);
}

void ScrollGridTo(EditorState& state, int x, int y) {
    if (state.layout.startUp) return;
    state.zoom.scrollX = x;
    state.zoom.scrollY = y;
    Refresh(state, RefreshPart::Views);
}
