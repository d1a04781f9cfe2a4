// Zooming and scrolling the grid: View > "Zoom &In", "Zoom O&ut" and "&Fit to
// Window", Ctrl+mouse wheel around the pointer, the grid window's scroll bars
// and the mouse wheel (Shift+wheel across).
#ifndef LUMIGRID_EDITOR_ZOOM_H
#define LUMIGRID_EDITOR_ZOOM_H

#include <windows.h>

struct EditorState;

// One step up or down, keeping the LED at the grid's centre where it is.
void ZoomIn(EditorState& state);
void ZoomOut(EditorState& state);
// As large as fits, unscrolled.
void FitToWindow(EditorState& state);
// WM_MOUSEWHEEL over the grid window (the main window passes it on).
void OnGridMouseWheel(EditorState& state, WPARAM wParam, LPARAM lParam);
// WM_HSCROLL and WM_VSCROLL of the grid window's own scroll bars.
void OnGridScroll(EditorState& state, int bar, WPARAM wParam);
// Scrolls the grid to the offsets, kept within range; the start-up layout
// does not scroll.
void ScrollGridTo(EditorState& state, int x, int y);

#endif
