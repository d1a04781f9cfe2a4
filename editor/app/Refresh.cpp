#include "editor/app/Refresh.h"

#include "editor/app/EditorState.h"
#include "editor/views/GridView.h"
#include "editor/views/MainLayout.h"
#include "editor/views/SliderView.h"
#include "editor/views/StatusBar.h"
#include "editor/views/ViewLayout.h"
#include "editor/views/WindowTitle.h"

namespace {

// The page the slider shows, as the first frame names it: with more frames
// than planes the page that holds it, else the first.
void AlignPage(EditorState& state) {
    if (state.frameCount > state.planeCount) {
        state.ShowPageFrames(state.FirstFramePage());
    } else {
        // The target plane stays as it is.
        state.firstFrame = 0;
        state.views[0].frameIndex = 0;
        state.views[1].frameIndex = 1;
    }
}

}  // namespace

void Refresh(EditorState& state, RefreshParts parts) {
    bool laidOut = false;
    if (parts.Has(RefreshPart::Layout)) laidOut = UpdateLayout(state);
    else if (parts.Has(RefreshPart::Views)) laidOut = LayOutViews(state);
    const bool slider = parts.Has(RefreshPart::Slider);
    if (slider) {
        AlignPage(state);
        ShowSlider(state);
    } else if (laidOut) {
        FitSliderTicks(state);
    }
    if (slider || parts.Has(RefreshPart::Title)) UpdateTitle(state);
    if (laidOut || slider || parts.Has(RefreshPart::StatusBar)) UpdateStatusBar(state);
    else UpdateFileInStatusBar(state);
    if (laidOut || slider || parts.Has(RefreshPart::Grid)) RepaintGrid(state.windows);
}

void RefreshCells(EditorState& state, const PlaneView& view, Cell from, Cell to) {
    RepaintCells(state, view, from, to);
    UpdateFileInStatusBar(state);
}

void RefreshMenuDescription(EditorState& state, UINT item, UINT flags, HMENU menu) {
    ShowMenuDescription(state.windows, item, flags, menu);
}

void RefreshPointer(EditorState& state, int x, int y) { ShowPointerInStatusBar(state, x, y); }

void RefreshShapeSize(EditorState& state, int columns, int rows) {
    ShowShapeSizeInStatusBar(state.windows, columns, rows);
}
