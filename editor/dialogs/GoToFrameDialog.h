// The dialog "ﾌﾚｰﾑへ移動" of Frame > "G&o to Frame..." (Ctrl+G): a frame by
// its number, counted from 0 as the title counts them.
#ifndef LUMIGRID_EDITOR_GOTOFRAMEDIALOG_H
#define LUMIGRID_EDITOR_GOTOFRAMEDIALOG_H

#include <windows.h>

struct GoToFrameChoice {
    int frame;
    int frameCount;
};

// True on OK, the choice then holding the frame chosen.
bool AskFrameToGoTo(HWND owner, GoToFrameChoice& choice);

#endif
