#include "editor/views/ToolPreview.h"

#include "editor/app/EditorState.h"

namespace {

// Draws a run of pixels along one side of the outline in the dash pattern;
// distance is how far along the outline the run begins.
void DrawDashes(HDC dc, int step, int distance, POINT from, int dx, int dy, int length, HPEN dark, HPEN light) {
    int t = 0;
    while (t < length) {
        const int phase = (distance + t + 2 * DashLength - step % (2 * DashLength)) % (2 * DashLength);
        const bool isDark = phase < DashLength;
        int run = (isDark ? DashLength : 2 * DashLength) - phase;
        if (run > length - t) run = length - t;
        SelectObject(dc, isDark ? dark : light);
        MoveToEx(dc, from.x + dx * t, from.y + dy * t, nullptr);
        LineTo(dc, from.x + dx * (t + run), from.y + dy * (t + run));
        t += run;
    }
}

}  // namespace

bool DrawToolPreview(const EditorState& state, HDC surface, std::uint8_t previousPageOffset) {
    const DrawingTools& tools = state.tools;
    const bool shape = tools.drag == DrawingTools::Drag::Shape;
    if ((!shape && !tools.selection.IsFloating()) || !state.ShowsToolFrame()) return false;
    const LedPattern& pattern = *state.pattern;
    const EditMode mode = static_cast<EditMode>(state.editMode);
    // A pattern of the frame, and of the frame dimmed behind it when there
    // is one, drawn by the view as it draws the pattern's own.
    const std::uint32_t frame = tools.frame;
    const bool behind = previousPageOffset && frame >= previousPageOffset;
    const std::uint32_t shown = behind ? previousPageOffset : 0;
    LedPattern preview;
    preview.Create(pattern.columns, pattern.rows);
    preview.SetFrameCount(shown + 1);
    if (preview.frameCount != shown + 1) return false;
    if (behind) preview.PasteFrame(0, pattern.Frame(frame - previousPageOffset));
    preview.PasteFrame(shown, pattern.Frame(frame));
    if (shape) ApplyEditMode(preview, shown, tools.DraggedShape(pattern.columns, pattern.rows), mode);
    tools.selection.StampInto(preview, shown, mode);
    PlaneView previewView = state.TargetView();
    previewView.pattern = &preview;
    previewView.frameIndex = static_cast<int>(shown);
    previewView.Draw(surface, true, behind ? previousPageOffset : 0);
    return true;
}

void DrawSelectionOutline(const EditorState& state, HDC surface) {
    const DrawingTools& tools = state.tools;
    if (!tools.selection.IsActive() || !state.ShowsToolFrame()) return;
    const PlaneView& view = state.TargetView();
    const CellArea& area = tools.selection.Area();
    // Two pixels wide, on the grid line around the area and just outside
    // it, so that it shows however small the cells and the area are; a part
    // floating beyond the frame is not drawn.
    const int left = view.left + area.left * view.cellWidth, top = view.top + area.top * view.cellHeight;
    const int width = area.columns * view.cellWidth, height = area.rows * view.cellHeight;
    OwnedPen dark(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    OwnedPen light(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    const int saved = SaveDC(surface);
    IntersectClipRect(surface, view.left - 1, view.top - 1, view.right + 2, view.bottom + 2);
    const int step = tools.marchingStep;
    for (int inset = -1; inset < 1; ++inset) {
        const int x0 = left + inset, y0 = top + inset, w = width - 2 * inset, h = height - 2 * inset;
        if (w <= 0 || h <= 0) break;
        // Clockwise from the top-left corner, so that the dashes run round.
        DrawDashes(surface, step, 0, {x0, y0}, 1, 0, w, dark, light);
        DrawDashes(surface, step, w, {x0 + w, y0}, 0, 1, h, dark, light);
        DrawDashes(surface, step, w + h, {x0 + w, y0 + h}, -1, 0, w, dark, light);
        DrawDashes(surface, step, 2 * w + h, {x0, y0 + h}, 0, -1, h, dark, light);
    }
    // Before the pens go: the surface lets go of them.
    RestoreDC(surface, saved);
}
