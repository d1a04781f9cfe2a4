#include "editor/commands/ToolCommands.h"

#include "drawing/FlipRotate.h"
#include "editor/app/EditorState.h"
#include "editor/commands/FrameCommands.h"
#include "editor/commands/UndoCommands.h"
#include "editor/grid/GridWindow.h"
#include "editor/grid/ToolPointer.h"
#include "resources/resource.h"

namespace {

DrawingTools& Tools() { return editor.tools; }

void ChooseTool(UINT command) {
    // A pen stroke under way ends with the pencil, and lets the mouse go.
    if (editor.penDown) {
        editor.penDown = 0;
        EndStroke();
        if (GetCapture() == editor.gridWindow) ReleaseCapture();
    }
    FinishToolWork(command == IDM_TOOLS_SELECT);
    Tools().tool = ToolAt(static_cast<int>(command - IDM_TOOLS_PENCIL));
    editor.MarkMenuRadio(IDM_TOOLS_PENCIL, IDM_TOOLS_SELECT, command);
}

// Flips and turns: the selection's cells when there is a selection, else
// the edited frame, each as one step (a floating selection's is part of its
// move or paste).
void TurnCommand(UINT command) {
    static const Turn turns[] = {Turn::FlipHorizontal, Turn::FlipVertical, Turn::RotateClockwise,
                                 Turn::RotateAnticlockwise};
    const Turn turn = turns[command - IDM_TOOLS_FLIP_HORIZONTAL];
    DrawingTools& tools = Tools();
    if (tools.selection.IsFloating()) {
        tools.selection.TurnContent(*editor.pattern, tools.frame, turn);
    } else if (tools.selection.IsActive()) {
        BeginFrameEdit(tools.frame);
        tools.selection.TurnContent(*editor.pattern, tools.frame, turn);
        EndFrameEdit();
    } else {
        const std::uint32_t frame = EditedFrame();
        BeginFrameEdit(frame);
        TurnFrame(*editor.pattern, frame, turn);
        EndFrameEdit();
    }
    UpdateMarching();
    RepaintGrid();
}

void ClearSelection() {
    DrawingTools& tools = Tools();
    if (!tools.selection.IsActive()) return;
    // Thrown away floating, the move or paste ends as what was lifted.
    if (!tools.floatingEdit) BeginFrameEdit(tools.frame);
    tools.selection.Delete(*editor.pattern, tools.frame);
    tools.floatingEdit = false;
    EndFrameEdit();
    UpdateMarching();
    RepaintGrid();
}

}  // namespace

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

bool OnToolCommand(UINT command) {
    switch (command) {
    case IDM_TOOLS_PENCIL:
    case IDM_TOOLS_FREEHAND:
    case IDM_TOOLS_LINE:
    case IDM_TOOLS_RECTANGLE:
    case IDM_TOOLS_FILLED_RECTANGLE:
    case IDM_TOOLS_ELLIPSE:
    case IDM_TOOLS_FILLED_ELLIPSE:
    case IDM_TOOLS_FLOOD_FILL:
    case IDM_TOOLS_SELECT:
        ChooseTool(command);
        return true;
    case IDM_TOOLS_FLIP_HORIZONTAL:
    case IDM_TOOLS_FLIP_VERTICAL:
    case IDM_TOOLS_ROTATE_CLOCKWISE:
    case IDM_TOOLS_ROTATE_ANTICLOCKWISE:
        TurnCommand(command);
        return true;
    case IDM_TOOLS_CLEAR_SELECTION:
        ClearSelection();
        return true;
    case IDM_TOOLS_DROP_SELECTION:
        // Every command but the selection's own has dropped it already.
        return true;
    default:
        return false;
    }
}

bool CopySelection() {
    DrawingTools& tools = Tools();
    if (!tools.selection.IsActive()) {
        tools.copiedCells = CellBlock();
        return false;
    }
    tools.copiedCells = tools.selection.Copy(*editor.pattern, tools.frame);
    editor.clipboard.reset();
    return true;
}

bool PasteCopiedCells() {
    DrawingTools& tools = Tools();
    std::uint32_t frame = EditedFrame();
    if (tools.copiedCells.IsEmpty()) return false;
    if (frame >= editor.pattern->frameCount) return true;
    if (tools.tool != Tool::Select) ChooseTool(IDM_TOOLS_SELECT);
    // The floating cells are part of the frame's edit until they are dropped.
    BeginFrameEdit(frame);
    tools.floatingEdit = true;
    tools.frame = frame;
    const GridCell corner = FirstVisibleCell();
    tools.selection.Float(tools.copiedCells, corner.column, corner.row);
    UpdateMarching();
    RepaintGrid();
    return true;
}

bool HasClipboard() { return editor.clipboard || !Tools().copiedCells.IsEmpty(); }
