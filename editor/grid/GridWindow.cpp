#include "editor/grid/GridWindow.h"

#include <windowsx.h>

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/grid/Playback.h"
#include "editor/grid/ToolPointer.h"
#include "editor/grid/Zoom.h"
#include "editor/views/GridView.h"
#include "resources/resource.h"

namespace {

void OnPaint(EditorState& state, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintGrid(state, dc, paint.rcPaint);
    EndPaint(window, &paint);
}

void OnLeftButtonDown(EditorState& state, HWND window, WPARAM keys, LPARAM position) {
    // A click while playing stops it and draws nothing.
    if (IsPlaying(state)) {
        StopPlayback(state);
        return;
    }
    if (state.tools.tool != Tool::Pencil) {
        ToolPointerDown(state, window, GET_X_LPARAM(position), GET_Y_LPARAM(position), keys);
        return;
    }
    PutPenDown(state);
    // Held while the button is, so that a release anywhere lifts the pen.
    SetCapture(window);
    // The press itself edits the cell under the pointer.
    SendMessageW(window, WM_MOUSEMOVE, 0, position);
}

void OnMouseMove(EditorState& state, WPARAM keys, LPARAM position) {
    const int x = GET_X_LPARAM(position), y = GET_Y_LPARAM(position);
    const bool toolDrag = ToolPointerMove(state, x, y, keys);
    RefreshPointer(state, x, y);
    if (!toolDrag) MovePen(state, x, y);
}

void OnLeftButtonUp(EditorState& state, WPARAM keys, LPARAM position) {
    if (state.tools.tool != Tool::Pencil) {
        ToolPointerUp(state, GET_X_LPARAM(position), GET_Y_LPARAM(position), keys);
        return;
    }
    LiftPen(state);
    ReleaseCapture();
}

void OnCaptureChanged(EditorState& state) {
    // Another window took the mouse (a menu, a dialog, a switch of windows):
    // the release will never come here. Only a pen that is down is lifted:
    // the drawing tools hold the mouse too, and a selection's move stays one
    // open change until it is dropped.
    if (state.penDown) LiftPen(state);
    ToolPointerLost(state);
}

void OnRightButtonDown(EditorState& state) {
    if (IsPlaying(state)) {
        StopPlayback(state);
        return;
    }
    SendMessageW(state.windows.mainWindow, WM_COMMAND, IDM_EDIT_CHANGE_TARGET, 0);
}

}  // namespace

LRESULT CALLBACK GridWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EditorState& state = editor;
    switch (message) {
    case WM_PAINT:
        OnPaint(state, window);
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(state, window, wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(state, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(state, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(state);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && SetToolCursor(state, window)) return TRUE;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_TIMER:
        if (wParam == MarchingTimer) OnMarchingTimer(state);
        return 0;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(state);
        return 0;
    case WM_SIZE:
        Refresh(state, RefreshPart::Views);
        return 0;
    case WM_HSCROLL:
        OnGridScroll(state, SB_HORZ, wParam);
        return 0;
    case WM_VSCROLL:
        OnGridScroll(state, SB_VERT, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        // Never passed on: the main window hands the wheel to the grid.
        OnGridMouseWheel(state, wParam, lParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
