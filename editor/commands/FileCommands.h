// The commands of the "&File" menu, and the save-changes question that Load,
// New, the generated frames and closing the window ask.
#ifndef LUMIGRID_EDITOR_FILECOMMANDS_H
#define LUMIGRID_EDITOR_FILECOMMANDS_H

#include <windows.h>

struct EditorState;

// "&New...": the size of a blank pattern, then the save-changes question;
// the blank, unnamed pattern replaces the document.
void OnFileNew(EditorState& state, HWND window);
// "&Load...": the save-changes question, then a pattern file in place of the
// document.
void OnFileLoad(EditorState& state, HWND window);
void OnFileSave(EditorState& state, HWND window);
// "Save &As...": a save that succeeds with the add-to-list box ticked adds
// the file to the list.
void OnFileSaveAs(EditorState& state, HWND window);
// "A&dd To List": the named pattern to the list; an unnamed one is saved
// first, and added when the box was ticked.
void OnFileAddToList(EditorState& state, HWND window);
// "Create &Hex File...": the export with its progress, then what the list's
// entries left out of the file.
void OnFileCreateHexFile(EditorState& state, HWND window);
void OnFileExit(EditorState& state);
void OnFilePreviewList(EditorState& state, HWND window);

// LedPattern::Save on the editor's pattern; after a save that succeeded, the
// notice of unpaired frames (once per save).
bool SavePattern(EditorState& state, HWND window, bool listSelected, bool saveAs);
// Asks whether to save a modified pattern; true when the caller may go on
// (nothing to save, "No", or a save that succeeded). Esc or the close box
// at the question means "go back to editing": false.
bool AskSaveChanges(EditorState& state, HWND window);

#endif
