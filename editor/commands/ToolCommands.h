// The commands of the "&Tools" menu and of the selection's keys, and the
// selection's part in Edit > Copy and Paste.
#ifndef LUMIGRID_EDITOR_TOOLCOMMANDS_H
#define LUMIGRID_EDITOR_TOOLCOMMANDS_H

#include <windows.h>

struct EditorState;

// True for the commands that act on the selection and so must find it as it
// is; every other command lets it go first (FinishToolWork).
bool KeepsSelection(UINT command);
// "&Pencil" .. "&Select": the tool the left button draws with.
void OnToolsChooseTool(EditorState& state, UINT command);
// "Flip &Horizontal" .. "Rotate &Anticlockwise": the selection's cells, or
// the edited frame without a selection.
void OnToolsTurn(EditorState& state, UINT command);
// "Select A&ll" (Ctrl+A): the Select tool, with the whole edited frame selected.
void OnToolsSelectAll(EditorState& state);
// Delete: the selection's cells cleared.
void OnToolsClearSelection(EditorState& state);
// Esc and Enter: the selection let go, as every command but its own has
// done already.
void OnToolsDropSelection(EditorState& state);

// With a selection: copies its cells and returns true. Without: false, for
// the whole-frame Copy.
bool CopySelection(EditorState& state);
// When the last Copy was of a selection: pastes its cells as a floating
// selection at the top-left of the visible part, and returns true.
bool PasteCopiedCells(EditorState& state);
// Whether Paste has anything to paste.
bool HasClipboard(const EditorState& state);

#endif
