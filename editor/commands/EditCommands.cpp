#include "editor/commands/EditCommands.h"

#include <new>

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/commands/ToolCommands.h"
#include "editor/document/DocumentChange.h"
#include "editor/document/EditRecording.h"
#include "editor/views/MenuMarks.h"
#include "pattern/win32/ListEditDialog.h"
#include "resources/resource.h"

namespace {

// After an undo or redo: the frame it changed is shown, or the edited one
// when it changed the whole pattern.
void FollowStep(EditorState& state, std::int64_t changed, const PatternShape& before) {
    if (changed == EditHistory::Nothing) return;
    std::uint32_t shown = state.EditedFrame();
    if (changed >= 0) shown = static_cast<std::uint32_t>(changed);
    FollowPattern(state, shown, before);
}

}  // namespace

void OnEditCopy(EditorState& state) {
    if (CopySelection(state)) return;
    std::size_t size = state.pattern->FrameSize();
    state.clipboard.reset(new (std::nothrow) std::uint8_t[size ? size : 1]());
    if (state.clipboard) state.pattern->CopyFrame(state.EditedFrame(), state.clipboard.get());
}

void OnEditPaste(EditorState& state) {
    if (PasteCopiedCells(state) || !state.clipboard) return;
    const std::uint32_t frame = state.EditedFrame();
    BeginFrameEdit(state, frame);
    state.pattern->PasteFrame(frame, state.clipboard.get());
    EndFrameEdit(state);
    Refresh(state, RefreshPart::Grid);
}

void OnEditInverse(EditorState& state) {
    const std::uint32_t frame = state.EditedFrame();
    BeginFrameEdit(state, frame);
    state.pattern->InvertFrame(frame);
    EndFrameEdit(state);
    Refresh(state, RefreshPart::Grid);
}

void OnEditAllClear(EditorState& state) {
    std::uint32_t frame = static_cast<std::uint32_t>(state.TargetView().frameIndex);
    BeginFrameEdit(state, frame);
    state.pattern->ClearFrame(frame);
    EndFrameEdit(state);
    Refresh(state, RefreshPart::Grid);
}

void OnEditMode(EditorState& state, UINT command) {
    MarkMenuRadio(state.windows.menu, IDM_EDIT_XOR_MODE, IDM_EDIT_ERASE_MODE, command);
    state.editMode = static_cast<int>(command - IDM_EDIT_XOR_MODE);
}

void OnEditChangeTarget(EditorState& state) {
    if (state.planeCount <= 1) return;
    state.targetPlane = (state.targetPlane + 1) % state.planeCount;
    Refresh(state, RefreshPart::Grid);
}

void OnEditListFile(EditorState& state, HWND window) {
    DialogBoxParamW(GetModuleHandleW(nullptr), L"ListEditDialog", window, ListEditDialogProcedure,
                    reinterpret_cast<LPARAM>(&state.displayList));
}

void OnEditUndo(EditorState& state) {
    const PatternShape before = ShapeOf(*state.pattern);
    FollowStep(state, state.history.Undo(*state.pattern), before);
}

void OnEditRedo(EditorState& state) {
    const PatternShape before = ShapeOf(*state.pattern);
    FollowStep(state, state.history.Redo(*state.pattern), before);
}
