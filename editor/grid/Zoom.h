// Zooming and scrolling the grid: View > "Zoom &In", "Zoom O&ut" and "&Fit to
// Window", Ctrl+mouse wheel around the pointer, the grid window's scroll bars
// and the mouse wheel (Shift+wheel across).
#ifndef LUMIGRID_EDITOR_ZOOM_H
#define LUMIGRID_EDITOR_ZOOM_H

#include <windows.h>

void OnZoomIn();
void OnZoomOut();
void OnFitToWindow();
// WM_MOUSEWHEEL over the grid window (the main window passes it on).
void OnGridMouseWheel(WPARAM wParam, LPARAM lParam);
// WM_HSCROLL and WM_VSCROLL of the grid window's own scroll bars.
void OnGridScroll(int bar, WPARAM wParam);

#endif
