// The LED grid window: its procedure takes the mouse, the keyboard's wheel
// and the scroll bars' input and hands it on to the pen, the tools, paging
// and zoom; its paint is the grid view's.
#ifndef LUMIGRID_EDITOR_GRIDWINDOW_H
#define LUMIGRID_EDITOR_GRIDWINDOW_H

#include <windows.h>

LRESULT CALLBACK GridWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
