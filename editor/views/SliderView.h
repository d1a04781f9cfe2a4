// The frame slider's trackbar: enabled exactly when the frames fill more
// than one page, over the pages there are, at the page of the first frame.
#ifndef LUMIGRID_EDITOR_SLIDERVIEW_H
#define LUMIGRID_EDITOR_SLIDERVIEW_H

struct EditorState;

void ShowSlider(const EditorState& state);
// At most one tick every MinimumTickSpacing pixels of the trackbar's
// channel, for its width now.
void FitSliderTicks(const EditorState& state);

const int MinimumTickSpacing = 4;

#endif
