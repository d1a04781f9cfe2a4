#include "editor/grid/Paging.h"

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/grid/ToolPointer.h"

void ShowSliderPage(EditorState& state, int page) {
    FinishToolWork(state);
    state.ShowPageFrames(page);
    Refresh(state, RefreshPart::Title | RefreshPart::Grid);
}

void TurnToPage(EditorState& state, int page) {
    // The slider is enabled exactly when there is more than one page.
    if (state.frameCount <= state.planeCount) return;
    FinishToolWork(state);
    state.ShowPageFrames(page);
    Refresh(state, RefreshPart::Slider);
}

void StepPage(EditorState& state, int step) {
    if (state.frameCount <= state.planeCount) return;
    const int page = state.FirstFramePage() + step;
    if (page < 0 || page >= state.PageCount()) return;
    TurnToPage(state, page);
}
