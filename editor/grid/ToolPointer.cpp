#include "editor/grid/ToolPointer.h"

#include "drawing/EditModes.h"
#include "drawing/FloodFill.h"
#include "drawing/Shapes.h"
#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/document/EditRecording.h"
#include "editor/views/ToolPreview.h"

namespace {

typedef DrawingTools::Drag Drag;

const UINT MarchingInterval = 150;

EditMode Mode(const EditorState& state) { return static_cast<EditMode>(state.editMode); }

int FloorDivide(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

// The cell of the target view under a point, also beyond the view's edge,
// where a drag may go on.
GridCell CellUnder(const EditorState& state, int x, int y) {
    const PlaneView& view = state.TargetView();
    if (view.cellWidth <= 0 || view.cellHeight <= 0) return {-1, -1};
    return {FloorDivide(x - view.left, view.cellWidth), FloorDivide(y - view.top, view.cellHeight)};
}

void ApplyPen(EditorState& state, PlaneView& view, Cell cell) {
    LedPattern& pattern = *view.pattern;
    if (view.frameIndex < 0) return;
    std::uint32_t frame = static_cast<std::uint32_t>(view.frameIndex);
    ContinueStroke(state, frame);
    ApplyEditMode(pattern, frame, cell.column, cell.row, Mode(state));
}

void BeginDrag(EditorState& state, HWND window, Drag drag, GridCell cell, WPARAM keys) {
    DrawingTools& tools = state.tools;
    tools.drag = drag;
    tools.start = tools.current = cell;
    tools.constrained = (keys & MK_SHIFT) != 0;
    // Held, so that a drag beyond the window and its release still arrive.
    SetCapture(window);
}

void EndDrag(EditorState& state) {
    state.tools.drag = Drag::None;
    if (GetCapture() == state.windows.gridWindow) ReleaseCapture();
}

void ShowShapeSize(EditorState& state) {
    const DrawingTools& tools = state.tools;
    if (tools.drag != Drag::Shape) {
        RefreshShapeSize(state, 0, 0);
        return;
    }
    const ShapeSize size = ShapeSpan(ShapeOf(tools.tool), tools.start, tools.current, tools.constrained);
    RefreshShapeSize(state, size.columns, size.rows);
}

// The cells between two cells of the target view (a stroke's new segment).
void RepaintBetween(EditorState& state, GridCell from, GridCell to) {
    RefreshCells(state, state.TargetView(), {from.column, from.row}, {to.column, to.row});
}

CellMask DraggedShape(const EditorState& state) {
    return state.tools.DraggedShape(state.pattern->columns, state.pattern->rows);
}

void DropSelection(EditorState& state) {
    DrawingTools& tools = state.tools;
    if (tools.selection.IsFloating()) tools.selection.Drop(*state.pattern, tools.frame, Mode(state));
    tools.selection.Cancel();
    if (tools.floatingEdit) EndFrameEdit(state);
    tools.floatingEdit = false;
}

void PressSelect(EditorState& state, HWND window, GridCell cell, std::uint32_t frame, bool onCells, WPARAM keys) {
    DrawingTools& tools = state.tools;
    Selection& selection = tools.selection;
    LedPattern& pattern = *state.pattern;
    if (selection.IsActive() && tools.frame == frame && selection.Area().Contains(cell)) {
        if (!selection.IsFloating()) {
            BeginFrameEdit(state, frame);
            tools.floatingEdit = true;
            selection.Lift(pattern, frame);
        }
        tools.grab = {cell.column - selection.Area().left, cell.row - selection.Area().top};
        BeginDrag(state, window, Drag::Moving, cell, keys);
        return;
    }
    // A press elsewhere lets the selection go; a drag from it marks anew.
    tools.clickLetGo = selection.IsActive();
    DropSelection(state);
    if (!onCells) return;
    tools.frame = frame;
    BeginDrag(state, window, Drag::Marking, cell, keys);
    if (!tools.clickLetGo) selection.Select(cell, cell, pattern.columns, pattern.rows);
}

void FillAt(EditorState& state, std::uint32_t frame, GridCell cell) {
    LedPattern& pattern = *state.pattern;
    BeginFrameEdit(state, frame);
    ApplyEditMode(pattern, frame, FillRegion(pattern, frame, cell), Mode(state));
    EndFrameEdit(state);
}

void EndToolStroke(EditorState& state) {
    state.tools.stroke.End();
    EndFrameEdit(state);
}

}  // namespace

void PutPenDown(EditorState& state) {
    state.penDown = 1;
    state.lastCell = NoCell;
}

void MovePen(EditorState& state, int x, int y) {
    if (!state.penDown) return;
    PlaneView& view = state.TargetView();
    Cell cell = view.HitTest(x, y);
    if (cell == state.lastCell) return;
    if (cell.IsNone()) {
        state.lastCell = NoCell;
        return;
    }
    ApplyPen(state, view, cell);
    RefreshCells(state, view, cell, cell);
    state.lastCell = cell;
}

void LiftPen(EditorState& state) {
    state.penDown = 0;
    EndStroke(state);
}

void ToolPointerDown(EditorState& state, HWND window, int x, int y, WPARAM keys) {
    DrawingTools& tools = state.tools;
    LedPattern& pattern = *state.pattern;
    std::uint32_t frame;
    const bool onCells = !state.TargetView().HitTest(x, y).IsNone();
    const GridCell cell = CellUnder(state, x, y);
    if (!state.TargetFrame(frame)) return;
    switch (GestureOf(tools.tool)) {
    case ToolGesture::Pen:
        return;
    case ToolGesture::Stroke:
        if (!onCells) return;
        tools.frame = frame;
        BeginFrameEdit(state, frame);
        tools.stroke.Begin(pattern.columns, pattern.rows);
        BeginDrag(state, window, Drag::Stroke, cell, keys);
        tools.stroke.DrawTo(pattern, frame, cell, Mode(state));
        RepaintBetween(state, cell, cell);
        return;
    case ToolGesture::Shape:
        if (!onCells) return;
        tools.frame = frame;
        BeginDrag(state, window, Drag::Shape, cell, keys);
        ShowShapeSize(state);
        break;
    case ToolGesture::Fill:
        if (onCells) FillAt(state, frame, cell);
        break;
    case ToolGesture::SelectArea:
        PressSelect(state, window, cell, frame, onCells, keys);
        SetToolCursor(state, window);
        UpdateMarching(state);
        break;
    }
    Refresh(state, RefreshPart::Grid);
}

bool ToolPointerMove(EditorState& state, int x, int y, WPARAM keys) {
    DrawingTools& tools = state.tools;
    if (tools.drag == Drag::None) return false;
    const GridCell cell = CellUnder(state, x, y);
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
        if (tools.stroke.DrawTo(*state.pattern, tools.frame, cell, Mode(state))) RepaintBetween(state, previous, cell);
        return true;
    case Drag::Shape:
        ShowShapeSize(state);
        break;
    case Drag::Marking:
        tools.selection.Select(tools.start, cell, state.pattern->columns, state.pattern->rows);
        UpdateMarching(state);
        break;
    case Drag::Moving:
        tools.selection.MoveTo(cell.column - tools.grab.column, cell.row - tools.grab.row);
        break;
    }
    Refresh(state, RefreshPart::Grid);
    return true;
}

