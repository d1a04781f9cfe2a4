#include "editor/commands/ViewCommands.h"

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/dialogs/OptionsDialog.h"
#include "editor/document/EditRecording.h"
#include "editor/grid/Zoom.h"
#include "editor/views/MenuMarks.h"
#include "resources/resource.h"

void OnViewPlanes(EditorState& state, UINT command) {
    MarkMenuRadio(state.windows.menu, IDM_VIEW_ONE_PLANE, IDM_VIEW_TWO_PLANES, command);
    state.planeCount = static_cast<int>(command - IDM_VIEW_ONE_PLANE + 1);
    if (state.targetPlane >= state.planeCount) state.targetPlane = 0;
    Refresh(state, RefreshPart::Views | RefreshPart::Slider);
}

void OnViewTransparent(EditorState& state) {
    state.transparent = !state.transparent;
    CheckMenuCommand(state.windows.menu, IDM_VIEW_TRANSPARENT, state.transparent != 0);
    Refresh(state, RefreshPart::Grid);
}

void OnViewOption(EditorState& state, HWND window) {
    // Begun before the dialog, which sets the wait in place on OK.
    BeginPatternEdit(state);
    const std::uint32_t frames = state.pattern->frameCount;
    const std::uint8_t wait = state.pattern->header.wait;
    if (AskAnimationOptions(window, state)) {
        state.pattern->SetFrameCount(static_cast<std::uint32_t>(state.frameCount));
        // OK alone marks the pattern modified, as it always has, but leaves
        // nothing to undo.
        if (state.pattern->frameCount == frames && state.pattern->header.wait == OfferedWait(wait))
            CancelPatternEdit(state);
        else EndPatternEdit(state);
    } else {
        CancelPatternEdit(state);
    }
    // The pattern may hold fewer frames than asked for, never more.
    state.frameCount = static_cast<int>(state.pattern->frameCount);
    state.targetPlane = 0;
    state.firstFrame = 0;
    Refresh(state, RefreshPart::Slider);
}

void OnViewZoomIn(EditorState& state) { ZoomIn(state); }
void OnViewZoomOut(EditorState& state) { ZoomOut(state); }
void OnViewFitToWindow(EditorState& state) { FitToWindow(state); }

void OnViewStatusBar(EditorState& state) {
    const bool shown = IsWindowVisible(state.windows.statusBar) != FALSE;
    state.layout.statusBarChoice = shown ? StatusBarChoice::Hidden : StatusBarChoice::Shown;
    Refresh(state, RefreshPart::Layout);
}
