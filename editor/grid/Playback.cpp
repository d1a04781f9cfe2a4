#include "editor/grid/Playback.h"

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/grid/Paging.h"
#include "editor/grid/ToolPointer.h"

namespace {

const UINT MillisecondsPerWait = 100;

void StartPlayback(EditorState& state) {
    // The pen is off while playing.
    LiftPen(state);
    PlaybackState& playback = state.playback;
    playback.keptFirstFrame = state.firstFrame;
    playback.keptTargetPlane = state.targetPlane;
    playback.playing = true;
    playback.page = 0;
    TurnToPage(state, 0);
    SetTimer(state.windows.mainWindow, PlaybackTimer, PlaybackInterval(*state.pattern), nullptr);
}

}  // namespace

UINT PlaybackInterval(const LedPattern& pattern) {
    UINT wait = pattern.header.wait;
    return (wait ? wait : 1) * MillisecondsPerWait;
}

bool IsPlaying(const EditorState& state) { return state.playback.playing; }

void StartOrStopPlayback(EditorState& state) {
    if (IsPlaying(state)) {
        StopPlayback(state);
    } else {
        StartPlayback(state);
    }
}

void StopPlayback(EditorState& state) {
    if (!IsPlaying(state)) return;
    PlaybackState& playback = state.playback;
    KillTimer(state.windows.mainWindow, PlaybackTimer);
    playback.playing = false;
    // Back to the page and view that were being edited.
    state.firstFrame = playback.keptFirstFrame;
    Refresh(state, RefreshPart::Slider);
    if (playback.keptTargetPlane < state.planeCount) state.targetPlane = playback.keptTargetPlane;
    Refresh(state, RefreshPart::Grid);
}

void OnPlaybackTimer(EditorState& state) {
    if (!IsPlaying(state)) return;
    state.playback.page = (state.playback.page + 1) % state.PageCount();
    TurnToPage(state, state.playback.page);
}

bool StopPlaybackOnInput(EditorState& state, const MSG& message) {
    if (!IsPlaying(state)) return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        StopPlayback(state);
        return true;
    default:
        return false;
    }
}
