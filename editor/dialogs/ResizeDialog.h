// Frame > "&Resize..." and its dialog "サイズ変更": new columns and rows for
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

INT_PTR CALLBACK ResizeDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Resizes every frame as one undoable step; the views are laid out anew.
void OnResizeFrames(HWND window);

#endif
