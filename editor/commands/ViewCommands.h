// The commands of the "&View" menu.
#ifndef LUMIGRID_EDITOR_VIEWCOMMANDS_H
#define LUMIGRID_EDITOR_VIEWCOMMANDS_H

#include <windows.h>

struct EditorState;

// "&One plane", "&Two planes".
void OnViewPlanes(EditorState& state, UINT command);
void OnViewTransparent(EditorState& state);
// "O&ption...": the animation options dialog; after OK and Cancel alike the
// first page is shown with view 0 as the target.
void OnViewOption(EditorState& state, HWND window);
void OnViewZoomIn(EditorState& state);
void OnViewZoomOut(EditorState& state);
void OnViewFitToWindow(EditorState& state);
// "&Status Bar": shows it or hides it, for the rest of the session.
void OnViewStatusBar(EditorState& state);

#endif
