#include "editor/views/StatusBar.h"

#include <commctrl.h>

#include <cwchar>

#include "editor/app/EditorState.h"
#include "editor/views/MenuMarks.h"
#include "resources/resource.h"

namespace {

enum StatusPart { PointerPart, FramePart, SizePart, ZoomPart, ShapePart, StatusParts };
// Right edges of the parts, in pixels; the last one reaches the end.
const int PartEdges[StatusParts] = {150, 260, 440, 560, -1};

bool Wanted(const EditorState& state) {
    switch (state.layout.statusBarChoice) {
    case StatusBarChoice::Shown:
        return true;
    case StatusBarChoice::Hidden:
        return false;
    default:
        return !state.layout.startUp;
    }
}

void SetPart(HWND statusBar, int part, const wchar_t* text) {
    SendMessageW(statusBar, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

}  // namespace

void CreateStatusBar(EditorWindows& windows, HINSTANCE instance) {
    windows.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, windows.mainWindow,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), instance,
                                        nullptr);
    SendMessageW(windows.statusBar, SB_SETPARTS, StatusParts, reinterpret_cast<LPARAM>(PartEdges));
}

int PlaceStatusBar(const EditorState& state, const RECT& client) {
    HWND statusBar = state.windows.statusBar;
    if (!statusBar) return 0;
    const bool shown = Wanted(state);
    CheckMenuCommand(state.windows.menu, IDM_VIEW_STATUS_BAR, shown);
    if (!shown) {
        ShowWindow(statusBar, SW_HIDE);
        return 0;
    }
    // The control places itself along the parent's bottom edge, as high as
    // its font needs.
    SendMessageW(statusBar, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    ShowWindow(statusBar, SW_SHOWNA);
    RECT bar;
    GetWindowRect(statusBar, &bar);
    return bar.bottom - bar.top;
}

void ShowPointerInStatusBar(const EditorState& state, int x, int y) {
    HWND statusBar = state.windows.statusBar;
    if (!statusBar || !IsWindowVisible(statusBar)) return;
    wchar_t pointer[48] = L"";
    wchar_t frame[48] = L"";
    for (int i = 0; i < state.planeCount; ++i) {
        const PlaneView& view = state.views[i];
        Cell cell = view.HitTest(x, y);
        if (cell.IsNone()) continue;
        std::swprintf(pointer, 48, L"Column %d, Row %d", cell.column, cell.row);
        if (view.frameIndex < state.frameCount) std::swprintf(frame, 48, L"Frame %d", view.frameIndex);
        else std::swprintf(frame, 48, L"Frame %d (none)", view.frameIndex);
        break;
    }
    SetPart(statusBar, PointerPart, pointer);
    SetPart(statusBar, FramePart, frame);
}

void ShowShapeSizeInStatusBar(const EditorWindows& windows, int columns, int rows) {
    if (!windows.statusBar) return;
    wchar_t size[48] = L"";
    if (columns > 0 && rows > 0) std::swprintf(size, 48, L"Shape %d x %d", columns, rows);
    SetPart(windows.statusBar, ShapePart, size);
}

void UpdateStatusBar(const EditorState& state) {
    if (!state.windows.statusBar || !state.views[0].pattern) return;
    const LedPattern& shown = *state.views[0].pattern;
    wchar_t size[64];
    std::swprintf(size, 64, L"%d x %d, %u frame%ls", shown.columns, shown.rows, shown.frameCount,
                  shown.frameCount == 1 ? L"" : L"s");
    wchar_t zoom[48];
    std::swprintf(zoom, 48, L"Zoom %d px%ls", state.views[0].cellWidth, state.zoom.cell == 0 ? L" (fit)" : L"");
    SetPart(state.windows.statusBar, SizePart, size);
    SetPart(state.windows.statusBar, ZoomPart, zoom);
}
