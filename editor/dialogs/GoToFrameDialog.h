// Frame > "G&o to Frame..." (Ctrl+G) and its dialog "ﾌﾚｰﾑへ移動": jumps to a
// frame by its number, counted from 0 as the title counts them.
#ifndef LUMIGRID_EDITOR_GOTOFRAMEDIALOG_H
#define LUMIGRID_EDITOR_GOTOFRAMEDIALOG_H

#include <windows.h>

struct GoToFrameChoice {
    int frame;
    int frameCount;
};

INT_PTR CALLBACK GoToFrameDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the page that holds the chosen frame with its view as the target.
void OnGoToFrame(HWND window);

#endif
