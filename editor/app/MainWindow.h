// The main window: menu commands, menu state, layout and closing.
#ifndef LUMIGRID_EDITOR_MAINWINDOW_H
#define LUMIGRID_EDITOR_MAINWINDOW_H

#include <windows.h>

// Smallest outer size the main window can be dragged to.
const int MinimumWindowWidth = 360;
const int MinimumWindowHeight = 460;

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
