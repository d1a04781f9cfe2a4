// The commands of the "&Tools" menu and of the selection's keys, and the
// selection's part in Edit > Copy and Paste.
#ifndef LUMIGRID_EDITOR_TOOLCOMMANDS_H
#define LUMIGRID_EDITOR_TOOLCOMMANDS_H

#include <windows.h>

// True for the commands that act on the selection and so must find it as it
// is; every other command lets it go first (FinishToolWork).
bool KeepsSelection(UINT command);
// A Tools menu command or a selection key; false for any other command.
bool OnToolCommand(UINT command);
// With a selection: copies its cells and returns true. Without: false, for
// the whole-frame Copy.
bool CopySelection();
// When the last Copy was of a selection: pastes its cells as a floating
// selection at the top-left of the visible part, and returns true.
bool PasteCopiedCells();
// Whether Paste has anything to paste.
bool HasClipboard();

#endif
