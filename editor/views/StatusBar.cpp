#include "editor/views/StatusBar.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

#include "editor/app/EditorState.h"
#include "editor/app/WideText.h"
#include "editor/views/MenuMarks.h"
#include "resources/resource.h"

namespace {

enum StatusPart { PointerPart, FramePart, SizePart, ZoomPart, ShapePart, FilePart, StatusParts };
// Right edges of the parts, in pixels, in a window at least as wide as the
// last fixed edge and room for the file name; the last one reaches the end.
const int PartEdges[StatusParts] = {130, 230, 390, 500, 600, -1};
const int PartsWidth = 700;

// The parts in the width there is: narrower, each keeps its share, so that
// none is pushed out of sight.
void FitParts(HWND statusBar, int width) {
    int edges[StatusParts];
    for (int i = 0; i < StatusParts; ++i)
        edges[i] = PartEdges[i] < 0 || width >= PartsWidth ? PartEdges[i] : PartEdges[i] * width / PartsWidth;
    SendMessageW(statusBar, SB_SETPARTS, StatusParts, reinterpret_cast<LPARAM>(edges));
}

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

// The pattern's file name without its folder, "(無題)" for an unnamed one,
// a mark while it has unsaved changes, and a copy of the work that failed.
std::wstring FileText(const EditorState& state) {
    const LedPattern& pattern = *state.pattern;
    std::wstring text = L"(無題)";
    if (pattern.fileName) {
        const std::string path = pattern.fileName.get();
        const std::size_t slash = path.find_last_of("\\/");
        text = Widened(slash == std::string::npos ? path : path.substr(slash + 1));
    }
    if (pattern.modified) text += L" *";
    if (state.recovery.failed) text += L"  (復元用の控えを書けません)";
    return text;
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
    FitParts(statusBar, client.right);
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
    UpdateFileInStatusBar(state);
}

void UpdateFileInStatusBar(const EditorState& state) {
    HWND statusBar = state.windows.statusBar;
    if (!statusBar || !state.pattern) return;
    const std::wstring text = FileText(state);
    wchar_t shown[512] = L"";
    // Only a change is sent: every LED the pen changes asks.
    if (LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, FilePart, 0)) < 512)
        SendMessageW(statusBar, SB_GETTEXTW, FilePart, reinterpret_cast<LPARAM>(shown));
    if (text != shown) SetPart(statusBar, FilePart, text.c_str());
}

void ShowMenuDescription(const EditorWindows& windows, UINT item, UINT flags, HMENU menu) {
    HWND statusBar = windows.statusBar;
    if (!statusBar) return;
    // The menu closed: the parts come back as they were.
    if (flags == 0xFFFF && !menu) {
        SendMessageW(statusBar, SB_SIMPLE, FALSE, 0);
        return;
    }
    wchar_t line[256] = L"";
    if (!(flags & (MF_POPUP | MF_SEPARATOR))) LoadStringW(GetModuleHandleW(nullptr), item, line, 256);
    SendMessageW(statusBar, SB_SIMPLE, TRUE, 0);
    SendMessageW(statusBar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(line));
}
