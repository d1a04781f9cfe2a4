// Paging: which page of frames the views show. Every real change of the
// page ends the drawing tools' work on the page left (a selection or a drag
// belongs to the page it was made on); refreshing the slider does not.
#ifndef LUMIGRID_EDITOR_PAGING_H
#define LUMIGRID_EDITOR_PAGING_H

struct EditorState;

// The page the user moved the slider's thumb to; the slider shows it already.
void ShowSliderPage(EditorState& state, int page);
// Turns to a page, the slider following; with one page there is nothing to turn.
void TurnToPage(EditorState& state, int page);
// One step of the slider, as Page Down and Page Up; nothing beyond the ends.
void StepPage(EditorState& state, int step);

#endif
