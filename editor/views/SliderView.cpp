#include "editor/views/SliderView.h"

#include <windows.h>
#include <commctrl.h>

#include "editor/app/EditorState.h"
#include "resources/resource.h"

void ShowSlider(const EditorState& state) {
    HWND trackbar = GetDlgItem(state.windows.sliderWindow, IDC_FRAME_SLIDER);
    if (state.frameCount <= state.planeCount) {
        EnableWindow(trackbar, FALSE);
        return;
    }
    EnableWindow(trackbar, TRUE);
    SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, state.PageCount() - 1));
    SendMessageW(trackbar, TBM_SETPOS, TRUE, state.FirstFramePage());
}
