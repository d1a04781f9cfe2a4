// Play: the pattern's pages shown one after another in the grid, one page
// per wait x 100 ms (a wait of 0 counts as 1), looping, until Play is chosen
// again or a key is pressed or the mouse clicked in the editor. A preview of
// the frame order only: the display board's own timing is not imitated.
#ifndef LUMIGRID_EDITOR_PLAYBACK_H
#define LUMIGRID_EDITOR_PLAYBACK_H

#include <windows.h>

class LedPattern;
struct EditorState;

// The main window's timer that turns the pages.
const UINT_PTR PlaybackTimer = 1;

// Starts, or stops when playing.
void StartOrStopPlayback(EditorState& state);
void StopPlayback(EditorState& state);
bool IsPlaying(const EditorState& state);
// One turn of the page; from the timer.
void OnPlaybackTimer(EditorState& state);
// Milliseconds a page is shown for the pattern's wait.
UINT PlaybackInterval(const LedPattern& pattern);
// Ends playing on a key or a click in the editor's windows, before the
// message is dispatched; true when the message was taken for that.
bool StopPlaybackOnInput(EditorState& state, const MSG& message);

#endif
