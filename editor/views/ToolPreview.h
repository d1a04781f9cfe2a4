// What the drawing tools show over the views while they work: the target
// view as the shape being dragged or the floating selection would leave it,
// and the selection's moving outline.
#ifndef LUMIGRID_EDITOR_TOOLPREVIEW_H
#define LUMIGRID_EDITOR_TOOLPREVIEW_H

#include <windows.h>

#include <cstdint>

struct EditorState;

// The outline's dashes: this many pixels dark, as many light, moving on by
// one pixel a step.
const int DashLength = 4;

// The target view as the tool under way would leave it; false when nothing
// is under way and the view draws itself.
bool DrawToolPreview(const EditorState& state, HDC surface, std::uint8_t previousPageOffset);
// The selection's outline over the views, when its frame is shown.
void DrawSelectionOutline(const EditorState& state, HDC surface);

#endif
