#include "editor/document/EditRecording.h"

#include "editor/app/EditorState.h"

void BeginFrameEdit(EditorState& state, std::uint32_t frame) {
    state.history.BeginFrameChange(*state.pattern, frame);
}

void EndFrameEdit(EditorState& state) { state.history.EndFrameChange(*state.pattern); }
void BeginPatternEdit(EditorState& state) { state.history.BeginPatternChange(*state.pattern); }
void EndPatternEdit(EditorState& state) { state.history.EndPatternChange(*state.pattern); }
void CancelPatternEdit(EditorState& state) { state.history.CancelChange(); }

void ContinueStroke(EditorState& state, std::uint32_t frame) {
    if (!state.history.IsChanging(frame)) state.history.BeginFrameChange(*state.pattern, frame);
}

void EndStroke(EditorState& state) { state.history.EndFrameChange(*state.pattern); }
