#include "GridWindow.h"

#include <windowsx.h>

#include "EditorState.h"
#include "Playback.h"
#include "UndoCommands.h"
#include "resource.h"

namespace {

void ApplyPen(PlaneView& view, Cell cell) {
    LedPattern& pattern = *view.pattern;
    if (view.frameIndex < 0) return;
    std::uint32_t frame = static_cast<std::uint32_t>(view.frameIndex);
    ContinueStroke(frame);
    switch (editor.editMode) {
    case EditXor:
        pattern.TogglePixel(frame, cell.column, cell.row);
        break;
    case EditOr:
        pattern.SetPixel(frame, cell.column, cell.row);
        break;
    case EditErase:
        if (pattern.GetPixel(frame, cell.column, cell.row)) pattern.TogglePixel(frame, cell.column, cell.row);
        break;
    }
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DrawViews(editor.surface);
    BitBlt(dc, 0, 0, SurfaceWidth, SurfaceHeight, editor.surface, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void OnMouseMove(int x, int y) {
    if (!editor.penDown) return;
    PlaneView& view = editor.TargetView();
    Cell cell = view.HitTest(x, y);
    if (cell == editor.lastCell) return;
    if (cell.IsNone()) {
        editor.lastCell = NoCell;
        return;
    }
    ApplyPen(view, cell);
    RepaintGrid();
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
    RECT whole = {0, 0, SurfaceWidth, SurfaceHeight};
    FillRect(surface, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    std::uint8_t offset = editor.transparent ? static_cast<std::uint8_t>(editor.planeCount) : 0;
    for (int i = 0; i < editor.planeCount; ++i) editor.views[i].Draw(surface, i == editor.targetPlane, offset);
}

void RepaintGrid() { InvalidateRect(editor.gridWindow, nullptr, FALSE); }

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
        OnLeftButtonDown(window, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        LiftPen();
        ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, a dialog, a switch of
        // windows): the release will never come here.
        LiftPen();
        return 0;
    case WM_RBUTTONDOWN:
        if (IsPlaying()) {
            StopPlayback();
            return 0;
        }
        SendMessageW(editor.mainWindow, WM_COMMAND, IDM_EDIT_CHANGE_TARGET, 0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
