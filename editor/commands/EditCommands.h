// The commands of the "&Edit" menu. Each acts on the edited frame (the
// target view's) or on the selection when there is one, as one undoable step.
#ifndef LUMIGRID_EDITOR_EDITCOMMANDS_H
#define LUMIGRID_EDITOR_EDITCOMMANDS_H

#include <windows.h>

struct EditorState;

// "&Copy": the selection's cells, else the whole edited frame.
void OnEditCopy(EditorState& state);
// "&Paste": the copied cells as a floating selection, else the copied frame
// over the edited one.
void OnEditPaste(EditorState& state);
void OnEditInverse(EditorState& state);
void OnEditAllClear(EditorState& state);
// "&Xor mode", "&Or mode", "&Erase mode".
void OnEditMode(EditorState& state, UINT command);
// "Change &Target", also the right button on the grid: the other view.
void OnEditChangeTarget(EditorState& state);
void OnEditListFile(EditorState& state, HWND window);
void OnEditUndo(EditorState& state);
void OnEditRedo(EditorState& state);

#endif
