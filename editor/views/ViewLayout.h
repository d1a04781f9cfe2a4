// Where the plane views lie in the grid window: the described boxes at
// start-up, otherwise GridLayout's arrangement for the pattern, the plane
// count, the zoom and the scroll offset. Keeps the grid window's scroll bars
// and the drawing surface (only as large as the visible part) in step.
#ifndef LUMIGRID_EDITOR_VIEWLAYOUT_H
#define LUMIGRID_EDITOR_VIEWLAYOUT_H

// True for the 16 x 16 pattern as large as fits in the main window's first
// size, with no status bar asked for: the screen the editor starts with.
bool IsStartUpLayout();
// Lays the views out anew for the grid window as it is now, and repaints.
void LayOutViews();
// Scrolls the grid to the offsets, kept within range.
void ScrollGridTo(int x, int y);

#endif
