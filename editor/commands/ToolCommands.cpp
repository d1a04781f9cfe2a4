#include "editor/commands/ToolCommands.h"

#include "drawing/FlipRotate.h"
#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/document/EditRecording.h"
#include "editor/grid/ToolPointer.h"
#include "editor/views/MenuMarks.h"
#include "resources/resource.h"

bool KeepsSelection(UINT command) {
    switch (command) {
    case IDM_EDIT_COPY:
    case IDM_EDIT_XOR_MODE:
    case IDM_EDIT_OR_MODE:
    case IDM_EDIT_ERASE_MODE:
    case IDM_VIEW_TRANSPARENT:
    case IDM_VIEW_ZOOM_IN:
    case IDM_VIEW_ZOOM_OUT:
    case IDM_VIEW_FIT_TO_WINDOW:
    case IDM_VIEW_STATUS_BAR:
    case IDM_TOOLS_SELECT:
    case IDM_TOOLS_FLIP_HORIZONTAL:
    case IDM_TOOLS_FLIP_VERTICAL:
    case IDM_TOOLS_ROTATE_CLOCKWISE:
    case IDM_TOOLS_ROTATE_ANTICLOCKWISE:
    case IDM_TOOLS_CLEAR_SELECTION:
        return true;
    default:
        return false;
    }
}

void OnToolsChooseTool(EditorState& state, UINT command) {
    // A pen stroke under way ends with the pencil, and lets the mouse go.
    if (state.penDown) {
        LiftPen(state);
        if (GetCapture() == state.windows.gridWindow) ReleaseCapture();
    }
    FinishToolWork(state, command == IDM_TOOLS_SELECT);
    state.tools.tool = ToolAt(static_cast<int>(command - IDM_TOOLS_PENCIL));
    MarkMenuRadio(state.windows.menu, IDM_TOOLS_PENCIL, IDM_TOOLS_SELECT, command);
}

// Each as one step (a floating selection's is part of its move or paste).
void OnToolsTurn(EditorState& state, UINT command) {
    static const Turn turns[] = {Turn::FlipHorizontal, Turn::FlipVertical, Turn::RotateClockwise,
                                 Turn::RotateAnticlockwise};
    const Turn turn = turns[command - IDM_TOOLS_FLIP_HORIZONTAL];
    DrawingTools& tools = state.tools;
    if (tools.selection.IsFloating()) {
        tools.selection.TurnContent(*state.pattern, tools.frame, turn);
    } else if (tools.selection.IsActive()) {
        BeginFrameEdit(state, tools.frame);
        tools.selection.TurnContent(*state.pattern, tools.frame, turn);
        EndFrameEdit(state);
    } else {
        const std::uint32_t frame = state.EditedFrame();
        BeginFrameEdit(state, frame);
        TurnFrame(*state.pattern, frame, turn);
        EndFrameEdit(state);
    }
    UpdateMarching(state);
    Refresh(state, RefreshPart::Grid);
}

void OnToolsSelectAll(EditorState& state) {
    if (state.tools.tool != Tool::Select) OnToolsChooseTool(state, IDM_TOOLS_SELECT);
    std::uint32_t frame;
    if (!state.TargetFrame(frame)) return;
    const LedPattern& pattern = *state.pattern;
    state.tools.frame = frame;
    state.tools.selection.Select({0, 0}, {pattern.columns - 1, pattern.rows - 1}, pattern.columns, pattern.rows);
    UpdateMarching(state);
    Refresh(state, RefreshPart::Grid);
}

void OnToolsClearSelection(EditorState& state) {
    DrawingTools& tools = state.tools;
    if (!tools.selection.IsActive()) return;
    // Thrown away floating, the move or paste ends as what was lifted.
    if (!tools.floatingEdit) BeginFrameEdit(state, tools.frame);
    tools.selection.Delete(*state.pattern, tools.frame);
    tools.floatingEdit = false;
    EndFrameEdit(state);
    UpdateMarching(state);
    Refresh(state, RefreshPart::Grid);
}

void OnToolsDropSelection(EditorState&) {}

bool CopySelection(EditorState& state) {
    DrawingTools& tools = state.tools;
    if (!tools.selection.IsActive()) {
        tools.copiedCells = CellBlock();
        return false;
    }
    tools.copiedCells = tools.selection.Copy(*state.pattern, tools.frame);
    state.clipboard.reset();
    return true;
}

bool PasteCopiedCells(EditorState& state) {
    DrawingTools& tools = state.tools;
    const std::uint32_t frame = state.EditedFrame();
    if (tools.copiedCells.IsEmpty()) return false;
    if (frame >= state.pattern->frameCount) return true;
    if (tools.tool != Tool::Select) OnToolsChooseTool(state, IDM_TOOLS_SELECT);
    // The floating cells are part of the frame's edit until they are dropped.
    BeginFrameEdit(state, frame);
    tools.floatingEdit = true;
    tools.frame = frame;
    const GridCell corner = FirstVisibleCell(state);
    tools.selection.Float(tools.copiedCells, corner.column, corner.row);
    UpdateMarching(state);
    Refresh(state, RefreshPart::Grid);
    return true;
}

bool HasClipboard(const EditorState& state) { return state.clipboard || !state.tools.copiedCells.IsEmpty(); }
