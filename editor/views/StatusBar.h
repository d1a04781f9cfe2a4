// The status bar along the bottom of the main window (View > "&Status Bar"):
// the LED under the pointer (column, row), the frame it belongs to, the
// pattern's size, the zoom, the shape being dragged and the pattern's file. It shows whenever the layout is not the
// start-up one, until the user chooses otherwise.
#ifndef LUMIGRID_EDITOR_STATUSBAR_H
#define LUMIGRID_EDITOR_STATUSBAR_H

#include <windows.h>

struct EditorState;
struct EditorWindows;

// Made hidden at start-up, a child of the main window.
void CreateStatusBar(EditorWindows& windows, HINSTANCE instance);
// Shows or hides it as wanted and places it along the bottom of the main
// window's client area; its height, 0 when hidden.
int PlaceStatusBar(const EditorState& state, const RECT& client);
// The LED under the pointer, at a point of the grid window's client area.
void ShowPointerInStatusBar(const EditorState& state, int x, int y);
// The size of the shape being dragged (columns x rows); 0 x 0 clears it.
void ShowShapeSizeInStatusBar(const EditorWindows& windows, int columns, int rows);
// The pattern's size, the zoom and its file.
void UpdateStatusBar(const EditorState& state);
// The pattern's file name (or "(無題)"), a mark while it has unsaved
// changes, and a note when the copy of the work could not be written.
void UpdateFileInStatusBar(const EditorState& state);
// While a menu is open: the highlighted item's description (the string of
// its command's identifier) in place of the parts.
void ShowMenuDescription(const EditorWindows& windows, UINT item, UINT flags, HMENU menu);

#endif
