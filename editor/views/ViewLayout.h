// Where the plane views lie in the grid window: the described boxes at
// start-up, otherwise GridLayout's arrangement for the pattern, the plane
// count, the zoom and the scroll offset. Keeps the grid window's scroll bars
// and the drawing surface (only as large as the visible part) in step.
#ifndef LUMIGRID_EDITOR_VIEWLAYOUT_H
#define LUMIGRID_EDITOR_VIEWLAYOUT_H

struct EditorState;

// True for the 16 x 16 pattern as large as fits in the main window's first
// size, with no status bar asked for: the screen the editor starts with.
bool IsStartUpLayout(const EditorState& state);
// Lays the views out anew for the grid window as it is now, the scroll
// offsets kept within range; false when there was nothing to lay out (the
// windows not all made yet, or a layout already under way).
bool LayOutViews(EditorState& state);

#endif
