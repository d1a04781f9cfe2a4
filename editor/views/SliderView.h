// The frame slider's trackbar: enabled exactly when the frames fill more
// than one page, over the pages there are, at the page of the first frame.
#ifndef LUMIGRID_EDITOR_SLIDERVIEW_H
#define LUMIGRID_EDITOR_SLIDERVIEW_H

struct EditorState;

void ShowSlider(const EditorState& state);

#endif
