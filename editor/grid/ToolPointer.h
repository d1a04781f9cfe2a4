// The drawing tools on the grid: presses, drags and releases of the left
// button turned into calls of the drawing core, the preview while dragging,
// the selection's moving outline, the cursor and the shape's size.
// The pencil keeps the grid window's own pen; every other tool comes here.
#ifndef LUMIGRID_EDITOR_TOOLPOINTER_H
#define LUMIGRID_EDITOR_TOOLPOINTER_H

#include <windows.h>

#include <cstdint>

#include "drawing/CellMask.h"

// The grid window's timer that moves the selection's outline.
const UINT_PTR MarchingTimer = 1;

// Mouse messages of the grid window, in client pixels; keys are the
// message's MK_ flags. The move is false when no tool drag is under way.
void ToolPointerDown(HWND window, int x, int y, WPARAM keys);
bool ToolPointerMove(int x, int y, WPARAM keys);
void ToolPointerUp(int x, int y, WPARAM keys);
// The capture was taken away (another window, a dialog): the drag ends.
void ToolPointerLost();
// WM_SETCURSOR in the client area: true when the tool set the cursor.
bool SetToolCursor(HWND window);
void OnMarchingTimer();

// Paint: the target view as the tool under way would leave it (false when
// nothing is under way), and the selection's outline over the views.
bool DrawToolPreview(HDC surface, std::uint8_t previousPageOffset);
void DrawSelectionOutline(HDC surface);

// Ends what the tools have under way before another command acts: a drag is
// cancelled, a stroke ended, a floating selection dropped into the frame,
// a selection let go. keepSelection keeps the selection (and what floats).
void FinishToolWork(bool keepSelection = false);
// Starts or stops the outline's timer as a selection exists or not.
void UpdateMarching();
// The top-left cell of the target view wholly in sight, where a paste goes.
GridCell FirstVisibleCell();

#endif
