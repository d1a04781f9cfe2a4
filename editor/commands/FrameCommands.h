// The commands of the "F&rame" menu: frames made from a text, pictures and
// effects, the picture of the frames, the frame tools on the edited frame,
// the pages, Play, Resize and Go to Frame.
#ifndef LUMIGRID_EDITOR_FRAMECOMMANDS_H
#define LUMIGRID_EDITOR_FRAMECOMMANDS_H

#include <windows.h>

struct EditorState;

// "&Text...": the Text dialog over the current pattern; on OK, after the
// save-changes question, the text's frames in place of the pattern's.
void OnFrameText(EditorState& state, HWND window);
// "&Import Picture...": pictures chosen, imported as the dialog says, and put
// in place of the pattern's frames after the save-changes question.
void OnFrameImportPicture(EditorState& state, HWND window);
// "E&xport Picture...": the edited frame or every frame as a PNG picture.
void OnFrameExportPicture(EditorState& state, HWND window);
// "Shift &Up" .. "Shift Ri&ght".
void OnFrameShift(EditorState& state, UINT command);
void OnFrameInsert(EditorState& state);
void OnFrameDuplicate(EditorState& state);
void OnFrameDelete(EditorState& state);
void OnFrameNextPage(EditorState& state);
void OnFramePreviousPage(EditorState& state);
void OnFramePlay(EditorState& state);
// "&Resize...": every frame to the size chosen, as one undoable step.
void OnFrameResize(EditorState& state, HWND window);
// "G&o to Frame...": the page that holds the chosen frame, its view the target.
void OnFrameGoTo(EditorState& state, HWND window);
// "&Effects...": the frames the Effects dialog makes in place of the
// pattern's, as one undoable step.
void OnFrameEffects(EditorState& state, HWND window);

#endif
