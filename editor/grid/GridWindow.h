// The LED grid window: paints the views and turns the mouse into pen edits
// on the target view.
#ifndef LUMIGRID_EDITOR_GRIDWINDOW_H
#define LUMIGRID_EDITOR_GRIDWINDOW_H

#include <windows.h>

#include "editor/views/PlaneView.h"

LRESULT CALLBACK GridWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Composes every shown view into the drawing surface.
void DrawViews(HDC surface);
// Asks for a repaint of the whole grid, without erasing (no flicker).
void RepaintGrid();
// Asks for a repaint of the cells from one corner to the other of a view;
// the whole grid in the start-up layout, which always paints it whole.
void RepaintCells(const PlaneView& view, Cell from, Cell to);

#endif
