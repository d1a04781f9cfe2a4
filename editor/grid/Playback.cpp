#include "editor/grid/Playback.h"

#include <commctrl.h>

#include "editor/app/EditorState.h"
#include "editor/commands/UndoCommands.h"
#include "editor/grid/GridWindow.h"
#include "editor/views/SliderWindow.h"
#include "resources/resource.h"

namespace {

const UINT MillisecondsPerWait = 100;

// At least one, also for a pattern without frames: the page is taken modulo it.
int PageCount() {
    int pages = editor.frameCount / editor.planeCount + (editor.frameCount % editor.planeCount ? 1 : 0);
    return pages > 0 ? pages : 1;
}

// Turns to a page as the slider does; with one page there is nothing to turn.
void ShowPage(int page) {
    HWND trackbar = GetDlgItem(editor.sliderWindow, IDC_FRAME_SLIDER);
    if (!IsWindowEnabled(trackbar)) return;
    SendMessageW(trackbar, TBM_SETPOS, TRUE, page);
    SendMessageW(editor.sliderWindow, WM_HSCROLL, 0, 0);
}

void StartPlayback() {
    // The pen is off while playing.
    editor.penDown = 0;
    EndStroke();
    editor.playback.keptFirstFrame = editor.firstFrame;
    editor.playback.keptTargetPlane = editor.targetPlane;
    editor.playback.playing = true;
    editor.playback.page = 0;
    ShowPage(0);
    SetTimer(editor.mainWindow, PlaybackTimer, PlaybackInterval(), nullptr);
}

}  // namespace

UINT PlaybackInterval() {
    UINT wait = editor.pattern->header.wait;
    return (wait ? wait : 1) * MillisecondsPerWait;
}

bool IsPlaying() { return editor.playback.playing; }

void OnPlay() {
    if (IsPlaying()) {
        StopPlayback();
    } else {
        StartPlayback();
    }
}

void StopPlayback() {
    if (!IsPlaying()) return;
    KillTimer(editor.mainWindow, PlaybackTimer);
    editor.playback.playing = false;
    // Back to the page and view that were being edited.
    editor.firstFrame = editor.playback.keptFirstFrame;
    UpdateSlider();
    if (editor.playback.keptTargetPlane < editor.planeCount) editor.targetPlane = editor.playback.keptTargetPlane;
    RepaintGrid();
}

void OnPlaybackTimer() {
    if (!IsPlaying()) return;
    editor.playback.page = (editor.playback.page + 1) % PageCount();
    ShowPage(editor.playback.page);
}

bool StopPlaybackOnInput(const MSG& message) {
    if (!IsPlaying()) return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        StopPlayback();
        return true;
    default:
        return false;
    }
}
