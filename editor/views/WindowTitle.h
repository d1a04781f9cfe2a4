// The main window's title: "Lumigrid ver 1.0  [ first / count ]", the
// page's first frame and the frame count.
#ifndef LUMIGRID_EDITOR_WINDOWTITLE_H
#define LUMIGRID_EDITOR_WINDOWTITLE_H

struct EditorState;

void UpdateTitle(const EditorState& state);

#endif
