#include "editor/grid/ToolPointer.h"

#include "drawing/EditModes.h"
#include "drawing/FloodFill.h"
#include "drawing/Shapes.h"
#include "editor/app/EditorState.h"
#include "editor/commands/UndoCommands.h"
#include "editor/grid/GridWindow.h"
#include "editor/views/StatusBar.h"

namespace {

typedef DrawingTools::Drag Drag;

// The outline's dashes: this many pixels dark, as many light, moving on by
// one pixel a tick.
const int DashLength = 4;
const UINT MarchingInterval = 150;

DrawingTools& Tools() { return editor.tools; }
LedPattern& Pattern() { return *editor.pattern; }
EditMode Mode() { return static_cast<EditMode>(editor.editMode); }

int FloorDivide(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

// The cell of the target view under a point, also beyond the view's edge,
// where a drag may go on.
GridCell CellUnder(int x, int y) {
    const PlaneView& view = editor.TargetView();
    if (view.cellWidth <= 0 || view.cellHeight <= 0) return {-1, -1};
    return {FloorDivide(x - view.left, view.cellWidth), FloorDivide(y - view.top, view.cellHeight)};
}

// The target view's frame, when it is one of the pattern's.
bool EditableFrame(std::uint32_t& frame) {
    const int index = editor.TargetView().frameIndex;
    if (index < 0 || static_cast<std::uint32_t>(index) >= Pattern().frameCount) return false;
    frame = static_cast<std::uint32_t>(index);
    return true;
}

bool ShowsToolFrame() {
    std::uint32_t frame;
    return EditableFrame(frame) && frame == Tools().frame;
}

void BeginDrag(HWND window, Drag drag, GridCell cell, WPARAM keys) {
    DrawingTools& tools = Tools();
    tools.drag = drag;
    tools.start = tools.current = cell;
    tools.constrained = (keys & MK_SHIFT) != 0;
    // Held, so that a drag beyond the window and its release still arrive.
    SetCapture(window);
}

void EndDrag() {
    Tools().drag = Drag::None;
    if (GetCapture() == editor.gridWindow) ReleaseCapture();
}

void ShowShapeSize() {
    const DrawingTools& tools = Tools();
    if (tools.drag != Drag::Shape) {
        ShowShapeSizeInStatusBar(0, 0);
        return;
    }
    const ShapeSize size = ShapeSpan(ShapeOf(tools.tool), tools.start, tools.current, tools.constrained);
    ShowShapeSizeInStatusBar(size.columns, size.rows);
}

// The cells between two cells of the target view (a stroke's new segment).
void RepaintBetween(GridCell from, GridCell to) {
    RepaintCells(editor.TargetView(), {from.column, from.row}, {to.column, to.row});
}

CellMask DraggedShape() {
    const DrawingTools& tools = Tools();
    return ShapeCells(ShapeOf(tools.tool), Pattern().columns, Pattern().rows, tools.start, tools.current,
                      tools.constrained);
}

void DropSelection() {
    DrawingTools& tools = Tools();
    if (tools.selection.IsFloating()) tools.selection.Drop(Pattern(), tools.frame, Mode());
    tools.selection.Cancel();
    if (tools.floatingEdit) EndFrameEdit();
    tools.floatingEdit = false;
}

void PressSelect(HWND window, GridCell cell, std::uint32_t frame, bool onCells, WPARAM keys) {
    DrawingTools& tools = Tools();
    Selection& selection = tools.selection;
    if (selection.IsActive() && tools.frame == frame && selection.Area().Contains(cell)) {
        if (!selection.IsFloating()) {
            BeginFrameEdit(frame);
            tools.floatingEdit = true;
            selection.Lift(Pattern(), frame);
        }
        tools.grab = {cell.column - selection.Area().left, cell.row - selection.Area().top};
        BeginDrag(window, Drag::Moving, cell, keys);
        return;
    }
    // A press elsewhere lets the selection go; a drag from it marks anew.
    tools.clickLetGo = selection.IsActive();
    DropSelection();
    if (!onCells) return;
    tools.frame = frame;
    BeginDrag(window, Drag::Marking, cell, keys);
    if (!tools.clickLetGo) selection.Select(cell, cell, Pattern().columns, Pattern().rows);
}

void FillAt(std::uint32_t frame, GridCell cell) {
    BeginFrameEdit(frame);
    ApplyEditMode(Pattern(), frame, FillRegion(Pattern(), frame, cell), Mode());
    EndFrameEdit();
}

// Draws the run first .. last (pixels along one side of the outline) in the
// dash pattern; distance is how far along the outline the run begins.
void DrawDashes(HDC dc, int distance, POINT from, int dx, int dy, int length, HPEN dark, HPEN light) {
    int t = 0;
    while (t < length) {
        const int phase = (distance + t + 2 * DashLength - Tools().marchingStep % (2 * DashLength)) % (2 * DashLength);
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

void ToolPointerDown(HWND window, int x, int y, WPARAM keys) {
    DrawingTools& tools = Tools();
    std::uint32_t frame;
    const bool onCells = !editor.TargetView().HitTest(x, y).IsNone();
    const GridCell cell = CellUnder(x, y);
    if (!EditableFrame(frame)) return;
    switch (GestureOf(tools.tool)) {
    case ToolGesture::Pen:
        return;
    case ToolGesture::Stroke:
        if (!onCells) return;
        tools.frame = frame;
        BeginFrameEdit(frame);
        tools.stroke.Begin(Pattern().columns, Pattern().rows);
        BeginDrag(window, Drag::Stroke, cell, keys);
        tools.stroke.DrawTo(Pattern(), frame, cell, Mode());
        RepaintBetween(cell, cell);
        return;
    case ToolGesture::Shape:
        if (!onCells) return;
        tools.frame = frame;
        BeginDrag(window, Drag::Shape, cell, keys);
        ShowShapeSize();
        break;
    case ToolGesture::Fill:
        if (onCells) FillAt(frame, cell);
        break;
    case ToolGesture::SelectArea:
        PressSelect(window, cell, frame, onCells, keys);
        SetToolCursor(window);
        UpdateMarching();
        break;
    }
    RepaintGrid();
}

bool ToolPointerMove(int x, int y, WPARAM keys) {
    DrawingTools& tools = Tools();
    if (tools.drag == Drag::None) return false;
    const GridCell cell = CellUnder(x, y);
    const bool constrained = (keys & MK_SHIFT) != 0;
    if (cell == tools.current && constrained == tools.constrained) return true;
    const GridCell previous = tools.current;
    tools.current = cell;
    tools.constrained = constrained;
    switch (tools.drag) {
    case Drag::None:
        break;
    case Drag::Stroke:
        // Only the new segment's cells need painting.
        if (tools.stroke.DrawTo(Pattern(), tools.frame, cell, Mode())) RepaintBetween(previous, cell);
        return true;
    case Drag::Shape:
        ShowShapeSize();
        break;
    case Drag::Marking:
        tools.selection.Select(tools.start, cell, Pattern().columns, Pattern().rows);
        UpdateMarching();
        break;
    case Drag::Moving:
        tools.selection.MoveTo(cell.column - tools.grab.column, cell.row - tools.grab.row);
        break;
    }
    RepaintGrid();
    return true;
}

void ToolPointerUp(int x, int y, WPARAM keys) {
    DrawingTools& tools = Tools();
    if (tools.drag == Drag::None) return;
    ToolPointerMove(x, y, keys);
    switch (tools.drag) {
    case Drag::Stroke:
        tools.stroke.End();
        EndFrameEdit();
        break;
    case Drag::Shape:
        BeginFrameEdit(tools.frame);
        ApplyEditMode(Pattern(), tools.frame, DraggedShape(), Mode());
        EndFrameEdit();
        break;
    case Drag::Marking:
        // A click that let a selection go selects nothing new.
        if (tools.clickLetGo && tools.start == tools.current) tools.selection.Cancel();
        break;
    default:
        break;
    }
    EndDrag();
    ShowShapeSize();
    UpdateMarching();
    RepaintGrid();
}

void ToolPointerLost() {
    DrawingTools& tools = Tools();
    if (tools.drag == Drag::None) return;
    // A stroke keeps what it drew; a shape not released is not drawn.
    if (tools.drag == Drag::Stroke) {
        tools.stroke.End();
        EndFrameEdit();
    }
    tools.drag = Drag::None;
    ShowShapeSize();
    RepaintGrid();
}

bool SetToolCursor(HWND window) {
    const DrawingTools& tools = Tools();
    if (tools.tool == Tool::Pencil) return false;
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
    const bool overSelection = tools.selection.IsActive() && ShowsToolFrame() &&
                               tools.selection.Area().Contains(CellUnder(pointer.x, pointer.y));
    const bool hand = tools.tool == Tool::Select && (tools.drag == Drag::Moving || (tools.drag == Drag::None && overSelection));
    SetCursor(LoadCursorW(nullptr, hand ? IDC_HAND : IDC_CROSS));
    return true;
}

void OnMarchingTimer() {
    Tools().marchingStep = (Tools().marchingStep + 1) % (2 * DashLength);
    RepaintGrid();
}

bool DrawToolPreview(HDC surface, std::uint8_t previousPageOffset) {
    const DrawingTools& tools = Tools();
    const bool shape = tools.drag == Drag::Shape;
    if ((!shape && !tools.selection.IsFloating()) || !ShowsToolFrame()) return false;
    const LedPattern& pattern = Pattern();
    const PlaneView& view = editor.TargetView();
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
    if (shape) ApplyEditMode(preview, shown, DraggedShape(), Mode());
    tools.selection.StampInto(preview, shown, Mode());
    PlaneView previewView = view;
    previewView.pattern = &preview;
    previewView.frameIndex = static_cast<int>(shown);
    previewView.Draw(surface, true, behind ? previousPageOffset : 0);
    return true;
}

void DrawSelectionOutline(HDC surface) {
    const DrawingTools& tools = Tools();
    if (!tools.selection.IsActive() || !ShowsToolFrame()) return;
    const PlaneView& view = editor.TargetView();
    const CellArea& area = tools.selection.Area();
    // On the grid lines around the area, two pixels wide inwards; a part
    // floating beyond the frame is not drawn.
    const int left = view.left + area.left * view.cellWidth, top = view.top + area.top * view.cellHeight;
    const int width = area.columns * view.cellWidth, height = area.rows * view.cellHeight;
    const int saved = SaveDC(surface);
    IntersectClipRect(surface, view.left, view.top, view.right + 1, view.bottom + 1);
    HPEN dark = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN light = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    for (int inset = 0; inset < 2; ++inset) {
        const int x0 = left + inset, y0 = top + inset, w = width - 2 * inset, h = height - 2 * inset;
        if (w <= 0 || h <= 0) break;
        // Clockwise from the top-left corner, so that the dashes run round.
        DrawDashes(surface, 0, {x0, y0}, 1, 0, w, dark, light);
        DrawDashes(surface, w, {x0 + w, y0}, 0, 1, h, dark, light);
        DrawDashes(surface, w + h, {x0 + w, y0 + h}, -1, 0, w, dark, light);
        DrawDashes(surface, 2 * w + h, {x0, y0 + h}, 0, -1, h, dark, light);
    }
    RestoreDC(surface, saved);
    DeleteObject(dark);
    DeleteObject(light);
}

void FinishToolWork(bool keepSelection) {
    DrawingTools& tools = Tools();
    if (tools.drag == Drag::Stroke) {
        tools.stroke.End();
        EndFrameEdit();
    }
    const bool busy = tools.drag != Drag::None || (!keepSelection && tools.selection.IsActive());
    EndDrag();
    ShowShapeSize();
    if (!keepSelection) DropSelection();
    UpdateMarching();
    if (busy) RepaintGrid();
}

GridCell FirstVisibleCell() {
    const PlaneView& view = editor.TargetView();
    GridCell cell = CellUnder(view.cellWidth - 1, view.cellHeight - 1);
    if (cell.column < 0) cell.column = 0;
    if (cell.row < 0) cell.row = 0;
    return cell;
}

void UpdateMarching() {
    if (!editor.gridWindow) return;
    if (Tools().selection.IsActive())
        SetTimer(editor.gridWindow, MarchingTimer, MarchingInterval, nullptr);
    else
        KillTimer(editor.gridWindow, MarchingTimer);
}
