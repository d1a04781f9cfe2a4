#include "editor/views/GridView.h"

#include "editor/app/EditorState.h"
#include "editor/views/ToolPreview.h"

void CreateSurface(EditorState& state, HWND window) {
    DrawingSurface& drawing = state.drawing;
    WindowDc windowDc(window);
    drawing.surface = MemoryDc(windowDc);
    drawing.bitmap = OwnedBitmap(CreateCompatibleBitmap(windowDc, SurfaceWidth, SurfaceHeight));
    drawing.keptSurfaceBitmap = SelectedObject(drawing.surface, drawing.bitmap);
}

void DrawViews(const EditorState& state, HDC surface) {
    RECT whole = {0, 0, state.drawing.width, state.drawing.height};
    FillRect(surface, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    std::uint8_t offset = state.transparent ? static_cast<std::uint8_t>(state.planeCount) : 0;
    for (int i = 0; i < state.planeCount; ++i) {
        if (i == state.targetPlane && DrawToolPreview(state, surface, offset)) continue;
        state.views[i].Draw(surface, i == state.targetPlane, offset);
    }
    DrawSelectionOutline(state, surface);
}

void PaintGrid(const EditorState& state, HDC windowDc, const RECT& asked) {
    HDC surface = state.drawing.surface;
    // Out of the start-up layout only the part asked for is composed; the
    // rest of the surface still holds what the window shows.
    if (!state.layout.startUp) IntersectClipRect(surface, asked.left, asked.top, asked.right, asked.bottom);
    DrawViews(state, surface);
    SelectClipRgn(surface, nullptr);
    BitBlt(windowDc, 0, 0, state.drawing.width, state.drawing.height, surface, 0, 0, SRCCOPY);
}

void RepaintGrid(const EditorWindows& windows) { InvalidateRect(windows.gridWindow, nullptr, FALSE); }

void RepaintCells(const EditorState& state, const PlaneView& view, Cell from, Cell to) {
    if (state.layout.startUp) {
        RepaintGrid(state.windows);
        return;
    }
    RECT first = view.CellBox(from), last = view.CellBox(to), both;
    UnionRect(&both, &first, &last);
    InvalidateRect(state.windows.gridWindow, &both, FALSE);
}
