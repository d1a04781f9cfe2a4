// The animation options dialog "ANIMATIONOPTION" of View > "O&ption...":
// frame count, wait and the display list file. It works on the editor state
// itself: OK sets the state's frame count and the pattern's wait, and a list
// file chosen with Browse or New takes effect at once, also when the dialog
// is then cancelled.
#ifndef LUMIGRID_EDITOR_OPTIONSDIALOG_H
#define LUMIGRID_EDITOR_OPTIONSDIALOG_H

#include <windows.h>

struct EditorState;

// True on OK.
bool AskAnimationOptions(HWND owner, EditorState& state);
// The wait the dialog offers for a pattern's wait (a new pattern's 0 is
// offered as 1).
int OfferedWait(int wait);

#endif
