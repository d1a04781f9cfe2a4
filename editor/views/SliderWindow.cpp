#include "editor/views/SliderWindow.h"

#include <commctrl.h>

#include "editor/app/Application.h"
#include "editor/app/EditorState.h"
#include "editor/grid/GridWindow.h"
#include "editor/grid/ToolPointer.h"
#include "editor/views/StatusBar.h"
#include "resources/resource.h"

namespace {

HWND Trackbar() { return GetDlgItem(editor.sliderWindow, IDC_FRAME_SLIDER); }

void OnPageChange(EditorState& state) {
    // A selection or a drag belongs to the page it was made on.
    FinishToolWork();
    int position = static_cast<int>(SendMessageW(GetDlgItem(state.sliderWindow, IDC_FRAME_SLIDER), TBM_GETPOS, 0, 0));
    state.firstFrame = position * state.planeCount;
    state.targetPlane = 0;
    for (int i = 0; i < state.planeCount; ++i) state.views[i].frameIndex = state.firstFrame + i;
    UpdateTitle();
    RepaintGrid();
}

}  // namespace

INT_PTR CALLBACK SliderDialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    EditorState* state = reinterpret_cast<EditorState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_HSCROLL:
        if (state) OnPageChange(*state);
        return TRUE;
    default:
        return FALSE;
    }
}

void UpdateSlider() {
    HWND trackbar = Trackbar();
    if (editor.frameCount > editor.planeCount) {
        int pages = editor.frameCount / editor.planeCount + (editor.frameCount % editor.planeCount ? 1 : 0);
        EnableWindow(trackbar, TRUE);
        SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, pages - 1));
        SendMessageW(trackbar, TBM_SETPOS, TRUE, editor.firstFrame / editor.planeCount);
        SendMessageW(editor.sliderWindow, WM_HSCROLL, 0, 0);
    } else {
        EnableWindow(trackbar, FALSE);
        editor.firstFrame = 0;
        editor.views[0].frameIndex = 0;
        editor.views[1].frameIndex = 1;
    }
    UpdateTitle();
    UpdateStatusBar();
}
