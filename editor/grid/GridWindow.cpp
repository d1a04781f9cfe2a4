#include "editor/grid/GridWindow.h"

#include <windowsx.h>

#include "editor/app/EditorState.h"
#include "editor/commands/UndoCommands.h"
#include "editor/grid/Playback.h"
#include "editor/grid/ToolPointer.h"
#include "editor/grid/Zoom.h"
#include "editor/views/StatusBar.h"
#include "editor/views/ViewLayout.h"
#include "resources/resource.h"

namespace {

void ApplyPen(PlaneView& view, Cell cell) {
    LedPattern& pattern = *view.pattern;
    if (view.frameIndex < 0) return;
    std::uint32_t frame = static_cast<std::uint32_t>(view.frameIndex);
    ContinueStroke(frame);
    ApplyEditMode(pattern, frame, cell.column, cell.row, static_cast<EditMode>(editor.editMode));
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    // Out of the start-up layout only the part asked for is composed; the
    // rest of the surface still holds what the window shows.
    if (!editor.startUpLayout)
        IntersectClipRect(editor.surface, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right,
                          paint.rcPaint.bottom);
    DrawViews(editor.surface);
    SelectClipRgn(editor.surface, nullptr);
    BitBlt(dc, 0, 0, editor.surfaceWidth, editor.surfaceHeight, editor.surface, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void OnMouseMove(int x, int y) {
    ShowPointerInStatusBar(x, y);
    if (!editor.penDown) return;
    PlaneView& view = editor.TargetView();
    Cell cell = view.HitTest(x, y);
    if (cell == editor.lastCell) return;
    if (cell.IsNone()) {
        editor.lastCell = NoCell;
        return;
    }
    ApplyPen(view, cell);
    RepaintCells(view, cell, cell);
    editor.lastCell = cell;
}

void OnLeftButtonDown(HWND window, LPARAM position) {
    editor.penDown = 1;
    editor.lastCell = NoCell;
    // Held while the button is, so that a release anywhere lifts the pen.
    SetCapture(window);
    // The press itself edits the cell under the pointer.
    SendMessageW(window, WM_MOUSEMOVE, 0, position);
}

void LiftPen() {
    editor.penDown = 0;
    EndStroke();
}

}  // namespace

void DrawViews(HDC surface) {
    RECT whole = {0, 0, editor.surfaceWidth, editor.surfaceHeight};
    FillRect(surface, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    std::uint8_t offset = editor.transparent ? static_cast<std::uint8_t>(editor.planeCount) : 0;
    for (int i = 0; i < editor.planeCount; ++i) {
        if (i == editor.targetPlane && DrawToolPreview(surface, offset)) continue;
        editor.views[i].Draw(surface, i == editor.targetPlane, offset);
    }
    DrawSelectionOutline(surface);
}

void RepaintGrid() { InvalidateRect(editor.gridWindow, nullptr, FALSE); }

void RepaintCells(const PlaneView& view, Cell from, Cell to) {
    if (editor.startUpLayout) {
        RepaintGrid();
        return;
    }
    RECT first = view.CellBox(from), last = view.CellBox(to), both;
    UnionRect(&both, &first, &last);
    InvalidateRect(editor.gridWindow, &both, FALSE);
}

LRESULT CALLBACK GridWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_LBUTTONDOWN:
        // A click while playing stops it and draws nothing.
        if (IsPlaying()) {
            StopPlayback();
            return 0;
        }
        if (editor.tools.tool == Tool::Pencil)
            OnLeftButtonDown(window, lParam);
        else
            ToolPointerDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
        return 0;
    case WM_MOUSEMOVE:
        if (ToolPointerMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam))
            ShowPointerInStatusBar(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        else
            OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (editor.tools.tool != Tool::Pencil) {
            ToolPointerUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
            return 0;
        }
        LiftPen();
        ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, a dialog, a switch of
        // windows): the release will never come here. Only a pen that is
        // down is lifted: the drawing tools hold the mouse too, and a
        // selection's move stays one open change until it is dropped.
        if (editor.penDown) LiftPen();
        ToolPointerLost();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && SetToolCursor(window)) return TRUE;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_TIMER:
        if (wParam == MarchingTimer) OnMarchingTimer();
        return 0;
    case WM_RBUTTONDOWN:
        if (IsPlaying()) {
            StopPlayback();
            return 0;
        }
        SendMessageW(editor.mainWindow, WM_COMMAND, IDM_EDIT_CHANGE_TARGET, 0);
        return 0;
    case WM_SIZE:
        LayOutViews();
        return 0;
    case WM_HSCROLL:
        OnGridScroll(SB_HORZ, wParam);
        return 0;
    case WM_VSCROLL:
        OnGridScroll(SB_VERT, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        // Never passed on: the main window hands the wheel to the grid.
        OnGridMouseWheel(wParam, lParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
