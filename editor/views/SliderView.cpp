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
    FitSliderTicks(state);
}

void FitSliderTicks(const EditorState& state) {
    // A slider of one page is greyed and keeps its start-up look.
    if (state.frameCount <= state.planeCount) return;
    HWND trackbar = GetDlgItem(state.windows.sliderWindow, IDC_FRAME_SLIDER);
    RECT channel;
    SendMessageW(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int pixels = channel.right - channel.left > 1 ? channel.right - channel.left : 1;
    const int steps = state.PageCount() - 1;
    // Ticks closer than this run together into a grey bar.
    const int frequency = (steps * MinimumTickSpacing + pixels - 1) / pixels;
    SendMessageW(trackbar, TBM_SETTICFREQ, frequency > 1 ? frequency : 1, 0);
}
