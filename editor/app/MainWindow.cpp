#include "editor/app/MainWindow.h"

#include "editor/app/EditorState.h"
#include "editor/app/MenuCommands.h"
#include "editor/app/Refresh.h"
#include "editor/commands/FileCommands.h"
#include "editor/document/RecoveryKeeping.h"
#include "editor/grid/Playback.h"
#include "editor/grid/Zoom.h"

namespace {

void OnSizing(RECT* dragged) {
    if (dragged->right - dragged->left < MinimumWindowWidth) dragged->right = dragged->left + MinimumWindowWidth;
    if (dragged->bottom - dragged->top < MinimumWindowHeight) dragged->bottom = dragged->top + MinimumWindowHeight;
}

void OnClose(EditorState& state, HWND window) {
    if (!AskSaveChanges(state, window)) return;
    DestroyWindow(window);
}

}  // namespace

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EditorState& state = editor;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(state, window, wParam, lParam);
    case WM_INITMENU:
        OnInitMenu(state);
        return 0;
    case WM_MENUSELECT:
        RefreshMenuDescription(state, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) Refresh(state, RefreshPart::Layout);
        return 0;
    case WM_SIZING:
        OnSizing(reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_MOUSEWHEEL:
        // The wheel reaches the window with the focus; it scrolls and zooms the grid.
        OnGridMouseWheel(state, wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == PlaybackTimer) OnPlaybackTimer(state);
        else if (wParam == RecoveryTimer) OnRecoveryTimer(state);
        return 0;
    case WM_CLOSE:
        OnClose(state, window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