void ToolPointerUp(EditorState& state, int x, int y, WPARAM keys) {
    DrawingTools& tools = state.tools;
    if (tools.drag == Drag::None) return;
    ToolPointerMove(state, x, y, keys);
    switch (tools.drag) {
    case Drag::Stroke:
        EndToolStroke(state);
        break;
    case Drag::Shape:
        BeginFrameEdit(state, tools.frame);
        ApplyEditMode(*state.pattern, tools.frame, DraggedShape(state), Mode(state));
        EndFrameEdit(state);
        break;
    case Drag::Marking:
        // A click that let a selection go selects nothing new.
        if (tools.clickLetGo && tools.start == tools.current) tools.selection.Cancel();
        break;
    default:
        break;
    }
    EndDrag(state);
    ShowShapeSize(state);
    UpdateMarching(state);
    Refresh(state, RefreshPart::Grid);
}

void ToolPointerLost(EditorState& state) {
    DrawingTools& tools = state.tools;
    if (tools.drag == Drag::None) return;
    // A stroke keeps what it drew; a shape not released is not drawn.
    if (tools.drag == Drag::Stroke) EndToolStroke(state);
    tools.drag = Drag::None;
    ShowShapeSize(state);
    Refresh(state, RefreshPart::Grid);
}

bool SetToolCursor(const EditorState& state, HWND window) {
    const DrawingTools& tools = state.tools;
    if (tools.tool == Tool::Pencil) return false;
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
    const bool overSelection = tools.selection.IsActive() && state.ShowsToolFrame() &&
                               tools.selection.Area().Contains(CellUnder(state, pointer.x, pointer.y));
    const bool hand = tools.tool == Tool::Select && (tools.drag == Drag::Moving || (tools.drag == Drag::None && overSelection));
    SetCursor(LoadCursorW(nullptr, hand ? IDC_HAND : IDC_CROSS));
    return true;
}

void OnMarchingTimer(EditorState& state) {
    state.tools.marchingStep = (state.tools.marchingStep + 1) % (2 * DashLength);
    Refresh(state, RefreshPart::Grid);
}

void FinishToolWork(EditorState& state, bool keepSelection) {
    DrawingTools& tools = state.tools;
    if (tools.drag == Drag::Stroke) EndToolStroke(state);
    const bool busy = tools.drag != Drag::None || (!keepSelection && tools.selection.IsActive());
    EndDrag(state);
    ShowShapeSize(state);
    if (!keepSelection) DropSelection(state);
    UpdateMarching(state);
    if (busy) Refresh(state, RefreshPart::Grid);
}

GridCell FirstVisibleCell(const EditorState& state) {
    const PlaneView& view = state.TargetView();
    GridCell cell = CellUnder(state, view.cellWidth - 1, view.cellHeight - 1);
    if (cell.column < 0) cell.column = 0;
    if (cell.row < 0) cell.row = 0;
    return cell;
}

void UpdateMarching(const EditorState& state) {
    HWND gridWindow = state.windows.gridWindow;
    if (!gridWindow) return;
    if (state.tools.selection.IsActive())
        SetTimer(gridWindow, MarchingTimer, MarchingInterval, nullptr);
    else
        KillTimer(gridWindow, MarchingTimer);
}
