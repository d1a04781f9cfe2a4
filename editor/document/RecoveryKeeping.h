// Keeping a copy of unsaved work: while the pattern has unsaved changes, the
// editor writes it to its own recovery file (RecoveryFile.h) every
// RecoveryInterval, and only when it changed since the last copy. A save, a
// "No" at the save question and a clean exit remove the file. A copy that
// cannot be written interrupts nobody: the status bar says so, quietly.
#ifndef LUMIGRID_EDITOR_RECOVERYKEEPING_H
#define LUMIGRID_EDITOR_RECOVERYKEEPING_H

#include <windows.h>

#include <string>

#include "pattern/files/RecoveryFile.h"

struct EditorState;

// The main window's timer of the copies, and how often it fires.
const UINT_PTR RecoveryTimer = 2;
const UINT RecoveryInterval = 30 * 1000;

// The folder of recovery files: %LOCALAPPDATA%\Lumigrid\Recovery, unless
// another was set for this process.
std::string RecoveryFolder();
void UseRecoveryFolder(const std::string& folder);

// This editor, and whether the editor a file belongs to is still running.
RecoveryOwner ThisEditor();
bool EditorRunning(const RecoveryOwner& owner);

// Names this editor's file and starts the timer; at start-up.
void StartKeepingWork(EditorState& state);
// The timer: a copy when the pattern has changed since the last one.
void OnRecoveryTimer(EditorState& state);
// Writes the copy now; false when it could not be written.
bool KeepWorkNow(EditorState& state);
// The copy is no longer needed: saved, discarded or closed cleanly.
void RemoveRecoveryFile(EditorState& state);

#endif
