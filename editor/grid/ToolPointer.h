// The left button on the grid: the pencil's pen, and the presses, drags and
// releases of the other tools turned into calls of the drawing core; the
// selection's moving outline, the cursor and the size of the shape being
// dragged.
#ifndef LUMIGRID_EDITOR_TOOLPOINTER_H
#define LUMIGRID_EDITOR_TOOLPOINTER_H

#include <windows.h>

#include "drawing/CellMask.h"

struct EditorState;

// The grid window's timer that moves the selection's outline.
const UINT_PTR MarchingTimer = 1;

// The pencil: a press puts the pen down (the press's own move then edits
// the cell under it), a move over the target view's cells applies the edit
// mode once per cell entered, a release or a lost capture lifts it.
void PutPenDown(EditorState& state);
void MovePen(EditorState& state, int x, int y);
void LiftPen(EditorState& state);

// Mouse messages of the grid window for the other tools, in client pixels;
// keys are the message's MK_ flags. The move is false when no tool drag is
// under way.
void ToolPointerDown(EditorState& state, HWND window, int x, int y, WPARAM keys);
bool ToolPointerMove(EditorState& state, int x, int y, WPARAM keys);
void ToolPointerUp(EditorState& state, int x, int y, WPARAM keys);
// The capture was taken away (another window, a dialog): the drag ends.
void ToolPointerLost(EditorState& state);
// WM_SETCURSOR in the client area: true when the tool set the cursor.
bool SetToolCursor(const EditorState& state, HWND window);
void OnMarchingTimer(EditorState& state);

// Ends what the tools have under way before another command acts, or the
// page changes: a drag is cancelled, a stroke ended, a floating selection
// dropped into the frame, a selection let go. keepSelection keeps the
// selection (and what floats).
void FinishToolWork(EditorState& state, bool keepSelection = false);
// Starts or stops the outline's timer as a selection exists or not.
void UpdateMarching(const EditorState& state);
// The top-left cell of the target view wholly in sight, where a paste goes.
GridCell FirstVisibleCell(const EditorState& state);

#endif
