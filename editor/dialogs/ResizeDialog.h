// The dialog "サイズ変更" of Frame > "&Resize...": new columns and rows for
// every frame, and the anchor the content keeps its place against (the
// top-left corner unless another of the nine is chosen).
#ifndef LUMIGRID_EDITOR_RESIZEDIALOG_H
#define LUMIGRID_EDITOR_RESIZEDIALOG_H

#include <windows.h>

#include "pattern/document/FrameResize.h"

struct ResizeChoice {
    int columns;
    int rows;
    ResizeAnchor anchor;
};

// True on OK, the choice then holding the size and anchor chosen.
bool AskNewFrameSize(HWND owner, ResizeChoice& choice);

#endif
