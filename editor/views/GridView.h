// The grid's picture: every shown view composed into the off-screen drawing
// surface and copied to the grid window in one block, so that the LEDs do
// not flicker while drawing.
#ifndef LUMIGRID_EDITOR_GRIDVIEW_H
#define LUMIGRID_EDITOR_GRIDVIEW_H

#include <windows.h>

#include "editor/grid/GridLayout.h"

class PlaneView;
struct EditorState;
struct EditorWindows;

// The 680 x 480 surface, compatible with the window's screen.
void CreateSurface(EditorState& state, HWND window);
// Composes every shown view into the drawing surface.
void DrawViews(const EditorState& state, HDC surface);
// WM_PAINT: the part asked for composed (all of it in the start-up layout)
// and the surface copied to the window's paint context.
void PaintGrid(const EditorState& state, HDC windowDc, const RECT& asked);
// Asks for a repaint of the whole grid, without erasing.
void RepaintGrid(const EditorWindows& windows);
// Asks for a repaint of the cells from one corner to the other of a view;
// the whole grid in the start-up layout, which always paints it whole.
void RepaintCells(const EditorState& state, const PlaneView& view, Cell from, Cell to);

#endif
