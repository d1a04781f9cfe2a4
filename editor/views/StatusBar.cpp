#include "editor/views/StatusBar.h"

#include <commctrl.h>

#include <cwchar>

#include "editor/app/Application.h"
#include "editor/app/EditorState.h"
#include "resources/resource.h"

namespace {

enum StatusPart { PointerPart, FramePart, SizePart, ZoomPart, ShapePart, StatusParts };
// Right edges of the parts, in pixels; the last one reaches the end.
const int PartEdges[StatusParts] = {150, 260, 440, 560, -1};

bool Wanted() {
    switch (editor.statusBarChoice) {
    case StatusBarChoice::Shown:
        return true;
    case StatusBarChoice::Hidden:
        return false;
    default:
        return !editor.startUpLayout;
    }
}

void SetPart(int part, const wchar_t* text) {
    SendMessageW(editor.statusBar, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

}  // namespace

void CreateStatusBar(HINSTANCE instance) {
    editor.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, editor.mainWindow,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), instance, nullptr);
    SendMessageW(editor.statusBar, SB_SETPARTS, StatusParts, reinterpret_cast<LPARAM>(PartEdges));
}

int PlaceStatusBar(const RECT& client) {
    if (!editor.statusBar) return 0;
    const bool shown = Wanted();
    CheckMenuItem(editor.menu, IDM_VIEW_STATUS_BAR, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    if (!shown) {
        ShowWindow(editor.statusBar, SW_HIDE);
        return 0;
    }
    // The control places itself along the parent's bottom edge, as high as
    // its font needs.
    SendMessageW(editor.statusBar, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    ShowWindow(editor.statusBar, SW_SHOWNA);
    RECT bar;
    GetWindowRect(editor.statusBar, &bar);
    return bar.bottom - bar.top;
}

void OnStatusBarCommand() {
    editor.statusBarChoice = IsWindowVisible(editor.statusBar) ? StatusBarChoice::Hidden : StatusBarChoice::Shown;
    UpdateLayout();
}

void ShowPointerInStatusBar(int x, int y) {
    if (!editor.statusBar || !IsWindowVisible(editor.statusBar)) return;
    wchar_t pointer[48] = L"";
    wchar_t frame[48] = L"";
    for (int i = 0; i < editor.planeCount; ++i) {
        Cell cell = editor.views[i].HitTest(x, y);
        if (cell.IsNone()) continue;
        std::swprintf(pointer, 48, L"Column %d, Row %d", cell.column, cell.row);
        if (editor.views[i].frameIndex < editor.frameCount) std::swprintf(frame, 48, L"Frame %d", editor.views[i].frameIndex);
        else std::swprintf(frame, 48, L"Frame %d (none)", editor.views[i].frameIndex);
        break;
    }
    SetPart(PointerPart, pointer);
    SetPart(FramePart, frame);
}

void ShowShapeSizeInStatusBar(int columns, int rows) {
    if (!editor.statusBar) return;
    wchar_t size[48] = L"";
    if (columns > 0 && rows > 0) std::swprintf(size, 48, L"Shape %d x %d", columns, rows);
    SetPart(ShapePart, size);
}

void UpdateStatusBar() {
    if (!editor.statusBar || !editor.views[0].pattern) return;
    const LedPattern& shown = *editor.views[0].pattern;
    wchar_t size[64];
    std::swprintf(size, 64, L"%d x %d, %u frame%ls", shown.columns, shown.rows, shown.frameCount,
                  shown.frameCount == 1 ? L"" : L"s");
    wchar_t zoom[48];
    std::swprintf(zoom, 48, L"Zoom %d px%ls", editor.views[0].cellWidth, editor.zoom.cell == 0 ? L" (fit)" : L"");
    SetPart(SizePart, size);
    SetPart(ZoomPart, zoom);
}
