#include "editor/document/DocumentChange.h"

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/document/EditRecording.h"
#include "pattern/document/FrameTools.h"

PatternShape ShapeOf(const LedPattern& pattern) { return {pattern.FrameSize(), pattern.columns, pattern.rows}; }

void ShowPattern(EditorState& state, LedPattern* shown) {
    for (int i = 0; i < 2; ++i) {
        state.views[i].pattern = shown;
        state.views[i].frameIndex = i;
    }
    state.zoom = ZoomState();
    Refresh(state, RefreshPart::Layout);
}

void ReplaceDocument(EditorState& state, std::unique_ptr<LedPattern> replacement) {
    // The clipboard only pastes into frames of its own size.
    if (replacement->FrameSize() != state.pattern->FrameSize()) state.clipboard.reset();
    state.pattern = std::move(replacement);
    state.history.Clear();
    ShowPattern(state, state.pattern.get());
    state.firstFrame = 0;
    state.frameCount = static_cast<int>(state.pattern->frameCount);
    Refresh(state, RefreshPart::Slider | RefreshPart::Grid);
}

void ReplacePatternFrames(EditorState& state, LedPattern& generated) {
    const PatternShape before = ShapeOf(*state.pattern);
    BeginPatternEdit(state);
    ReplaceFrames(*state.pattern, generated);
    EndPatternEdit(state);
    FollowPattern(state, 0, before);
}

bool ReplacePictureFrames(EditorState& state, std::uint32_t picture, const LedPattern& made, std::uint32_t count,
                          Planes planes) {
    const PatternShape before = ShapeOf(*state.pattern);
    BeginPatternEdit(state);
    if (!ReplacePicture(*state.pattern, picture, made, count, planes)) {
        CancelPatternEdit(state);
        return false;
    }
    EndPatternEdit(state);
    FollowPattern(state, picture * PlaneCount(planes), before);
    return true;
}

void FollowPattern(EditorState& state, std::uint32_t shownFrame, const PatternShape& before) {
    LedPattern& pattern = *state.pattern;
    // As after Load: the clipboard pastes only into frames of its own size,
    // and the views are laid out for the pattern's size.
    if (pattern.FrameSize() != before.frameSize) state.clipboard.reset();
    if (pattern.columns != before.columns || pattern.rows != before.rows) ShowPattern(state, &pattern);
    ShowEditedFrame(state, shownFrame);
}

void ShowEditedFrame(EditorState& state, std::uint32_t frame) {
    const std::uint32_t frames = state.pattern->frameCount;
    state.frameCount = static_cast<int>(frames);
    if (frame >= frames) frame = frames ? frames - 1 : 0;
    state.firstFrame = static_cast<int>(frame) / state.planeCount * state.planeCount;
    Refresh(state, RefreshPart::Slider);
    const int plane = static_cast<int>(frame) - state.firstFrame;
    if (plane >= 0 && plane < state.planeCount) state.targetPlane = plane;
    Refresh(state, RefreshPart::Grid);
}
