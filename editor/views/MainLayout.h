// The main window's children: the status bar along the bottom when it
// shows, the frame slider above it and the grid window over the rest.
#ifndef LUMIGRID_EDITOR_MAINLAYOUT_H
#define LUMIGRID_EDITOR_MAINLAYOUT_H

struct EditorState;

// Keeps the main window's first client size and the trackbar's place in the
// slider, against which the start-up layout is told.
void KeepStartUpPlaces(EditorState& state);
// Places the children in the main window's client area and lays the views
// out anew; false when the views were not laid out (see LayOutViews).
bool UpdateLayout(EditorState& state);

#endif
